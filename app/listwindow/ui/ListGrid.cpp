#include "app/listwindow/ui/ListGrid.h"

#include "app/editing/AutoInput.h"
#include "app/editing/ListGridTransfer.h"
#include "app/editing/ListRowEdits.h"
#include "app/editing/ui/RowDragSource.h"
#include "app/find/ListFinder.h"
#include "app/listwindow/ListGridLayout.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/settings/ConfigForm.h"
#include "app/settings/VersionInfo.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/BitmapEx.h"
#include "foundation/ui/ClipboardText.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/SystemServices.h"
#include "grid/GridEditWindow.h"
#include "grid/GridHitZones.h"
#include "grid/ui/GridCellArea.h"
#include "list/ListViewRules.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ClipData.h"
#include "list/ui/ClipSource.h"
#include "photo/batch/ui/SequencePhotoDlg.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/VirtualKeys.h"
#include "platform/ui/WxText.h"

#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <utility>

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
constexpr int ID_DELETE_ALL_ROWS = 32874;

// How near a line boundary a double click on the side heading counts as on it, in pixels.
constexpr int kPointerBoundary = 3;

} // namespace

CListGrid::CListGrid(CGridView& view) : m_view(view) {}

ListFindSettings& CListGrid::FindSettings()
{
    return wxGetApp().GetSearchState().settings;
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
    m_drag.EndDrag();
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
    if (m_drag.IsArmed() && FollowPress(event)) {
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

CListGrid::BlockZone CListGrid::ZoneAt(CPoint point)
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (CurrentSheet()->selection.GetBlockCount() > 2 || FirstSelectedBlock(left, top, right, bottom) != 0) {
        return BlockZone::None;
    }
    CRect block;
    GetRangeRect(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom),
                 block);
    switch (CGridHitZones::BlockZone(block, point)) {
    case CGridHitZones::Block::Corner:
        return BlockZone::FillHandle;
    case CGridHitZones::Block::Edge:
        return BlockZone::Edge;
    default:
        return BlockZone::None;
    }
}

void CListGrid::OnCellLButton(int column, int, int down, const CRect&, CPoint point, int processed)
{
    if (m_doc == nullptr || !down || processed || IsEditing() || CellArea() == nullptr) {
        return;
    }
    const BlockZone zone = ZoneAt(point);
    if (zone == BlockZone::None) {
        return;
    }
    // The press becomes a drag only once the pointer moves with the button held (FollowPress).
    const bool fill = zone == BlockZone::FillHandle && column >= 0 && column < DataColumns();
    const wxPoint screen = CellArea()->ClientToScreen(wxPoint(point.x, point.y));
    m_drag.Arm(fill ? CGridDragState::Press::Fill : CGridDragState::Press::Cells, screen.x, screen.y);
}

bool CListGrid::FollowPress(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP) {
        // A release first is a click; a new press arms afresh.
        m_drag.Disarm();
        return false;
    }
    if (type == wxEVT_KEY_DOWN && static_cast<wxKeyEvent&>(event).GetKeyCode() == WXK_ESCAPE) {
        m_drag.Disarm();
        // The rest of the press drags nothing and selects nothing.
        if (CellArea() != nullptr && CellArea()->HasCapture()) {
            CellArea()->ReleaseMouse();
        }
        return true;
    }
    if (type != wxEVT_MOTION) {
        return false;
    }
    const auto& mouse = static_cast<wxMouseEvent&>(event);
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (!mouse.LeftIsDown() || window == nullptr) {
        m_drag.Disarm();
        return false;
    }
    const wxPoint screen = window->ClientToScreen(mouse.GetPosition());
    const int reachX = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X), 2);
    const int reachY = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_Y), 2);
    switch (m_drag.MoveTo(screen.x, screen.y, reachX, reachY)) {
    case CGridDragState::Press::Fill:
        StartFillDrag();
        break;
    case CGridDragState::Press::Cells:
        StartDrag();
        break;
    default:
        break;
    }
    // While the press is held it moves the block, not the selection.
    return true;
}

