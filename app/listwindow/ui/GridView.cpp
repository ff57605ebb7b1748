#include "app/listwindow/ui/GridView.h"

#include "app/editing/ListGridEdits.h"
#include "app/editing/ListGridTransfer.h"
#include "app/editing/ListRowEdits.h"
#include "app/editing/ui/DeleteCellDlg.h"
#include "app/editing/ui/InsertCellDlg.h"
#include "app/find/ui/JumpToDlg.h"
#include "app/frame/ui/MainFrame.h"
#include "app/frame/ui/ZantobyFrame.h"
#include "app/listwindow/ListGridLayout.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/listwindow/ui/PhotoView.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/ListPrintRunner.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ProgressPace.h"
#include "list/ListLifecycle.h"
#include "list/ListViewRules.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/ui/InsertPhotoDlg.h"
#include "photo/batch/ui/OutputPhotoDlg.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/UpdateUiCheck.h"

#include <wx/splitter.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

wxIMPLEMENT_DYNAMIC_CLASS(CGridView, wxView);

namespace {

constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_EDIT_AT_CURSOR = 32889;
constexpr int ID_TEXT_COLOR_FIRST = 32912;
constexpr int ID_TEXT_COLOR_LAST = 32920;
constexpr int ID_BACK_COLOR_FIRST = 32921;
constexpr int ID_BACK_COLOR_LAST = 32929;
constexpr int ID_TEXT_COLOR_CURRENT = 32895;
constexpr int ID_BACK_COLOR_CURRENT = 32894;
constexpr int ID_FIRST_LINE = 32879;
constexpr int ID_LAST_LINE = 32880;
constexpr int ID_JUMP_TO_LINE = 32881;
constexpr int ID_GO_BACK = 32882;
constexpr int ID_SORT_ASCENDING = 32803;
constexpr int ID_SORT_DESCENDING = 32804;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_CUT = 57635;
constexpr int ID_COPY = 57634;
constexpr int ID_PASTE = 57637;
constexpr int ID_PASTE_REFERENCE = 57638;
constexpr int ID_COPY_PHOTO_NAME = 57645;
constexpr int ID_AUTO_INPUT = 32933;
constexpr int ID_INSERT_LINE = 32774;
constexpr int ID_DUPLICATE_ROW = 32776;
constexpr int ID_DELETE_ROWS = 32777;
constexpr int ID_DELETE_ALL_ROWS = 32874;
constexpr int ID_AUTO_HEIGHT = 32930;
constexpr int ID_AUTO_HEIGHT_ALL = 32931;
constexpr int ID_INSERT_CELLS = 33078;
constexpr int ID_DELETE_CELLS = 33079;
constexpr int ID_IMPORT_PHOTO = 32891;
constexpr int ID_DELETE_PHOTO = 32892;
constexpr int ID_PHOTO_PROPERTIES = 32967;
constexpr int ID_EDIT_PHOTO = 32873;
constexpr int ID_ROTATE_RIGHT = 33073;
constexpr int ID_ROTATE_LEFT = 33074;
constexpr int ID_PHOTO_OUTPUT = 32877;
// A photo taken in is followed by a short pause for the events that wait.
constexpr int kImportPumpMs = 100;
// The preview opens this long after hint 9, once the command that sent it has ended.
constexpr int kPreviewDelayMs = 300;

// The nine colours of the colour commands, in menu order.
constexpr COLORREF kColors[9] = {kDefaultColor, 0x000000, 0x0000FF, 0x008000, 0x00FFFF,
                                 0xFF0000,      0xFF00FF, 0xFFFF00, 0xFFFFFF};

// The window of a list built from a pseudo path shows once the list is built, in front.
void ShowBuiltList(CZantobyFrame* frame)
{
    if (frame != nullptr && !frame->IsShown()) {
        frame->Show();
        frame->Maximize();
        frame->Activate();
    }
}

} // namespace

