#include "app/listwindow/ui/ListGrid.h"

#include "app/editing/AutoInput.h"
#include "app/editing/ListRowEdits.h"
#include "app/listwindow/ListGridLayout.h"
#include "app/listwindow/ui/GridView.h"
#include "app/settings/ConfigForm.h"
#include "app/startup/ui/OutsideLogs.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/SystemServices.h"
#include "grid/GridEditWindow.h"
#include "list/ClipTable.h"
#include "list/ListViewRules.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/ui/SequencePhotoDlg.h"
#include "platform/VirtualKeys.h"

#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include <algorithm>
#include <utility>

int CListGrid::s_columnAnchor = -1;
int CListGrid::s_lineAnchor = -1;

namespace {

// How near a line boundary a double click on the side heading counts as on it, in pixels.
constexpr int kPointerBoundary = 3;

} // namespace

CListGrid::CListGrid(CGridView& view)
    : m_view(view), m_clipboard(*this), m_drags(*this), m_menu(*this), m_tips(*this), m_find(*this)
{
}

int CListGrid::DataColumns() const
{
    return m_doc != nullptr ? m_doc->columnCount : 0;
}

bool CListGrid::IsDataCell(int column, int row) const
{
    return column >= 0 && column < DataColumns() && row >= 0 && row < GetRowCount();
}

int CListGrid::RowOf(int line) const
{
    if (m_doc == nullptr || line < 0 || line >= m_doc->displayCount || line >= kMaxDisplayRows) {
        return -1;
    }
    const int row = m_doc->displayOrder[line];
    return row >= 0 && row < kMaxRows && m_doc->GetRow(row).inUse ? row : -1;
}

void CListGrid::MeasureFont()
{
    const CSize size = Host().GetMeasurer(&m_font).GetTextExtent("A", 1);
    m_lineHeight = std::max(static_cast<int>(size.cy), 1);
    m_charWidth = std::max(static_cast<int>(size.cx), 1);
}

void CListGrid::OnSetup()
{
    m_doc = m_view.ListDoc();
    m_cells.SetDocument(m_doc);
    if (m_cells.GetGrid() == nullptr) {
        RegisterDataSource(&m_cells);
    }
    CurrentSheet()->dataSource = &m_cells;
    EnableDoubleBuffer(1);
    m_font = LogFont();
    m_font.faceName = "ＭＳ ゴシック";
    m_font.height = -MulDiv(wxGetApp().Settings().GetFontSize(), 96, 720);
    SetDefaultFont(&m_font);
    SetSelectionMode(1);
    // Drop target registered afresh, with the list's own clipboard format first.
    EnableDragDrop(0);
    RegisterDropFormat(CClipTable::kFormatName);
    EnableDragDrop(1);
    SetBlockEdgeCursor(wxCursor(wxCURSOR_SIZING));
    SetBlockCornerCursor(wxCursor(wxCURSOR_CROSS));
    SetCustomFocusRect(true, true);
    m_drags.Reset();
    goBackLine = -1;
    EnableGrid(1);
    EnablePopupMenu(1);
    // Column remarks, photo names and row ids show as tips over the cells and headings.
    EnableTips(1);
    SetWheelStep(std::clamp(wxGetApp().Settings().GetWheelDelta(), CConfigForm::kMinWheelDelta,
                            CConfigForm::kMaxWheelDelta));
    MeasureFont();
}

void CListGrid::OnGridSetFocus(int)
{
    if (m_doc == nullptr) {
        return;
    }
    // The cell kept for the focus (a list window coming back) becomes current once.
    if (m_doc->focusColumn >= 0 && m_doc->focusRow >= 0) {
        MoveToCell(m_doc->focusColumn, m_doc->focusRow);
        m_doc->focusColumn = -1;
        m_doc->focusRow = -1;
    }
    // The document, the status bar and the strip follow the cell the grid comes back to.
    OnCellChanged(-1, CurrentColumn(), -1, CurrentRow());
}

