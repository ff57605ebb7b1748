#include "photo/batch/ui/LumpPhotoGrid.h"

#include "grid/CellRecord.h"
#include "grid/ui/GridCellArea.h"
#include "list/IListHost.h"
#include "list/ListViewRules.h"
#include "list/ui/ClipData.h"
#include "list/ui/ClipSource.h"
#include "photo/batch/ui/LumpPhotoDlg.h"
#include "photo/batch/ui/ZoomPhotoDlg.h"
#include "platform/VirtualKeys.h"

#include <wx/dnd.h>
#include <wx/utils.h>

#include <algorithm>
#include <exception>

namespace {

constexpr int kColumnWidth = 98;
constexpr int kRowHeight = 68;

} // namespace

void CLumpPhotoGrid::OnSetup()
{
    EnableDoubleBuffer(1);
    SetColCount(CLumpPhotoCells::kColumns, 0);
    SetSideHeadingWidth(GetTopHeadingHeight());
    for (int column = 0; column < CLumpPhotoCells::kColumns; ++column) {
        SetColumnWidth(column, kColumnWidth);
    }
    SetUniformRowSize(kRowHeight);
    SetSelectionMode(1);
    SetCustomFocusRect(true, false);
    EnableDragDrop(0);
    RegisterDropFormat(CClipTable::kFormatName);
    EnableDragDrop(1);
    SetBlockEdgeCursor(wxCursor(wxCURSOR_SIZING));
}

void CLumpPhotoGrid::ShowCells()
{
    SetRowCount(m_cells.Rows(), 0);
    RepaintGrid();
}

void CLumpPhotoGrid::BreakRow()
{
    const int row = CurrentRow();
    if (m_cells.BreakRow(CurrentColumn(), row)) {
        ShowCells();
        MoveToCell(0, row + 1);
    }
}

void CLumpPhotoGrid::DeleteRows()
{
    const std::vector<Block> blocks = GetSelectedBlocks();
    if (blocks.size() != 1) {
        return;
    }
    Block block = blocks.front();
    m_cells.DeleteRows(block.top, block.bottom);
    ShowCells();
    DeselectAll();
    if (m_cells.Rows() > 0) {
        const int last = m_cells.Rows() - 1;
        block.top = std::min(block.top, last);
        block.bottom = std::min(block.bottom, last);
        SelectBlock(block.left, block.top, block.right, block.bottom);
        MoveToCell(std::max(CurrentColumn(), 0), block.top);
    }
    RepaintGrid();
}

void CLumpPhotoGrid::DeleteCells()
{
    for (const Block& block : GetSelectedBlocks()) {
        m_cells.DeleteCells(block.left, block.top, block.right, block.bottom);
    }
    RepaintGrid();
}

void CLumpPhotoGrid::Zoom()
{
    const int photo = m_cells.At(CurrentColumn(), CurrentRow());
    if (photo >= 0) {
        CZoomPhotoDlg::Open(m_photos.At(photo).Path());
    }
}

void CLumpPhotoGrid::SelectAll()
{
    DeselectAll();
    if (m_cells.Rows() > 0) {
        SelectBlock(0, 0, CLumpPhotoCells::kColumns - 1, m_cells.Rows() - 1);
        MoveToCell(0, 0);
    }
}

void CLumpPhotoGrid::OnCellChanged(int, int newColumn, int, int newRow)
{
    CString position;
    if (newColumn >= 0 && newRow >= 0) {
        position.Format("X:%d Y:%d", newColumn + 1, newRow + 1);
    }
    m_dialog.ShowPosition(position);
}

void CLumpPhotoGrid::OnCellDblClick(int, int, const CRect&, CPoint, int)
{
    Zoom();
}

void CLumpPhotoGrid::OnTopHeadingLButton(int column, int, int down, const CRect&, CPoint, int)
{
    if (m_cells.Rows() == 0 || column < 0) {
        return;
    }
    const int last = m_cells.Rows() - 1;
    if (down) {
        m_columnAnchor = column;
        MoveToCell(column, 0);
        DeselectAll();
        SelectBlock(column, 0, column, last);
    } else if (m_columnAnchor >= 0) {
        DeselectAll();
        SelectBlock(std::min(m_columnAnchor, column), 0, std::max(m_columnAnchor, column), last);
        m_columnAnchor = -1;
    }
}

void CLumpPhotoGrid::OnSideHeadingLButton(int, int row, int down, const CRect&, CPoint, int)
{
    if (m_cells.Rows() == 0 || row < 0) {
        return;
    }
    const int last = CLumpPhotoCells::kColumns - 1;
    if (down) {
        m_rowAnchor = row;
        MoveToCell(0, row);
        DeselectAll();
        SelectBlock(0, row, last, row);
    } else if (m_rowAnchor >= 0) {
        DeselectAll();
        SelectBlock(0, std::min(m_rowAnchor, row), last, std::max(m_rowAnchor, row));
        m_rowAnchor = -1;
    }
}

void CLumpPhotoGrid::OnCornerLButton(int down, const CRect&, CPoint, int)
{
    if (down) {
        SelectAll();
    }
}