bool CGridView::OnCreate(wxDocument* doc, long)
{
    auto* list = dynamic_cast<CListDocument*>(doc);
    if (list == nullptr) {
        return false;
    }
    m_list = &list->List();
    auto* frame = new CZantobyFrame(doc, this, wxGetApp().GetMainFrame());
    if (!frame->CreateClient(*this)) {
        frame->Destroy();
        return false;
    }
    SetFrame(frame);
    m_list->AddView(this);
    m_list->AddView(m_photoView);
    Bind(wxEVT_MENU, &CGridView::OnCommandUndo, this, ID_EDIT_UNDO);
    Bind(wxEVT_MENU, &CGridView::OnCommandRedo, this, ID_EDIT_REDO);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateUndo, this, ID_EDIT_UNDO);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateRedo, this, ID_EDIT_REDO);
    Bind(wxEVT_MENU, &CGridView::OnEditAtCursor, this, ID_EDIT_AT_CURSOR);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateEditAtCursor, this, ID_EDIT_AT_CURSOR);
    Bind(wxEVT_MENU, &CGridView::OnTextColor, this, ID_TEXT_COLOR_FIRST, ID_TEXT_COLOR_LAST);
    Bind(wxEVT_MENU, &CGridView::OnTextColor, this, ID_TEXT_COLOR_CURRENT);
    Bind(wxEVT_MENU, &CGridView::OnBackColor, this, ID_BACK_COLOR_FIRST, ID_BACK_COLOR_LAST);
    Bind(wxEVT_MENU, &CGridView::OnBackColor, this, ID_BACK_COLOR_CURRENT);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateColor, this, ID_TEXT_COLOR_FIRST, ID_BACK_COLOR_LAST);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateColor, this, ID_TEXT_COLOR_CURRENT);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateColor, this, ID_BACK_COLOR_CURRENT);
    Bind(wxEVT_MENU, &CGridView::OnNavigate, this, ID_FIRST_LINE, ID_JUMP_TO_LINE);
    Bind(wxEVT_MENU, &CGridView::OnNavigate, this, ID_GO_BACK);
    Bind(wxEVT_MENU, &CGridView::OnSort, this, ID_SORT_ASCENDING, ID_SORT_DESCENDING);
    Bind(wxEVT_MENU, &CGridView::OnListToolbar, this, ID_VIEW_TOOLBAR);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateListToolbar, this, ID_VIEW_TOOLBAR);
    for (int id : {ID_CUT, ID_COPY, ID_PASTE, ID_PASTE_REFERENCE, ID_COPY_PHOTO_NAME}) {
        Bind(wxEVT_MENU, &CGridView::OnClipboard, this, id);
    }
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdatePhotoCell, this, ID_PASTE_REFERENCE);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdatePhotoCell, this, ID_COPY_PHOTO_NAME);
    Bind(wxEVT_MENU, &CGridView::OnAutoInput, this, ID_AUTO_INPUT);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateAutoInput, this, ID_AUTO_INPUT);
    for (int id : {ID_INSERT_LINE, ID_DUPLICATE_ROW, ID_DELETE_ROWS, ID_DELETE_ALL_ROWS, ID_AUTO_HEIGHT,
                   ID_AUTO_HEIGHT_ALL}) {
        Bind(wxEVT_MENU, &CGridView::OnRowCommand, this, id);
        Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateRowCommand, this, id);
    }
    Bind(wxEVT_MENU, &CGridView::OnCellDialog, this, ID_INSERT_CELLS, ID_DELETE_CELLS);
    Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdateCellDialog, this, ID_INSERT_CELLS, ID_DELETE_CELLS);
    for (int id : {ID_IMPORT_PHOTO, ID_DELETE_PHOTO, ID_PHOTO_PROPERTIES, ID_EDIT_PHOTO, ID_ROTATE_RIGHT,
                   ID_ROTATE_LEFT, ID_PHOTO_OUTPUT}) {
        Bind(wxEVT_MENU, &CGridView::OnPhotoCommand, this, id);
        Bind(wxEVT_UPDATE_UI, &CGridView::OnUpdatePhotoCommand, this, id);
    }
    Bind(wxEVT_TIMER, &CGridView::OnPreviewTimer, this, m_previewTimer.GetId());
    // A list built from a pseudo path (the organiser's, a template's) shows once it is built:
    // the organiser's dialog comes first, and the pseudo path is no name for a tab.
    const wxString path = doc->GetFilename();
    if (path == CListLifecycle::kAutoPhotoPath || path.StartsWith(CListLifecycle::kTemplatePrefix)) {
        frame->Hide();
        // GTK's notebook would bring the page it was just given to the front on the next idle
        // pass; a hidden page cannot come, and the window in front would take its menus again.
        wxGetApp().GetMainFrame()->m_justInserted = false;
    } else {
        frame->Show();
        frame->Maximize();
    }
    return true;
}

void CGridView::AttachPanes(CListGrid* grid, CPhotoView* photoView)
{
    m_grid = grid;
    m_photoView = photoView;
}

CZantobyFrame* CGridView::ListFrame() const
{
    return dynamic_cast<CZantobyFrame*>(GetFrame());
}

bool CGridView::OnClose(bool deleteWindow)
{
    if (!wxView::OnClose(deleteWindow)) {
        return false;
    }
    Activate(false);
    if (m_list != nullptr) {
        m_list->RemoveView(this);
        m_list->RemoveView(m_photoView);
        m_list = nullptr;
    }
    if (m_grid != nullptr) {
        m_grid->DropDocument();
    }
    // The position of a list that is gone; a list still open shows its own when activated.
    wxGetApp().ShowRowPosition(-1, 0);
    if (deleteWindow && GetFrame() != nullptr) {
        GetFrame()->Destroy();
        SetFrame(nullptr);
    }
    return true;
}

void CGridView::OnActivateView(bool activate, wxView* activeView, wxView* deactiveView)
{
    if (m_grid != nullptr) {
        m_grid->IgnoreActivationClick();
    }
    if (activate) {
        wxGetApp().RefreshListFrames(1);
        if (m_list != nullptr && m_grid != nullptr) {
            wxGetApp().ShowRowPosition(m_list->currentRow, m_grid->GetRowCount());
        }
    }
    wxView::OnActivateView(activate, activeView, deactiveView);
}