bool CListGrid::PreTranslateMessage(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (m_doc != nullptr && (type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN)) {
        // A press can come before the window has the keyboard (a desktop gives it a moment
        // later): the cell it chooses is not taken back by the one kept for the first focus.
        m_doc->focusColumn = -1;
        m_doc->focusRow = -1;
    }
    if (m_activationCount > 0) {
        if (type == wxEVT_MOTION) {
            --m_activationCount;
            return true;
        }
        if (type == wxEVT_LEFT_UP) {
            m_activationCount = 0;
            return true;
        }
        if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK || type == wxEVT_RIGHT_DOWN ||
            type == wxEVT_RIGHT_UP || type == wxEVT_RIGHT_DCLICK || type == wxEVT_MIDDLE_DOWN ||
            type == wxEVT_MIDDLE_UP || type == wxEVT_MIDDLE_DCLICK) {
            m_activationCount = 0;
        }
    }
    if (m_drags.FollowPress(event)) {
        return true;
    }
    if (type == wxEVT_MOUSEWHEEL && m_doc != nullptr) {
        const wxPoint screen = wxGetMousePosition();
        if (!GetScreenRect().Contains(screen)) {
            // The wheel turns over the other pane while the grid has the focus: that pane scrolls.
            const auto& wheel = static_cast<wxMouseEvent&>(event);
            ListHintArg arg;
            arg.wheelRotation = wheel.GetWheelRotation();
            arg.pointerX = screen.x;
            arg.pointerY = screen.y;
            m_doc->UpdateAllViews(&m_view, kHintMouseWheel, &arg);
            return true;
        }
    }
    return CGridList::PreTranslateMessage(event);
}

int CListGrid::OnCellTypeNotify(int, int column, int row, int code, std::intptr_t parameter)
{
    if (m_doc == nullptr || (code != 53 && code != 101)) {
        return 1;
    }
    CListGridEdits edits(*m_doc);
    if (code == 53) {
        edits.StoreCellText(column, row, parameter != 0 ? "1" : "0", false);
    } else if (auto* picked = reinterpret_cast<CString*>(parameter)) {
        *picked = edits.StoreCellText(column, row, *picked, false);
    }
    return 1;
}

void CListGrid::OnTopRowChanged(int, int newRow)
{
    FreeThumbnailsOutOfView(newRow);
}

void CListGrid::FreeThumbnailsOutOfView(int top)
{
    if (m_doc == nullptr) {
        return;
    }
    const int first = top >= 0 ? top : FirstVisibleRow();
    const int last = first + std::max(LastVisibleRow() - FirstVisibleRow(), 0);
    for (int line = 0; line < m_doc->displayCount; ++line) {
        if (line >= first && line <= last) {
            continue;
        }
        const int row = RowOf(line);
        if (row < 0) {
            continue;
        }
        const ProductRecord& record = m_doc->GetRow(row);
        for (int k = 0; k < record.photoCount; ++k) {
            const int slot = record.photos[k];
            if (slot >= 0 && slot < kMaxPhotos) {
                m_doc->GetPhoto(slot).thumbnail.reset();
            }
        }
    }
}

void CListGrid::ReloadThumbnail(int photo)
{
    if (m_doc == nullptr || photo < 0 || photo >= kMaxPhotos) {
        return;
    }
    m_doc->GetPhoto(photo).thumbnail.reset();
    m_doc->GetThumbnailBitmap(photo);
    for (int line = 0; line < GetRowCount(); ++line) {
        const int row = RowOf(line);
        if (row < 0) {
            continue;
        }
        const ProductRecord& record = m_doc->GetRow(row);
        for (int k = 0; k < record.photoCount; ++k) {
            if (record.photos[k] == photo) {
                RepaintCell(DataColumns() + k, line);
            }
        }
    }
}

void CListGrid::UpdateRowCount()
{
    if (m_doc == nullptr) {
        return;
    }
    wxWindowUpdateLocker lock(this);
    const int before = GetRowCount();
    SetRowCount(m_doc->displayCount);
    m_cells.ForgetLinesFrom(before);
    wxGetApp().ShowRowPosition(CurrentRow(), GetRowCount());
}

void CListGrid::OnColumnSized(int column, int* width)
{
    if (m_doc == nullptr || column < 0 || column >= DataColumns() || width == nullptr) {
        return;
    }
    if (*width > 8 && m_charWidth > 0) {
        m_doc->GetColumn(column).width = (*width + m_charWidth - 9) / m_charWidth;
        m_doc->SetModifiedFlag();
    }
    const ColumnRecord& record = m_doc->GetColumn(column);
    if (record.type == kTypeText && record.multiLine) {
        for (int line = 0; line < GetRowCount(); ++line) {
            m_view.AutoRowHeight(line, false);
        }
        RepaintGrid();
    }
}

void CListGrid::OnRowSized(int row, int* height)
{
    const int record = RowOf(row);
    if (record < 0 || height == nullptr) {
        return;
    }
    ProductRecord& product = m_doc->GetRow(record);
    product.autoHeight = false;
    product.rowHeight = *height;
}