void CListGrid::OnCellDblClick(int column, int row, const CRect&, CPoint point, int processed)
{
    if (processed || m_doc == nullptr) {
        return;
    }
    if (IsDataCell(column, row)) {
        if (ZoneAt(point) == BlockZone::FillHandle) {
            AutoInput(-1);
        } else {
            BeginEditAt(CurrentColumn(), CurrentRow(), 0);
        }
    } else if (column >= DataColumns() && row >= 0) {
        if (Host().IsKeyHeld(VK_CONTROL)) {
            m_view.EditPhoto();
        } else {
            m_view.ShowPhotoProperties();
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
        CallAfter([path = m_doc->GetPathName()] { CZantobyApp::LogListShown(path); });
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
    switch (section) {
    case GridSection::CellArea:
        if (IsEditing() || column < 0 || row < 0 || column >= GetColCount() || row >= GetRowCount()) {
            return 0;
        }
        AddMenuItem(menu, ID_CUT, "切り取り", true);
        AddMenuItem(menu, ID_COPY, "コピー", true);
        AddMenuItem(menu, ID_PASTE, "貼り付け", true);
        if (column < DataColumns()) {
            menu.AppendSeparator();
            AddMenuItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_AUTO_INPUT, "自動入力", IsSingleRange());
        } else {
            const bool writable = !m_doc->readOnly;
            const bool photo = CListRowEdits(*m_doc).PhotoAt(column, row) >= 0;
            AddMenuItem(menu, ID_PASTE_REFERENCE, "参照貼り付け", true);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_COPY_PHOTO_NAME, "写真ファイル名をコピー", photo);
            menu.AppendSeparator();
            AddMenuItem(menu, ID_IMPORT_PHOTO, "新規写真を追加", writable);
            AddMenuItem(menu, ID_PHOTO_PROPERTIES, "ﾌﾟﾛﾊﾟﾃｨを表示", photo && CPhotoPropertiesHook::IsSet());
            AddMenuItem(menu, ID_EDIT_PHOTO, "写真を編集", photo);
            AddMenuItem(menu, ID_ROTATE_RIGHT, "右回転", photo && writable);
            AddMenuItem(menu, ID_ROTATE_LEFT, "左回転", photo && writable);
            AddMenuItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
        }
        menu.AppendSeparator();
        AddMenuItem(menu, ID_FIND, "検索", true);
        return 1;
    case GridSection::TopHeading:
        if (column < 0 || column >= DataColumns()) {
            return 0;
        }
        AddMenuItem(menu, ID_SORT_ASCENDING, "昇順並替", true);
        AddMenuItem(menu, ID_SORT_DESCENDING, "降順並替", true);
        menu.AppendSeparator();
        AddMenuItem(menu, ID_COLUMN_INFO, "項目情報を設定", true);
        return 1;
    case GridSection::SideHeading:
        if (row < 0 || row >= GetRowCount()) {
            return 0;
        }
        AddMenuItem(menu, ID_INSERT_LINE, "行挿入", m_doc->displayCount < kMaxDisplayRows);
        AddMenuItem(menu, ID_DUPLICATE_ROW, "行複写", RowOf(row) >= 0);
        AddMenuItem(menu, ID_DELETE_ROWS, "行削除", true);
        menu.AppendSeparator();
        AddMenuItem(menu, ID_AUTO_HEIGHT, "行の高さを自動調整", true);
        return 1;
    case GridSection::Corner:
        AddMenuItem(menu, ID_COLUMN_INFO, "ﾘｽﾄ情報を設定", true);
        AddMenuItem(menu, ID_DELETE_ROWS, "表示中の全ﾃﾞｰﾀを削除", GetRowCount() > 0);
        AddMenuItem(menu, ID_SORT_SETTINGS, "並替設定", true);
        AddMenuItem(menu, ID_AUTO_HEIGHT_ALL, "全行の高さを自動調整", true);
        return 1;
    default:
        return 0;
    }
}

void CListGrid::OnPopupCommand(int column, int row, int section, unsigned int id)
{
    if (m_doc == nullptr) {
        return;
    }
    switch (section) {
    case GridSection::TopHeading:
        if (id == ID_COLUMN_INFO) {
            m_doc->EditColumnInfo(column);
        } else {
            m_doc->SortByColumn(column, id == ID_SORT_DESCENDING);
        }
        return;
    case GridSection::Corner:
        if (id == ID_COLUMN_INFO) {
            m_doc->OnListInfo();
        } else if (id == ID_SORT_SETTINGS) {
            m_doc->OnSortSettings();
        } else {
            // Here the menu's delete stands for every row shown.
            m_view.RunCommand(id == ID_DELETE_ROWS ? ID_DELETE_ALL_ROWS : static_cast<int>(id));
        }
        return;
    case GridSection::SideHeading:
        MoveToRow(row);
        m_view.RunCommand(static_cast<int>(id));
        return;
    default:
        if (id == ID_FIND) {
            m_doc->OnFind();
        } else {
            m_view.RunCommand(static_cast<int>(id));
        }
        return;
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
        block = m_drag.FillBlock();
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

CZantobyDoc* CListGrid::ListByPath(const CString& path) const
{
    if (path.IsEmpty() || wxGetApp().GetDocManager() == nullptr) {
        return nullptr;
    }
    wxDocument* found = CDocumentLookup::FindDocumentByPath(*wxGetApp().GetDocManager(), path);
    auto* list = dynamic_cast<CListDocument*>(found);
    return list != nullptr ? &list->List() : nullptr;
}

bool CListGrid::FillClipSource(CClipSource& source)
{
    if (m_doc == nullptr) {
        return false;
    }
    const std::vector<CListGridEdits::Block> blocks = SelectedBlocks();
    CListGridTransfer transfer(*m_doc);
    if (!transfer.FillTable(blocks, source.Table())) {
        return false;
    }
    source.CacheFormat(COleDataObject::Format::Private);
    if (const int photo = transfer.SinglePhoto(blocks); photo >= 0) {
        CBitmapEx image;
        if (image.LoadJpeg(m_doc->GetMiddlePhotoPath(photo))) {
            source.CacheDib(image);
        }
    }
    source.CacheFormat(COleDataObject::Format::Files);
    if (blocks[0].left < DataColumns()) {
        source.CacheFormat(COleDataObject::Format::Text);
    }
    return true;
}

int CListGrid::Copy()
{
    if (m_doc == nullptr) {
        return 1;
    }
    if (IsEditing()) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(GetEditWindow())) {
            edit->Copy();
        }
        return 0;
    }
    try {
        auto* source = new CClipSource(m_doc->Host());
        if (!FillClipSource(*source)) {
            delete source;
            return 1;
        }
        return CClipSource::PutOnClipboard(source) ? 0 : 1;
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
        return 1;
    }
}