void CGridView::OnChangeFilename()
{
    if (CZantobyFrame* frame = ListFrame()) {
        frame->UpdateTitle();
    }
}

void CGridView::InitialUpdate()
{
    ShowBuiltList(ListFrame());
    BuildGridColumns();
    SetSplitterPos();
    RefreshGrid();
    if (m_grid != nullptr && m_grid->GetRowCount() > 0 && m_grid->GetColCount() > 0) {
        m_grid->MoveToCell(std::clamp(m_list->currentColumn, 0, m_grid->GetColCount() - 1),
                           std::clamp(m_list->currentRow, 0, m_grid->GetRowCount() - 1));
    }
    // The list's window takes the keyboard as it opens: typing goes into the current cell at once.
    // The cell kept for the first focus is current already; the keyboard may come only after the
    // user, or a command, has moved on from it.
    if (m_grid != nullptr) {
        m_list->focusColumn = -1;
        m_list->focusRow = -1;
        m_grid->SetFocus();
    }
    // A list chosen in a dialog opens once the dialog has gone, when the desktop may have given the
    // keyboard to another window, such as the tutorial's: the main window takes it back.
    if (CMainFrame* main = wxGetApp().GetMainFrame(); main != nullptr && main->IsShown()) {
        main->Raise();
    }
}

void CGridView::OnUpdate(int hint, const ListHintArg* arg)
{
    if (m_grid == nullptr || m_list == nullptr) {
        return;
    }
    switch (hint) {
    case kHintRebuildAll:
        m_grid->OnSetup();
        [[fallthrough]];
    case kHintColumnsAndRows:
        BuildGridColumns();
        [[fallthrough]];
    case kHintAllRows:
        // Its own state only: a modal dialog disables the whole frame.
        if (m_grid->IsThisEnabled()) {
            RefreshGrid();
        } else {
            m_owedWhileDisabled = Owed::AllLines;
        }
        break;
    case kHintPhotoChanged:
        if (arg != nullptr) {
            m_grid->ReloadThumbnail(arg->photo);
        }
        break;
    case kHintRowsAppended:
        if (m_grid->IsThisEnabled()) {
            m_grid->UpdateRowCount();
        } else {
            m_owedWhileDisabled = std::max(m_owedWhileDisabled, Owed::RowCount);
        }
        break;
    case kHintGoToPosition:
        if (arg != nullptr) {
            GoToPosition(arg->column, arg->row);
        }
        break;
    case kHintPrint:
        StartPrinting();
        break;
    case kHintFind:
        m_grid->FindNext();
        break;
    case kHintMouseWheel:
        if (arg != nullptr && m_grid->GetScreenRect().Contains(wxPoint(arg->pointerX, arg->pointerY))) {
            m_grid->ScrollRows(arg->wheelRotation > 0 ? MoveKind::Back : MoveKind::Forward);
        }
        break;
    case kHintDisableGrid:
        m_grid->Enable(false);
        break;
    case kHintEnableGrid:
        m_grid->Enable(true);
        switch (std::exchange(m_owedWhileDisabled, Owed::Nothing)) {
        case Owed::AllLines:
            RefreshGrid();
            break;
        case Owed::RowCount:
            m_grid->UpdateRowCount();
            break;
        case Owed::Nothing:
            break;
        }
        break;
    case kHintSetSplitter:
        SetSplitterPos();
        break;
    case kHintStoreSplitter:
        SaveSplitterPos();
        break;
    case kHintReset:
        m_grid->DropDocument();
        m_grid->ResetGrid();
        m_list->RemoveView(this);
        m_list->RemoveView(m_photoView);
        m_list = nullptr;
        break;
    default:
        break;
    }
}

void CGridView::GoToPosition(int column, int line)
{
    if (m_grid->IsEditing()) {
        m_grid->CancelEdit();
    }
    RefreshGrid();
    m_grid->MoveToCell(-1, -1);
    m_grid->DeselectAll();
    if (m_grid->GetColCount() > 0 && m_grid->GetRowCount() > 0) {
        m_grid->MoveToCell(std::clamp(column, 0, m_grid->GetColCount() - 1),
                           std::clamp(line, 0, m_grid->GetRowCount() - 1));
    }
    m_list->UpdateAllViews(this, kHintRowsEdited);
}