void CListGrid::OnCellChanged(int oldColumn, int newColumn, int oldRow, int newRow)
{
    if (m_doc == nullptr) {
        return;
    }
    if (oldColumn != newColumn) {
        // Each text column types in the input method mode it was given; other cells take plain
        // keys.
        const bool text =
            newColumn >= 0 && newColumn < DataColumns() && m_doc->GetColumn(newColumn).type == kTypeText;
        SetImeMode(text ? m_doc->GetColumn(newColumn).inputMode : 1);
    }
    m_doc->currentColumn = newColumn;
    m_doc->currentRow = newRow;
    m_doc->currentCellText.Empty();
    if (IsDataCell(newColumn, newRow)) {
        m_doc->currentCellText = GetCellText(newColumn, newRow);
    } else if (const int row = RowOf(newRow); row >= 0 && newColumn >= DataColumns()) {
        const int k = newColumn - DataColumns();
        const ProductRecord& record = m_doc->GetRow(row);
        if (k < record.photoCount && record.photos[k] >= 0 && m_doc->GetPhoto(record.photos[k]).inUse) {
            m_doc->currentCellText = m_doc->GetPhoto(record.photos[k]).name;
        }
    }
    if (oldRow == newRow) {
        if (oldColumn != newColumn && newColumn >= DataColumns()) {
            m_doc->UpdateAllViews(&m_view, kHintCurrentCellMoved);
        }
        return;
    }
    wxGetApp().ShowRowPosition(newRow, GetRowCount());
    m_doc->UpdateAllViews(&m_view, kHintRowsEdited);
}

void CListGrid::OnCellLButton(int column, int, int down, const CRect&, CPoint point, int processed)
{
    if (m_doc == nullptr || !down || processed || IsEditing() || CellArea() == nullptr) {
        return;
    }
    m_drags.Press(column, point);
}

void CListGrid::OnCellDblClick(int column, int row, const CRect&, CPoint point, int processed)
{
    if (processed || m_doc == nullptr) {
        return;
    }
    if (IsDataCell(column, row)) {
        if (m_drags.IsOnFillHandle(point)) {
            AutoInput(-1);
        } else {
            BeginEditAt(CurrentColumn(), CurrentRow(), 0);
        }
    } else if (column >= DataColumns() && row >= 0) {
        if (Host().IsKeyHeld(VK_CONTROL)) {
            m_view.PhotoCommands().EditPhoto();
        } else {
            m_view.PhotoCommands().ShowPhotoProperties();
        }
    }
}

void CListGrid::OnTopHeadingLButton(int column, int, int down, const CRect&, CPoint, int)
{
    if (m_doc == nullptr || GetRowCount() == 0 || GetColCount() == 0 || column < 0) {
        return;
    }
    const int last = GetRowCount() - 1;
    if (down) {
        if (!Host().IsKeyHeld(VK_CONTROL)) {
            DeselectAll();
        }
        s_columnAnchor = column;
        SelectBlock(column, 0, column, last);
    } else if (s_columnAnchor >= 0) {
        // The press began the block; the release stretches it instead of adding a second one,
        // which copy and drag would refuse as a split selection.
        CurrentSheet()->selection.ExtendBlock(column, last);
        RepaintGrid();
        s_columnAnchor = -1;
    }
}

void CListGrid::OnSideHeadingLButton(int, int row, int down, const CRect&, CPoint, int)
{
    if (m_doc == nullptr || GetRowCount() == 0 || GetColCount() == 0 || row < 0) {
        return;
    }
    const int last = GetColCount() - 1;
    if (down) {
        if (!Host().IsKeyHeld(VK_CONTROL)) {
            DeselectAll();
        }
        s_lineAnchor = row;
        SelectBlock(0, row, last, row);
    } else if (s_lineAnchor >= 0) {
        // As with the columns: one block from the press's line to the release's.
        CurrentSheet()->selection.ExtendBlock(last, row);
        RepaintGrid();
        s_lineAnchor = -1;
    }
}

void CListGrid::OnSideHeadingDblClick(int, int row, const CRect& rect, CPoint point, int)
{
    // Only on a line boundary: the line above it when the pointer is in the upper half.
    const bool onBoundary =
        point.y - rect.top <= kPointerBoundary || rect.bottom - point.y <= kPointerBoundary;
    if (m_doc == nullptr || !onBoundary) {
        return;
    }
    const int line = point.y < (rect.top + rect.bottom) / 2 ? row - 1 : row;
    if (line >= 0) {
        m_view.AutoRowHeight(line, true);
        RepaintGrid();
    }
}