int CListGrid::Cut()
{
    if (m_doc == nullptr) {
        return 1;
    }
    // In an open edit only its selection is copied; the text stays.
    if (IsEditing()) {
        return Copy();
    }
    const int result = Copy();
    if (result == 0) {
        ClearSelection();
    }
    RepaintGrid();
    return result;
}

int CListGrid::Paste(bool byReference)
{
    if (m_doc == nullptr) {
        return 1;
    }
    if (IsEditing()) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(GetEditWindow())) {
            edit->Paste();
        }
        return 0;
    }
    if (!PasteCells(nullptr, CurrentColumn(), CurrentRow(),
                    byReference ? CListGridTransfer::kReference : CListGridTransfer::kCopy)) {
        return 1;
    }
    m_doc->UpdateAllViews(&m_view, kHintRowsEdited);
    return 0;
}

void CListGrid::CopyPhotoFileName()
{
    if (m_doc == nullptr) {
        return;
    }
    if (const int photo = CListRowEdits(*m_doc).PhotoAt(CurrentColumn(), CurrentRow()); photo >= 0) {
        CClipboardText::CopyToClipboard(m_doc->GetMiddlePhotoPath(photo));
    }
}

bool CListGrid::PasteCells(const COleDataObject* data, int column, int line, int mode)
{
    if (m_doc == nullptr || column < 0 || column >= DataColumns() + m_doc->photoColumns || line < 0 ||
        line >= GetRowCount() || line >= m_doc->displayCount) {
        return false;
    }
    CClipData clip(m_doc->Host());
    if (!clip.Read(data) || !AcceptsReplacedCharacters(clip.GetLostCharacters())) {
        return false;
    }
    CListGridTransfer transfer(*m_doc);
    CListGridTransfer::Result result;
    CString picture;
    try {
        const CClipTable& table = clip.Table();
        Bitmap image;
        if (table.GetRowCount() > 0) {
            if (mode == CListGridTransfer::kMove) {
                ClearSelection();
            }
            result = transfer.PasteTable(table, ListByPath(table.sourcePath), column, line, mode);
        } else if (clip.GetDib(image)) {
            // A picture from another program goes in as a photo through a JPEG of its own.
            picture = m_doc->tempFolder + "zantoby.jpg";
            CBitmapEx jpeg;
            static_cast<Bitmap&>(jpeg) = image;
            if (jpeg.SaveJpeg(picture, 100)) {
                CStringArray files;
                files.Add(picture);
                result = transfer.PasteFiles(files, column, line);
            }
        } else if (table.GetFileCount() > 0) {
            CStringArray files;
            for (int i = 0; i < table.GetFileCount(); ++i) {
                files.Add(clip.GetFileName(i));
            }
            result = transfer.PasteFiles(files, column, line);
        }
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
    }
    if (!picture.IsEmpty()) {
        std::error_code ignored;
        std::filesystem::remove(FileSystem::ToNative(picture), ignored);
    }
    if (result.photoColumnsGrew) {
        SyncPhotoColumns();
    }
    RefillLines(result.lines);
    transfer.ReportLeftOut(result);
    return true;
}