void CGridView::BuildGridColumns()
{
    CListGrid& grid = *m_grid;
    grid.MeasureFont();
    const int lineHeight = grid.LineHeight();
    const CListGridLayout layout(*m_list, grid.CharWidth());
    const int headingRows = layout.HeadingRows();
    grid.ResetGrid();
    grid.SetColumnWidth(-1, lineHeight + CListGrid::kRowMargin);
    grid.SetUniformRowSize(lineHeight + CListGrid::kRowMargin);
    grid.EnableUniformRowHeight(0);
    grid.SetTopHeadingRowCount(headingRows);
    grid.SetTopHeadingHeight(headingRows * (lineHeight + CListGrid::kRowMargin));
    for (int row = -headingRows; row < 0; ++row) {
        grid.SetTopHeadingRowHeight(row, lineHeight + CListGrid::kRowMargin);
    }
    const auto& columns = layout.Columns();
    grid.SetColCount(static_cast<int>(columns.size()));
    grid.SetLockedColCount(std::clamp(m_list->lockedColumns, 0, static_cast<int>(columns.size())));
    for (int j = 0; j < static_cast<int>(columns.size()); ++j) {
        const CListGridLayout::Column& column = columns[j];
        grid.SetColumnWidth(j, column.width);
        CCellRecord cell;
        if (column.align != 0) {
            cell.SetAlignFlags(static_cast<unsigned short>(column.align));
        }
        cell.SetTypeIndex(column.typeIndex);
        if (column.typeStyle != 0) {
            cell.SetTypeStyle(column.typeStyle);
        }
        if (!column.labels.IsEmpty()) {
            cell.SetLabelString(column.labels);
        }
        grid.SetColDefaultCell(j, cell);
        if (headingRows == 2) {
            grid.SetCellText(j, -2, column.upper);
            grid.SetCellText(j, -1, column.lower);
        } else {
            grid.SetCellText(j, -1, column.upper);
        }
    }
    for (const CListGridLayout::Join& join : layout.Joins()) {
        grid.MergeCellRange(join.left, join.top, join.right, join.bottom);
    }
}

void CGridView::RefreshGrid()
{
    if (m_grid == nullptr || m_list == nullptr) {
        return;
    }
    CZantobyApp& app = wxGetApp();
    {
        wxWindowUpdateLocker lock(m_grid);
        m_grid->SetPaintEnabled(0);
        m_grid->SetRowCount(m_list->displayCount, 0);
        CProgressPace pace;
        const std::vector<int> wrapped = WrappedColumns();
        for (int line = 0; line < m_list->displayCount; ++line) {
            if (line % 100 == 0 && pace.IsDue()) {
                CString progress;
                progress.Format("一覧を表示中(%d)", line);
                app.SetProgressText(progress);
            }
            FillGridRow(line, false, wrapped);
        }
        m_grid->SetPaintEnabled(1);
    }
    m_grid->RepaintGrid();
    app.ShowRowPosition(m_list->currentRow, m_grid->GetRowCount());
    m_list->UpdateAllViews(this, kHintRowsEdited);
    app.ClearProgressText();
    m_grid->goBackLine = -1;
}

std::vector<int> CGridView::WrappedColumns() const
{
    std::vector<int> wrapped;
    const int columns = std::min(m_list->columnCount, m_grid->GetColCount());
    for (int column = 0; column < columns; ++column) {
        const ColumnRecord& definition = m_list->GetColumn(column);
        if (definition.type == kTypeText && definition.multiLine) {
            wrapped.push_back(column);
        }
    }
    return wrapped;
}

void CGridView::FillGridRow(int line, bool redraw)
{
    FillGridRow(line, redraw, WrappedColumns());
}

void CGridView::FillGridRow(int line, bool redraw, const std::vector<int>& wrapped)
{
    CListGrid& grid = *m_grid;
    // The grid reads the line's cells from the document; only its height is the grid's own.
    grid.Cells().ForgetLine(line);
    const int row = line >= 0 && line < m_list->displayCount ? m_list->displayOrder[line] : -1;
    if (row < 0 || row >= kMaxRows || !m_list->GetRow(row).inUse) {
        grid.SetRowSize(line, -1);
    } else if (const ProductRecord& record = m_list->GetRow(row); record.autoHeight) {
        AutoRowHeight(line, false, wrapped);
    } else {
        grid.SetRowSize(line, std::max(record.rowHeight, 8));
    }
    if (redraw) {
        grid.RepaintRow(line);
    }
}

void CGridView::AutoRowHeight(int line, bool force)
{
    AutoRowHeight(line, force, WrappedColumns());
}