void CListGrid::SelectAllCells()
{
    // A move starts a selection of its own: the cell becomes current first, then the block
    // takes the place of whatever the move selected.
    if (GetColCount() > 0 && GetRowCount() > 0) {
        MoveToCell(0, 0);
    }
    DeselectAll();
    if (GetColCount() > 0 && GetRowCount() > 0) {
        SelectBlock(0, 0, GetColCount() - 1, GetRowCount() - 1);
    }
}

void CListGrid::OnCornerLButton(int down, const CRect&, CPoint, int)
{
    if (down) {
        SelectAllCells();
    }
}

std::vector<CListGridEdits::Block> CListGrid::SelectedBlocks()
{
    std::vector<CListGridEdits::Block> blocks;
    for (const Block& block : GetSelectedBlocks()) {
        blocks.push_back({block.left, block.top, block.right, block.bottom});
    }
    return blocks;
}

void CListGrid::RefillLines(const std::vector<int>& lines)
{
    if (m_doc == nullptr) {
        return;
    }
    if (GetRowCount() != m_doc->displayCount) {
        UpdateRowCount();
    }
    for (int line : lines) {
        if (line < GetRowCount()) {
            m_view.FillGridRow(line, false);
        }
    }
    FreeThumbnailsOutOfView();
    RepaintGrid();
}

void CListGrid::ClearSelection()
{
    if (m_doc == nullptr) {
        return;
    }
    CListGridEdits edits(*m_doc);
    const std::vector<int> lines = edits.ClearCells(SelectedBlocks());
    m_doc->SetModifiedFlag();
    RefillLines(lines);
    m_doc->UpdateAllViews(&m_view, kHintRowsEdited);
}

void CListGrid::OnGridKeyDown(unsigned int* key, int)
{
    if (key != nullptr && *key == VK_DELETE && m_doc != nullptr && !IsEditing()) {
        ClearSelection();
    }
}

void CListGrid::OnGridChar(unsigned int* character, int processed)
{
    if (character == nullptr || m_doc == nullptr || IsEditing()) {
        return;
    }
    const unsigned int typed = *character;
    if (typed == '\t' || typed == 0x1B) {
        *character = 0;
        return;
    }
    if (typed == '\r' || typed == '\n') {
        *character = 0;
        const CListViewRules::EnterMove move =
            CListViewRules::MoveOnEnter(CurrentColumn(), CurrentRow(), GetColCount(), GetRowCount());
        if (move.addLine) {
            m_doc->displayOrder[m_doc->displayCount++] = kNewRowLine;
            UpdateRowCount();
        }
        MoveToCell(move.column, move.line);
        return;
    }
    if (!processed && !IsDataCell(CurrentColumn(), CurrentRow())) {
        *character = 0;
    }
}

void CListGrid::OnGetCell(int column, int row, CCellRecord& record)
{
    if (column < 0 || row < 0) {
        return;
    }
    record.SetSelectedFillColor(CListViewRules::SelectedFillColor(record.GetFillColor()));
    if (m_doc == nullptr || column < DataColumns() || record.GetPicture() != nullptr) {
        return;
    }
    const int k = column - DataColumns();
    const int product = RowOf(row);
    if (product < 0 || k >= m_doc->GetRow(product).photoCount) {
        return;
    }
    if (const CBitmapEx* thumbnail = m_doc->GetThumbnailBitmap(m_doc->GetRow(product).photos[k])) {
        record.SetPicture(thumbnail);
    }
}

void CListGrid::OnPrepareDC(Canvas* dc, Canvas* bufferDc, int section)
{
    CGridList::OnPrepareDC(dc, bufferDc, section);
    if (section == GridSection::CellArea && m_doc != nullptr && !std::exchange(m_shownLogged, true)) {
        CallAfter([path = m_doc->GetPathName()] { COutsideLogs::ListShown(path); });
    }
}

int CListGrid::OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled)
{
    if (m_doc == nullptr || cancelled) {
        return 1;
    }
    auto* control = dynamic_cast<wxTextCtrl*>(edit);
    const bool modified = (control != nullptr && control->IsModified()) || text != EditRecord().GetText();
    if (!modified) {
        return 1;
    }
    CListGridEdits edits(*m_doc);
    const bool dropListGrew = m_doc->GetColumn(column).dropType == 1;
    CString refusal;
    text = edits.StoreCellText(column, row, text, true, &refusal);
    // A refusal keeps the cell's value; the status bar says why without stopping the typing.
    wxGetApp().ShowStatusNotice(refusal);
    if (!refusal.IsEmpty()) {
        return 1;
    }
    if (dropListGrew) {
        RebuildDropLabels(column);
    }
    m_view.AutoRowHeight(row, false);
    FreeThumbnailsOutOfView();
    return 1;
}

