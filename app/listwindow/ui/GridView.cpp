#include "app/listwindow/ui/GridView.h"

#include "app/frame/ui/MainFrame.h"
#include "app/frame/ui/ZantobyFrame.h"
#include "app/listwindow/ListGridLayout.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoView.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/ListPrintRunner.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ProgressPace.h"
#include "list/ListLifecycle.h"
#include "list/ListViewRules.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"

#include <wx/wupdlock.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

wxIMPLEMENT_DYNAMIC_CLASS(CGridView, wxView);

namespace {

// The preview opens this long after hint 9, once the command that sent it has ended.
constexpr int kPreviewDelayMs = 300;

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

bool CGridView::CreatePanes(wxWindow* parent, wxWindow*& upper, wxWindow*& lower)
{
    auto* grid = new CListGrid(*this);
    m_grid = grid;
    m_photoView = new CPhotoView(parent, *this);
    if (!grid->CreateGridWindow(0, wxRect(0, 0, 100, 500), parent, kGridId)) {
        return false;
    }
    upper = grid;
    lower = m_photoView;
    return true;
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

void CGridView::ReportFault(int line)
{
    wxGetApp().ReportError(nullptr, "GridView", line);
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