void CGridView::AutoRowHeight(int line, bool force, const std::vector<int>& wrapped)
{
    CListGrid& grid = *m_grid;
    const int row = line >= 0 && line < m_list->displayCount ? m_list->displayOrder[line] : -1;
    if (row < 0 || row >= kMaxRows || !m_list->GetRow(row).inUse) {
        grid.SetRowSize(line, -1);
        return;
    }
    ProductRecord& record = m_list->GetRow(row);
    if (force) {
        record.autoHeight = true;
    }
    if (!record.autoHeight) {
        grid.SetRowSize(line, -1);
        return;
    }
    int height = grid.LineHeight();
    const int thumbnail = m_list->photoSizes.thumbnailSize;
    std::unique_ptr<Canvas> measure;
    for (int column : wrapped) {
        const ColumnRecord& definition = m_list->GetColumn(column);
        const CString text = m_list->GetCellText(column, definition.slot, row, kOutputGrid);
        if (text.IsEmpty()) {
            continue;
        }
        CRect rect;
        if (!grid.GetCellEditRect(column, line, rect)) {
            rect = CRect(0, 0, grid.GetColumnWidth(column), 0);
        }
        if (!measure) {
            measure = std::make_unique<Canvas>();
            measure->SelectFont(grid.Font());
        }
        CRect calc(0, 0, rect.Width(), 0);
        measure->DrawText(text, calc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        height = std::max(height, static_cast<int>(calc.Height()));
    }
    if (record.photoCount > 0) {
        height = std::max(height, thumbnail);
    }
    height = std::min(height, thumbnail * 5) + CListGrid::kRowMargin;
    record.rowHeight = height;
    grid.SetRowSize(line, height);
}

void CGridView::SetSplitterPos()
{
    CZantobyFrame* frame = ListFrame();
    if (frame == nullptr || m_list == nullptr) {
        return;
    }
    frame->SetGridPaneHeight(
        CListViewRules::GridPaneHeight(m_list->splitterPosition, m_list->photoSizes.standardSize));
}

void CGridView::SaveSplitterPos()
{
    CZantobyFrame* frame = ListFrame();
    if (frame == nullptr || m_list == nullptr) {
        return;
    }
    m_list->splitterPosition = frame->GetGridPaneHeight();
}

template <typename Action> void CGridView::Guarded(int line, Action action)
{
    try {
        action();
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "GridView", line);
    }
}

void CGridView::OnCommandUndo(wxCommandEvent&)
{
    Guarded(__LINE__, [this] {
        if (m_list != nullptr) {
            m_list->OnUndo();
        }
    });
}

void CGridView::OnCommandRedo(wxCommandEvent&)
{
    Guarded(__LINE__, [this] {
        if (m_list != nullptr) {
            m_list->OnRedo();
        }
    });
}

void CGridView::OnUpdateUndo(wxUpdateUIEvent& event)
{
    event.Enable(m_list != nullptr && m_list->CanUndo());
}

void CGridView::OnUpdateRedo(wxUpdateUIEvent& event)
{
    event.Enable(m_list != nullptr && m_list->CanRedo());
}

void CGridView::OnEditAtCursor(wxCommandEvent&)
{
    if (m_grid != nullptr && m_list != nullptr) {
        m_grid->BeginEditAt(m_grid->CurrentColumn(), m_grid->CurrentRow(), 0);
    }
}

void CGridView::OnUpdateEditAtCursor(wxUpdateUIEvent& event)
{
    event.Enable(m_list != nullptr && m_grid != nullptr && m_grid->CurrentColumn() >= 0 &&
                 m_grid->CurrentColumn() < m_list->columnCount && m_grid->CurrentRow() >= 0 &&
                 m_grid->CurrentRow() < m_grid->GetRowCount());
}

void CGridView::ApplyColor(COLORREF color, bool back)
{
    if (m_list == nullptr || m_grid == nullptr) {
        return;
    }
    CListGridEdits edits(*m_list);
    std::vector<int> lines;
    for (const CListGridEdits::Cell& cell : edits.ApplyColor(m_grid->SelectedBlocks(), color, back)) {
        if (lines.empty() || lines.back() != cell.line) {
            lines.push_back(cell.line);
        }
    }
    m_grid->RefillLines(lines);
}

void CGridView::OnTextColor(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        CZantobyApp& app = wxGetApp();
        if (event.GetId() != ID_TEXT_COLOR_CURRENT) {
            app.SetGridTextColor(kColors[event.GetId() - ID_TEXT_COLOR_FIRST]);
        }
        ApplyColor(app.GetGridTextColor(), false);
    });
}

void CGridView::OnBackColor(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        CZantobyApp& app = wxGetApp();
        if (event.GetId() != ID_BACK_COLOR_CURRENT) {
            app.SetGridBackColor(kColors[event.GetId() - ID_BACK_COLOR_FIRST]);
        }
        ApplyColor(app.GetGridBackColor(), true);
    });
}

void CGridView::OnUpdateColor(wxUpdateUIEvent& event)
{
    const int id = event.GetId();
    if (id == ID_TEXT_COLOR_CURRENT || id == ID_BACK_COLOR_CURRENT) {
        event.Enable(m_list != nullptr && m_grid != nullptr && m_grid->CurrentColumn() >= 0 &&
                     m_grid->CurrentColumn() < m_list->columnCount && m_grid->CurrentRow() >= 0 &&
                     m_grid->CurrentRow() < m_list->displayCount &&
                     m_list->displayOrder[m_grid->CurrentRow()] >= 0);
        return;
    }
    // The toolbar's drop-down shows the colours as pictures, which carry no check mark.
    CZantobyApp& app = wxGetApp();
    if (id <= ID_TEXT_COLOR_LAST) {
        SetCheckIfCheckable(event, app.GetGridTextColor() == kColors[id - ID_TEXT_COLOR_FIRST]);
    } else {
        SetCheckIfCheckable(event, app.GetGridBackColor() == kColors[id - ID_BACK_COLOR_FIRST]);
    }
}