void CListGrid::RebuildDropLabels(int column)
{
    if (m_doc == nullptr || column < 0 || column >= DataColumns()) {
        return;
    }
    CCellRecord record;
    GetColDefaultCell(column, record);
    record.SetLabelString(CListGridLayout::DropLabels(m_doc->GetColumn(column).dropEntries));
    SetColDefaultCell(column, record);
}

void CListGrid::SyncPhotoColumns()
{
    if (m_doc == nullptr) {
        return;
    }
    const int headingRows = CurrentSheet()->TopHeadingRowCount();
    for (int column = GetColCount(); column < DataColumns() + m_doc->photoColumns; ++column) {
        const int width = column > 0 ? GetColumnWidth(column - 1) : CListGridLayout::PhotoColumnWidth(60);
        SetColCount(column + 1);
        SetColumnWidth(column, width);
        const CString heading = CListGridLayout::PhotoHeading(column - DataColumns());
        SetCellText(column, -headingRows, heading);
        if (headingRows == 2) {
            MergeCellRange(column, -2, column, -1);
        }
    }
}

void CListGrid::EnsurePhotoColumn(int line)
{
    if (m_doc != nullptr && CListRowEdits(*m_doc).EnsurePhotoColumn(line)) {
        SyncPhotoColumns();
    }
}

bool CListGrid::IsSingleRange()
{
    return CurrentSheet()->selection.GetBlockCount() <= 2 && !SelectedBlocks().empty();
}

void CListGrid::AutoInput(int endLine)
{
    if (m_doc == nullptr) {
        return;
    }
    CListGridEdits::Block block{};
    if (endLine < 0) {
        const std::vector<CListGridEdits::Block> blocks = SelectedBlocks();
        if (!IsSingleRange()) {
            return;
        }
        block = blocks[0];
        endLine = GetRowCount() - 2;
    } else {
        block = m_drags.FillBlock();
    }
    if (block.left < 0 || block.left >= DataColumns()) {
        return;
    }
    const CAutoInput::Result result = CAutoInput(*m_doc).Fill(block, endLine, Host().IsKeyHeld(VK_CONTROL));
    for (int column : result.dropListsGrew) {
        RebuildDropLabels(column);
    }
    if (!result.lines.empty()) {
        RefillLines(result.lines);
        m_doc->UpdateAllViews(&m_view, kHintRowsEdited);
    }
}

void CListGrid::OnCellRButton(int column, int row, int down, const CRect&, CPoint, int)
{
    CSequencePhotoDlg* files = wxGetApp().GetContinuousImportWindow();
    if (!down || files == nullptr || m_doc == nullptr || row < 0 || row >= GetRowCount()) {
        return;
    }
    if (m_doc->readOnly) {
        m_doc->Host().ShowWarningMessage(30204, 0);
        return;
    }
    CStringArray paths;
    if (!files->GetSelectedFiles(paths)) {
        m_doc->Host().ShowWarningMessage(30206, 0);
        return;
    }
    MoveToCell(std::max(column, 0), row);
    if (!m_view.PhotoCommands().ImportPhotos(paths)) {
        return;
    }
    // One file at a time walks down the folder, one photo per right click.
    if (paths.GetSize() == 1) {
        files->SelectNext();
    }
}

int CListGrid::OnPopupStart(int column, int row, int section)
{
    return m_menu.Start(column, row, section);
}

void CListGrid::OnPopupCommand(int column, int row, int section, unsigned int id)
{
    m_menu.Command(column, row, section, id);
}

int CListGrid::OnGetHintText(int column, int row, int, CString& text)
{
    return m_tips.TextAt(column, row, text);
}

int CListGrid::OnDragEnter(COleDataObject*)
{
    return m_drags.Enter();
}

void CListGrid::OnDragLeave()
{
    m_drags.Leave();
}

int CListGrid::OnDragOver(COleDataObject*, int column, int row)
{
    return m_drags.Over(column, row);
}

int CListGrid::OnDrop(COleDataObject* data, int column, int row)
{
    return m_drags.Drop(data, column, row);
}