bool CListGrid::AcceptsReplacedCharacters(const CString& lost)
{
    if (lost.IsEmpty()) {
        return true;
    }
    CString message;
    message.Format("貼り付ける文字に、このプログラムでは扱えない文字（%s）があります。\n"
                   "これらの文字を「?」に置き換えて貼り付けますか？",
                   lost.GetString());
    return ShowMessageBox(message, CString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

int CListGrid::StartDrag()
{
    if (m_doc == nullptr) {
        return CGridDragState::kNone;
    }
    if (HasCapture()) {
        ReleaseMouse();
    }
    if (CellArea() != nullptr && CellArea()->HasCapture()) {
        CellArea()->ReleaseMouse();
    }
    int effect = CGridDragState::kNone;
    try {
        CClipSource source(m_doc->Host());
        if (!FillClipSource(source)) {
            return effect;
        }
        m_drag.BeginOwnDrag(source.Table().GetColumnCount(), source.Table().GetRowCount());
        m_frameShown = false;
        wxDropSource drag(source, CellArea());
        const wxDragResult result = drag.DoDragDrop(wxDrag_AllowMove);
        effect = result == wxDragMove   ? CGridDragState::kMove
                 : result == wxDragCopy ? CGridDragState::kCopy
                                        : CGridDragState::kNone;
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
    }
    m_drag.EndDrag();
    return effect;
}

void CListGrid::StartFillDrag()
{
    const std::vector<CListGridEdits::Block> blocks = SelectedBlocks();
    if (m_doc == nullptr || blocks.size() != 1) {
        return;
    }
    if (CellArea() != nullptr && CellArea()->HasCapture()) {
        CellArea()->ReleaseMouse();
    }
    m_drag.BeginFillDrag(blocks[0]);
    // The drag carries nothing of its own: only this grid acts on it.
    wxTextDataObject nothing(wxT(" "));
    CRowDragSource drag(nothing, CellArea());
    drag.SetDragCursor(BlockCornerCursor());
    drag.DoDragDrop(wxDrag_DefaultMove);
    m_drag.EndDrag();
    DrawRangeFrame(-1, -1, -1, -1);
}

int CListGrid::OnDragEnter(COleDataObject*)
{
    m_drag.Enter();
    m_frameShown = false;
    return m_drag.IsFromHere() ? CGridDragState::kMove : CGridDragState::kCopy;
}

void CListGrid::OnDragLeave()
{
    if (m_frameShown) {
        DrawRangeFrame(-1, -1, -1, -1);
        m_frameShown = false;
    }
}

int CListGrid::OnDragOver(COleDataObject*, int column, int row)
{
    const bool inGrid = column >= 0 && row >= 0 && column < GetColCount() && row < GetRowCount();
    CGridDragState::Block frame{};
    const int effect =
        m_drag.Over(column, row, inGrid, Host().IsKeyHeld(VK_CONTROL), Host().IsKeyHeld(VK_ESCAPE), frame);
    DrawRangeFrame(frame.left, frame.top, std::min(frame.right, GetColCount() - 1),
                   std::min(frame.bottom, GetRowCount() - 1));
    m_frameShown = frame.left >= 0;
    return effect;
}

int CListGrid::OnDrop(COleDataObject* data, int column, int row)
{
    OnDragLeave();
    if (m_doc == nullptr) {
        return CGridDragState::kNone;
    }
    const bool inGrid = column >= 0 && row >= 0 && column < GetColCount() && row < GetRowCount();
    const std::vector<CListGridEdits::Block> blocks = SelectedBlocks();
    const CListGridEdits::Block selection =
        blocks.empty() ? CListGridEdits::Block{-1, -1, -1, -1} : blocks[0];
    int effect = CGridDragState::kNone;
    switch (m_drag.Drop(column, row, inGrid, Host().IsKeyHeld(VK_CONTROL), Host().IsKeyHeld(VK_ESCAPE),
                        selection, effect)) {
    case CGridDragState::DropAction::Fill:
        AutoInput(row);
        return CGridDragState::kNone;
    case CGridDragState::DropAction::Refuse:
        wxBell();
        return CGridDragState::kNone;
    case CGridDragState::DropAction::Paste: {
        const bool moved = effect == CGridDragState::kMove && m_drag.IsFromHere();
        const CGridDragState::Block landing = m_drag.Landing(column, row);
        const bool pasted = PasteCells(data, column, row, effect);
        if (moved && pasted) {
            // The moved cells stay selected where they now are; their old place is empty.
            MoveToCell(landing.left, landing.top);
            DeselectAll();
            SelectBlock(landing.left, landing.top, std::min(landing.right, GetColCount() - 1),
                        std::min(landing.bottom, GetRowCount() - 1));
        }
        RepaintGrid();
        m_drag.EndDrag();
        m_doc->UpdateAllViews(&m_view, kHintRowsEdited);
        return pasted ? effect : CGridDragState::kNone;
    }
    default:
        return CGridDragState::kNone;
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
    if (!m_view.ImportPhotos(paths)) {
        return;
    }
    // One file at a time walks down the folder, one photo per right click.
    if (paths.GetSize() == 1) {
        files->SelectNext();
    }
}