void CGridView::MoveToLine(int line, bool keepSelection)
{
    if (!keepSelection) {
        m_grid->DeselectAll();
    }
    m_grid->MoveToRow(line);
    m_grid->SetFocus();
}

void CGridView::OnNavigate(wxCommandEvent& event)
{
    if (m_grid == nullptr || m_grid->GetRowCount() == 0) {
        return;
    }
    const int current = m_grid->CurrentRow();
    const int last = m_grid->GetRowCount() - 1;
    switch (event.GetId()) {
    case ID_FIRST_LINE:
        m_grid->goBackLine = current;
        MoveToLine(0, current == 0);
        break;
    case ID_LAST_LINE:
        m_grid->goBackLine = current;
        MoveToLine(last, current == last);
        break;
    case ID_JUMP_TO_LINE: {
        CJumpToDlg dialog(GetFrame());
        if (dialog.ShowModal() != wxID_OK) {
            return;
        }
        if (dialog.GetRow() > last + 1) {
            wxGetApp().Beep();
            return;
        }
        m_grid->goBackLine = current;
        MoveToLine(dialog.GetRow() - 1, dialog.GetRow() - 1 == current);
        break;
    }
    default: {
        if (m_grid->goBackLine < 0) {
            return;
        }
        const int target = std::min(m_grid->goBackLine, last);
        m_grid->goBackLine = current;
        MoveToLine(target, target == last);
        break;
    }
    }
}

void CGridView::OnListToolbar(wxCommandEvent&)
{
    CZantobyApp& app = wxGetApp();
    app.SetListToolbarOn(!app.IsListToolbarOn());
    app.RefreshListFrames(1);
}

void CGridView::OnUpdateListToolbar(wxUpdateUIEvent& event)
{
    event.Check(wxGetApp().IsListToolbarOn());
}

void CGridView::RunCommand(int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    ProcessEvent(command);
}

bool CGridView::IsOnPhotoCell() const
{
    if (m_list == nullptr || m_grid == nullptr) {
        return false;
    }
    const int column = m_grid->CurrentColumn();
    const int line = m_grid->CurrentRow();
    return column >= m_list->columnCount && column < m_list->columnCount + m_list->photoColumns &&
           line >= 0 && line < m_grid->GetRowCount();
}

int CGridView::CurrentPhoto() const
{
    if (!IsOnPhotoCell()) {
        return -1;
    }
    return CListRowEdits(*m_list).PhotoAt(m_grid->CurrentColumn(), m_grid->CurrentRow());
}

void CGridView::OnClipboard(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        if (m_grid == nullptr || m_list == nullptr) {
            return;
        }
        switch (event.GetId()) {
        case ID_CUT:
            m_grid->Cut();
            break;
        case ID_COPY:
            m_grid->Copy();
            break;
        case ID_PASTE:
            m_grid->Paste(false);
            break;
        case ID_PASTE_REFERENCE:
            m_grid->Paste(true);
            break;
        default:
            m_grid->CopyPhotoFileName();
            break;
        }
    });
}

void CGridView::OnUpdatePhotoCell(wxUpdateUIEvent& event)
{
    event.Enable(IsOnPhotoCell());
}

void CGridView::OnAutoInput(wxCommandEvent&)
{
    Guarded(__LINE__, [this] {
        if (m_grid != nullptr) {
            m_grid->AutoInput(-1);
        }
    });
}

void CGridView::OnSort(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        if (m_grid != nullptr && m_list != nullptr && m_grid->CurrentColumn() >= 0) {
            m_list->SortByColumn(m_grid->CurrentColumn(), event.GetId() == ID_SORT_DESCENDING);
        }
    });
}

void CGridView::OnUpdateAutoInput(wxUpdateUIEvent& event)
{
    if (m_grid == nullptr || m_list == nullptr || !m_grid->IsSingleRange()) {
        event.Enable(false);
        return;
    }
    event.Enable(m_grid->SelectedBlocks()[0].right < m_list->columnCount);
}

void CGridView::InsertLine()
{
    const int line = std::max(m_grid->CurrentRow(), 0);
    if (!CListRowEdits(*m_list).InsertBlankLine(line)) {
        return;
    }
    m_grid->InsertRowAt(line);
    FillGridRow(line, false);
    m_grid->FreeThumbnailsOutOfView();
    m_grid->RepaintGrid();
    m_list->UpdateAllViews(this, kHintRowsEdited);
}

void CGridView::DeleteSelectedRows()
{
    const std::vector<int> lines = CListRowEdits::LinesOf(m_grid->SelectedBlocks());
    if (CListRowEdits(*m_list).DeleteLines(lines).empty()) {
        return;
    }
    RefreshGrid();
    // The lines that were selected are gone; the cursor stays where the first of them was.
    m_grid->DeselectAll();
    const int line = std::min(lines.front(), m_grid->GetRowCount() - 1);
    if (line >= 0) {
        m_grid->MoveToCell(std::max(m_grid->CurrentColumn(), 0), line);
    }
}

