#include "app/ui/ListGrid.h"

#include "app/ListFinder.h"
#include "app/ListGridLayout.h"
#include "app/ListViewRules.h"
#include "app/ui/GridView.h"
#include "app/ui/ZantobyApp.h"
#include "grid/GridEditWindow.h"
#include "grid/ui/GridCellArea.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/ui/SequencePhotoDlg.h"
#include "platform/VirtualKeys.h"
#include "platform/ui/WxText.h"

#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/wupdlock.h>

#include <algorithm>

int CListGrid::s_columnAnchor = -1;
int CListGrid::s_lineAnchor = -1;

namespace {

constexpr int ID_CUT = 57635;
constexpr int ID_COPY = 57634;
constexpr int ID_PASTE = 57637;
constexpr int ID_PASTE_REFERENCE = 57638;
constexpr int ID_COPY_PHOTO_NAME = 57645;
constexpr int ID_PHOTO_OUTPUT = 32877;
constexpr int ID_AUTO_INPUT = 32933;
constexpr int ID_FIND = 32780;
constexpr int ID_IMPORT_PHOTO = 32891;
constexpr int ID_PHOTO_PROPERTIES = 32967;
constexpr int ID_EDIT_PHOTO = 32873;
constexpr int ID_ROTATE_RIGHT = 33073;
constexpr int ID_ROTATE_LEFT = 33074;
constexpr int ID_SORT_ASCENDING = 32803;
constexpr int ID_SORT_DESCENDING = 32804;
constexpr int ID_COLUMN_INFO = 32809;
constexpr int ID_INSERT_LINE = 32774;
constexpr int ID_DUPLICATE_ROW = 32776;
constexpr int ID_DELETE_ROWS = 32777;
constexpr int ID_AUTO_HEIGHT = 32930;
constexpr int ID_SORT_SETTINGS = 32837;
constexpr int ID_AUTO_HEIGHT_ALL = 32931;

// How near a line boundary a double click on the side heading counts as on it, in pixels.
constexpr int kPointerBoundary = 3;

} // namespace

CListGrid::CListGrid(CGridView& view) : m_view(view) {}