void CLumpPhotoGrid::OnGridKeyDown(unsigned int* key, int)
{
    if (key == nullptr) {
        return;
    }
    const bool control = Host().IsKeyHeld(VK_CONTROL);
    switch (*key) {
    case VK_RETURN:
        if (!control) {
            return;
        }
        BreakRow();
        break;
    case VK_DELETE:
        if (control) {
            DeleteRows();
        } else {
            DeleteCells();
        }
        break;
    case VK_SPACE:
        Zoom();
        break;
    case 'C':
    case 'V':
    case 'X':
        if (!control) {
            return;
        }
        if (*key == 'C') {
            Copy();
        } else if (*key == 'V') {
            Paste();
        } else {
            Cut();
        }
        break;
    default:
        return;
    }
    *key = 0;
}

void CLumpPhotoGrid::OnGetCell(int column, int row, CCellRecord& record)
{
    if (column < 0 || row < 0) {
        return;
    }
    record.SetSelectedFillColor(CListViewRules::SelectedFillColor(record.GetFillColor()));
    const int photo = m_cells.At(column, row);
    if (photo >= 0) {
        record.SetPicture(&m_photos.At(photo).Picture());
    }
}

bool CLumpPhotoGrid::FillClipSource(CClipSource& source)
{
    const std::vector<Block> blocks = GetSelectedBlocks();
    if (blocks.empty()) {
        m_dialog.Host().ShowWarningMessage(30900, 0);
        return false;
    }
    if (blocks.size() > 1) {
        m_dialog.Host().ShowWarningMessage(30901, 0);
        return false;
    }
    const Block& block = blocks.front();
    m_cells.FillTable(block.left, block.top, block.right, block.bottom, m_photos, source.Table());
    source.CacheFormat(COleDataObject::Format::Private);
    source.CacheFormat(COleDataObject::Format::Text);
    source.CacheFormat(COleDataObject::Format::Files);
    return true;
}

void CLumpPhotoGrid::Copy()
{
    try {
        auto* source = new CClipSource(m_dialog.Host());
        if (!FillClipSource(*source)) {
            delete source;
            return;
        }
        CClipSource::PutOnClipboard(source);
    } catch (const std::exception&) {
        m_dialog.Host().ReportError(nullptr, "LumpPhotoDlg", __LINE__);
    }
}

void CLumpPhotoGrid::Cut()
{
    try {
        auto* source = new CClipSource(m_dialog.Host());
        if (!FillClipSource(*source)) {
            delete source;
            return;
        }
        if (CClipSource::PutOnClipboard(source)) {
            DeleteCells();
        }
    } catch (const std::exception&) {
        m_dialog.Host().ReportError(nullptr, "LumpPhotoDlg", __LINE__);
    }
    RepaintGrid();
}

void CLumpPhotoGrid::Paste()
{
    InsertPhotos(nullptr, CurrentColumn(), CurrentRow());
}

void CLumpPhotoGrid::InsertPhotos(const COleDataObject* data, int column, int row)
{
    if (column < 0 || column >= CLumpPhotoCells::kColumns || row < 0 || row >= m_cells.Rows()) {
        return;
    }
    try {
        CClipData clip(m_dialog.Host());
        if (clip.Read(data)) {
            wxBusyCursor wait;
            m_cells.InsertClip(column, row, clip.Table(), m_photos);
        }
    } catch (const std::exception&) {
        m_dialog.Host().ReportError(nullptr, "LumpPhotoDlg", __LINE__);
    }
    ShowCells();
}

void CLumpPhotoGrid::OnCellLButton(int, int, int down, const CRect&, CPoint, int processed)
{
    if (down && !processed && Host().IsPointerOnBlockEdge()) {
        StartDrag();
    }
}

void CLumpPhotoGrid::StartDrag()
{
    if (CellArea() != nullptr && CellArea()->HasCapture()) {
        CellArea()->ReleaseMouse();
    }
    try {
        CClipSource source(m_dialog.Host());
        if (!FillClipSource(source)) {
            return;
        }
        m_drag.BeginOwnDrag();
        wxDropSource drag(source, CellArea());
        if (drag.DoDragDrop(wxDrag_AllowMove) == wxDragMove) {
            DeleteCells();
        }
    } catch (const std::exception&) {
        m_dialog.Host().ReportError(nullptr, "LumpPhotoDlg", __LINE__);
    }
    m_drag.EndDrag();
    RepaintGrid();
}

int CLumpPhotoGrid::OnDragEnter(COleDataObject* data)
{
    if (data == nullptr) {
        return CLumpDragState::kNone;
    }
    return m_drag.Enter(data->IsDataAvailable(COleDataObject::Format::Private, CClipTable::kFormatName),
                        data->IsDataAvailable(COleDataObject::Format::Files));
}

int CLumpPhotoGrid::OnDragOver(COleDataObject*, int, int)
{
    return m_drag.Over(Host().IsKeyHeld(VK_CONTROL), Host().IsKeyHeld(VK_ESCAPE));
}

int CLumpPhotoGrid::OnDrop(COleDataObject* data, int column, int row)
{
    const int effect = m_drag.Over(Host().IsKeyHeld(VK_CONTROL), Host().IsKeyHeld(VK_ESCAPE));
    if (effect == CLumpDragState::kNone) {
        return effect;
    }
    const std::vector<Block> blocks = GetSelectedBlocks();
    if (!blocks.empty() &&
        !m_drag.MayDrop(column, row, blocks[0].left, blocks[0].top, blocks[0].right, blocks[0].bottom)) {
        wxBell();
        return CLumpDragState::kNone;
    }
    InsertPhotos(data, column, row);
    return effect;
}