void CGridView::OnRowCommand(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        if (m_grid == nullptr || m_list == nullptr) {
            return;
        }
        CListRowEdits rows(*m_list);
        switch (event.GetId()) {
        case ID_INSERT_LINE:
            InsertLine();
            break;
        case ID_DUPLICATE_ROW: {
            const int line = std::max(m_grid->CurrentRow(), 0);
            if (rows.DuplicateRow(line)) {
                m_grid->InsertRowAt(line);
                if (m_grid->GetRowCount() > m_list->displayCount) {
                    // The copy took the place of the closing new-row line.
                    m_grid->UpdateRowCount();
                }
                FillGridRow(line, false);
                FillGridRow(line + 1, false);
                m_grid->RepaintGrid();
                m_list->UpdateAllViews(this, kHintRowsEdited);
            }
            break;
        }
        case ID_DELETE_ROWS:
            DeleteSelectedRows();
            break;
        case ID_DELETE_ALL_ROWS:
            rows.DeleteAllDisplayed();
            break;
        case ID_AUTO_HEIGHT:
            for (int line : CListRowEdits::LinesOf(m_grid->SelectedBlocks())) {
                AutoRowHeight(line, true);
            }
            m_grid->FreeThumbnailsOutOfView();
            m_grid->RepaintGrid();
            break;
        default:
            for (int row = 0; row < m_list->RowReach(); ++row) {
                if (m_list->GetRow(row).inUse) {
                    m_list->GetRow(row).autoHeight = true;
                }
            }
            RefreshGrid();
            break;
        }
    });
}

void CGridView::OnUpdateRowCommand(wxUpdateUIEvent& event)
{
    if (m_grid == nullptr || m_list == nullptr) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_INSERT_LINE:
        event.Enable(m_list->displayCount < kMaxDisplayRows);
        break;
    case ID_DUPLICATE_ROW: {
        const int line = std::max(m_grid->CurrentRow(), 0);
        event.Enable(line < m_list->displayCount && m_list->displayOrder[line] >= 0 &&
                     m_list->GetRow(m_list->displayOrder[line]).inUse);
        break;
    }
    case ID_DELETE_ALL_ROWS:
        event.Enable(m_grid->GetRowCount() > 0);
        break;
    default:
        event.Enable(true);
        break;
    }
}

void CGridView::InsertCells(int choice)
{
    if (choice == CInsertCellDlg::kShiftDown) {
        if (CListRowEdits(*m_list).InsertCellsShiftDown(m_grid->SelectedBlocks())) {
            RefreshGrid();
        }
    } else if (choice == CInsertCellDlg::kInsertLine) {
        InsertLine();
    }
}

void CGridView::DeleteCells(int choice)
{
    switch (choice) {
    case CDeleteCellDlg::kContents:
        m_grid->ClearSelection();
        break;
    case CDeleteCellDlg::kShiftUp:
        if (CListRowEdits(*m_list).DeleteCellsShiftUp(m_grid->SelectedBlocks())) {
            RefreshGrid();
        }
        break;
    case CDeleteCellDlg::kDeleteLines:
        DeleteSelectedRows();
        break;
    default:
        break;
    }
}

void CGridView::OnCellDialog(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        if (m_grid == nullptr || m_list == nullptr) {
            return;
        }
        if (event.GetId() == ID_INSERT_CELLS) {
            CInsertCellDlg dialog(GetFrame());
            if (dialog.ShowModal() == wxID_OK) {
                InsertCells(dialog.GetChoice());
            }
        } else {
            CDeleteCellDlg dialog(GetFrame());
            if (dialog.ShowModal() == wxID_OK) {
                DeleteCells(dialog.GetChoice());
            }
        }
    });
}

void CGridView::OnUpdateCellDialog(wxUpdateUIEvent& event)
{
    event.Enable(m_list != nullptr && m_grid != nullptr && m_grid->CurrentColumn() >= 0 &&
                 m_grid->CurrentColumn() < m_list->columnCount + m_list->photoColumns &&
                 m_grid->CurrentRow() >= 0);
}

bool CGridView::ImportOnePhoto(const CString& path)
{
    if (m_grid == nullptr || m_list == nullptr) {
        return false;
    }
    CString file = path;
    if (file.IsEmpty()) {
        if (!CListRowEdits(*m_list).HasRoomForPhoto(m_grid->CurrentRow())) {
            return false;
        }
        CInsertPhotoDlg dialog(GetFrame(), wxGetApp().Settings(),
                               [] { wxGetApp().ShowHelpPage("InsertPhotoDlg"); });
        if (dialog.DoModal(file) != wxID_OK) {
            return false;
        }
    }
    CStringArray paths;
    paths.Add(file);
    return ImportPhotos(paths);
}