ListFindSettings& CListGrid::FindSettings()
{
    static ListFindSettings settings;
    return settings;
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
    EnableDoubleBuffer(1);
    m_font = LogFont();
    m_font.faceName = "ＭＳ ゴシック";
    m_font.height = -MulDiv(wxGetApp().Settings().GetFontSize(), 96, 720);
    SetDefaultFont(&m_font);
    SetSelectionMode(1);
    SetCustomFocusRect(true, true);
    goBackLine = -1;
    EnableGrid(1);
    EnablePopupMenu(1);
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
    CCellRecord empty;
    for (int line = before; line < m_doc->displayCount; ++line) {
        for (int column = 0; column < GetColCount(); ++column) {
            WriteCell(column, line, empty);
        }
    }
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

void CListGrid::OnCellDblClick(int column, int row, const CRect&, CPoint, int processed)
{
    if (!processed && IsDataCell(column, row)) {
        BeginEditAt(CurrentColumn(), CurrentRow(), 0);
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
        SelectBlock(std::min(s_columnAnchor, column), 0, std::max(s_columnAnchor, column), last);
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
        SelectBlock(0, std::min(s_lineAnchor, row), last, std::max(s_lineAnchor, row));
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
    DeselectAll();
    if (GetColCount() > 0 && GetRowCount() > 0) {
        SelectBlock(0, 0, GetColCount() - 1, GetRowCount() - 1);
        MoveToCell(0, 0);
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
    for (int line : lines) {
        m_view.FillGridRow(line, false);
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
    text = edits.StoreCellText(column, row, text, true);
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

void CListGrid::AddMenuItem(wxMenu& menu, int id, const char* text, bool enabled)
{
    menu.Append(id, ToWx(text))->Enable(enabled);
}

int CListGrid::OnPopupStart(int column, int row, int section)
{
    // The right button takes photos while the continuous import window shows.
    if (m_doc == nullptr || wxGetApp().GetContinuousImportWindow() != nullptr) {
        return 0;
    }
    ClearPopupMenu();
    wxMenu& menu = GetPopupMenu();
    // Cut, copy, paste, auto input, find, sorting, row commands and the list's dialogs come with
    // their own commands; their entries stay greyed until then.
    switch (section) {
    case GridSection::CellArea:
        if (IsEditing() || column < 0 || row < 0 || column >= GetColCount() || row >= GetRowCount()) {
            return 0;
        }
        AddMenuItem(menu, ID_CUT, "切り取り", false);
        AddMenuItem(menu, ID_COPY, "コピー", false);
        AddMenuItem(menu, ID_PASTE, "貼り付け", false);
        if (column < DataColumns()) {
            menu.AppendSeparator();
            AddMenuItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_AUTO_INPUT, "自動入力", false);
        } else {
            AddMenuItem(menu, ID_PASTE_REFERENCE, "参照貼り付け", false);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_COPY_PHOTO_NAME, "写真ファイル名をコピー", false);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_IMPORT_PHOTO, "新規写真を追加", !m_doc->readOnly);
            AddMenuItem(menu, ID_PHOTO_PROPERTIES, "ﾌﾟﾛﾊﾟﾃｨを表示", false);
            AddMenuItem(menu, ID_EDIT_PHOTO, "写真を編集", false);
            AddMenuItem(menu, ID_ROTATE_RIGHT, "右回転", false);
            AddMenuItem(menu, ID_ROTATE_LEFT, "左回転", false);
            AddMenuItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
        }
        menu.AppendSeparator();
        AddMenuItem(menu, ID_FIND, "検索", false);
        return 1;
    case GridSection::TopHeading:
        if (column < 0 || column >= DataColumns()) {
            return 0;
        }
        AddMenuItem(menu, ID_SORT_ASCENDING, "昇順並替", false);
        AddMenuItem(menu, ID_SORT_DESCENDING, "降順並替", false);
        menu.AppendSeparator();
        AddMenuItem(menu, ID_COLUMN_INFO, "項目情報を設定", false);
        return 1;
    case GridSection::SideHeading:
        if (row < 0 || row >= GetRowCount()) {
            return 0;
        }
        AddMenuItem(menu, ID_INSERT_LINE, "行挿入", false);
        AddMenuItem(menu, ID_DUPLICATE_ROW, "行複写", false);
        AddMenuItem(menu, ID_DELETE_ROWS, "行削除", false);
        menu.AppendSeparator();
        AddMenuItem(menu, ID_AUTO_HEIGHT, "行の高さを自動調整", true);
        return 1;
    case GridSection::Corner:
        AddMenuItem(menu, ID_COLUMN_INFO, "ﾘｽﾄ情報を設定", false);
        AddMenuItem(menu, ID_DELETE_ROWS, "表示中の全ﾃﾞｰﾀを削除", false);
        AddMenuItem(menu, ID_SORT_SETTINGS, "並替設定", false);
        AddMenuItem(menu, ID_AUTO_HEIGHT_ALL, "全行の高さを自動調整", true);
        return 1;
    default:
        return 0;
    }
}

void CListGrid::OnPopupCommand(int, int row, int section, unsigned int id)
{
    if (m_doc == nullptr) {
        return;
    }
    if (id == ID_IMPORT_PHOTO) {
        m_view.ImportOnePhoto(CString());
    } else if (id == ID_PHOTO_OUTPUT) {
        m_view.OutputSelectedPhotos();
    } else if (id == ID_AUTO_HEIGHT && section == GridSection::SideHeading) {
        MoveToRow(row);
        for (const CListGridEdits::Block& block : SelectedBlocks()) {
            for (int line = block.top; line <= block.bottom; ++line) {
                m_view.AutoRowHeight(line, true);
            }
        }
        RepaintGrid();
    } else if (id == ID_AUTO_HEIGHT_ALL) {
        for (int line = 0; line < GetRowCount(); ++line) {
            m_view.AutoRowHeight(line, true);
        }
        RepaintGrid();
    }
}

int CListGrid::OnGetHintText(int column, int row, int, CString& text)
{
    if (m_doc == nullptr) {
        return 0;
    }
    const bool inside = wxGetApp().IsShowingInternalInfo();
    if (row < 0 && column >= 0 && column < DataColumns()) {
        text = m_doc->GetColumn(column).remark;
        return text.IsEmpty() ? 0 : 1;
    }
    if (column < 0 && row >= 0 && row < GetRowCount()) {
        if (!inside) {
            return 0;
        }
        const int product = RowOf(row);
        if (product < 0) {
            text = "新規行";
        } else {
            text.Format("ID=%d %s", product,
                        m_doc->GetRow(product).lastChange.Format("%Y/%m/%d %H:%M:%S").GetString());
        }
        return 1;
    }
    const int product = RowOf(row);
    const int k = column - DataColumns();
    if (product < 0 || k < 0 || k >= m_doc->GetRow(product).photoCount) {
        return 0;
    }
    const int slot = m_doc->GetRow(product).photos[k];
    if (slot < 0 || slot >= kMaxPhotos || !m_doc->GetPhoto(slot).inUse) {
        return 0;
    }
    const CString& name = m_doc->GetPhoto(slot).name;
    if (inside) {
        text.Format("%s(%d)", name.GetString(), slot);
        return 1;
    }
    text = name;
    return text.IsEmpty() ? 0 : 1;
}

void CListGrid::FindNext()
{
    if (m_doc == nullptr) {
        return;
    }
    const int dataColumns = DataColumns();
    CListFinder finder(GetColCount(), GetRowCount(), [this, dataColumns](int column, int line) -> CString {
        if (column < dataColumns) {
            return GetCellText(column, line);
        }
        const int product = RowOf(line);
        const int k = column - dataColumns;
        if (product < 0 || k >= m_doc->GetRow(product).photoCount) {
            return CString();
        }
        const int slot = m_doc->GetRow(product).photos[k];
        return slot >= 0 && slot < kMaxPhotos ? m_doc->GetPhoto(slot).name : CString();
    });
    int column = -1;
    int line = -1;
    if (!finder.FindNext(m_doc->Host(), FindSettings(), m_doc->currentColumn, m_doc->currentRow, column,
                         line)) {
        return;
    }
    SetFocus();
    MoveToCell(-1, -1);
    DeselectAll();
    CurrentSheet()->selection.StartBlock(column, line);
    MoveToCell(column, line);
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
    for (int i = 0; i < paths.GetSize(); ++i) {
        if (!m_view.ImportOnePhoto(paths[i])) {
            return;
        }
    }
    // One file at a time walks down the folder, one photo per right click.
    if (paths.GetSize() == 1) {
        files->SelectNext();
    }
}