bool CGridView::ImportPhotos(const CStringArray& paths)
{
    if (m_grid == nullptr || m_list == nullptr) {
        return false;
    }
    const int line = m_grid->CurrentRow();
    int added = 0;
    {
        wxBusyCursor wait;
        added = CListRowEdits(*m_list).ImportPhotos(line, paths);
    }
    if (added == 0) {
        return false;
    }
    m_grid->SyncPhotoColumns();
    const wxStopWatch pause;
    while (pause.Time() < kImportPumpMs) {
        m_list->Host().PumpMessages();
        wxMilliSleep(10);
    }
    FillGridRow(line, true);
    m_list->UpdateAllViews(this, kHintRowsEdited);
    m_list->AppendNewRowLine();
    m_grid->FreeThumbnailsOutOfView();
    m_grid->RepaintGrid();
    return added == paths.GetSize();
}

void CGridView::EditPhoto()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        m_list->OpenPhotoEditor(photo);
    }
}

void CGridView::ShowPhotoProperties()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        CPhotoPropertiesHook::Run(GetFrame(), *m_list, photo);
    }
}

void CGridView::OnPhotoCommand(wxCommandEvent& event)
{
    Guarded(__LINE__, [this, &event] {
        if (m_grid == nullptr || m_list == nullptr) {
            return;
        }
        CListRowEdits rows(*m_list);
        switch (event.GetId()) {
        case ID_DELETE_PHOTO: {
            const int column = m_grid->CurrentColumn();
            const int line = m_grid->CurrentRow();
            if (rows.DeletePhoto(column, line)) {
                m_grid->RepaintRange(column, line, m_grid->GetColCount() - 1, line);
                m_list->UpdateAllViews(this, kHintRowsEdited);
            }
            break;
        }
        case ID_EDIT_PHOTO:
            EditPhoto();
            break;
        case ID_PHOTO_PROPERTIES:
            ShowPhotoProperties();
            break;
        case ID_IMPORT_PHOTO:
            ImportOnePhoto(CString());
            break;
        case ID_PHOTO_OUTPUT:
            OutputSelectedPhotos();
            break;
        case ID_ROTATE_RIGHT:
        case ID_ROTATE_LEFT: {
            const bool right = event.GetId() == ID_ROTATE_RIGHT;
            m_list->Host().SetWaitCursor(!right);
            const std::vector<int> turned = rows.RotatePhotos(m_grid->SelectedBlocks(), right);
            for (int photo : turned) {
                m_grid->ReloadThumbnail(photo);
            }
            m_list->Host().SetWaitCursor(false);
            if (!turned.empty()) {
                m_list->UpdateAllViews(this, kHintRowsEdited);
            }
            break;
        }
        default:
            break;
        }
    });
}

void CGridView::OnUpdatePhotoCommand(wxUpdateUIEvent& event)
{
    if (m_grid == nullptr || m_list == nullptr) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_DELETE_PHOTO:
    case ID_IMPORT_PHOTO:
        event.Enable(m_grid->CurrentRow() >= 0 && m_grid->CurrentRow() < m_grid->GetRowCount() &&
                     !m_list->readOnly);
        break;
    case ID_PHOTO_OUTPUT:
        event.Enable(true);
        break;
    case ID_EDIT_PHOTO:
        event.Enable(CurrentPhoto() >= 0);
        break;
    case ID_PHOTO_PROPERTIES:
        event.Enable(CurrentPhoto() >= 0 && CPhotoPropertiesHook::IsSet());
        break;
    case ID_ROTATE_RIGHT:
    case ID_ROTATE_LEFT:
        event.Enable(CurrentPhoto() >= 0 && !m_list->readOnly);
        break;
    default:
        event.Enable(false);
        break;
    }
}

void CGridView::OutputSelectedPhotos()
{
    if (m_list == nullptr || m_grid == nullptr) {
        return;
    }
    const std::vector<int> photos = CListRowEdits(*m_list).PhotosOf(m_grid->SelectedBlocks());
    if (photos.empty()) {
        m_list->Host().ShowWarningMessage(30702, 0);
        return;
    }
    COutputPhotoDlg dialog(GetFrame(), *m_list, photos, wxGetApp().Settings());
    dialog.DoModal();
}

void CGridView::StartPrinting()
{
    const int mode = wxGetApp().GetPrintMode();
    if (mode == ID_FILE_PREVIEW_LIST || mode == ID_FILE_PREVIEW_SHEET) {
        m_pendingPreview = mode;
        if (!m_previewTimer.IsRunning()) {
            m_previewTimer.StartOnce(kPreviewDelayMs);
        }
        return;
    }
    Guarded(__LINE__,
            [this, mode] { CListPrintRunner::Run(*m_list, m_grid, wxGetApp().GetMainFrame(), mode); });
}

void CGridView::OnPreviewTimer(wxTimerEvent&)
{
    const int command = m_pendingPreview;
    m_pendingPreview = 0;
    if (command == 0 || m_list == nullptr) {
        return;
    }
    Guarded(__LINE__,
            [this, command] { CListPrintRunner::Run(*m_list, m_grid, wxGetApp().GetMainFrame(), command); });
}
