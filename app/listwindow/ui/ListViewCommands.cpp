#include "app/listwindow/ui/ListViewCommands.h"

#include "app/editing/ListRowEdits.h"
#include "app/find/ui/JumpToDlg.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"

#include <algorithm>

namespace {

constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_SORT_ASCENDING = 32803;
constexpr int ID_SORT_DESCENDING = 32804;
constexpr int ID_FIRST_LINE = 32879;
constexpr int ID_LAST_LINE = 32880;
constexpr int ID_JUMP_TO_LINE = 32881;
constexpr int ID_GO_BACK = 32882;
constexpr int ID_AUTO_HEIGHT = 32930;
constexpr int ID_AUTO_HEIGHT_ALL = 32931;

} // namespace

CListViewCommands::CListViewCommands(CGridView& view) : m_view(view)
{
    view.Bind(wxEVT_MENU, &CListViewCommands::OnNavigate, this, ID_FIRST_LINE, ID_JUMP_TO_LINE);
    view.Bind(wxEVT_MENU, &CListViewCommands::OnNavigate, this, ID_GO_BACK);
    view.Bind(wxEVT_MENU, &CListViewCommands::OnSort, this, ID_SORT_ASCENDING, ID_SORT_DESCENDING);
    view.Bind(wxEVT_MENU, &CListViewCommands::OnListToolbar, this, ID_VIEW_TOOLBAR);
    view.Bind(wxEVT_UPDATE_UI, &CListViewCommands::OnUpdateListToolbar, this, ID_VIEW_TOOLBAR);
    for (int id : {ID_AUTO_HEIGHT, ID_AUTO_HEIGHT_ALL}) {
        view.Bind(wxEVT_MENU, &CListViewCommands::OnAutoHeight, this, id);
        view.Bind(wxEVT_UPDATE_UI, &CListViewCommands::OnUpdateAutoHeight, this, id);
    }
}

void CListViewCommands::OnListToolbar(wxCommandEvent&)
{
    CZantobyApp& app = wxGetApp();
    app.SetListToolbarOn(!app.IsListToolbarOn());
    app.RefreshListFrames(1);
}

void CListViewCommands::OnUpdateListToolbar(wxUpdateUIEvent& event)
{
    event.Check(wxGetApp().IsListToolbarOn());
}

void CListViewCommands::OnSort(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CListGrid* grid = m_view.Grid();
        if (grid != nullptr && m_view.ListDoc() != nullptr && grid->CurrentColumn() >= 0) {
            m_view.ListDoc()->SortByColumn(grid->CurrentColumn(), event.GetId() == ID_SORT_DESCENDING);
        }
    });
}

void CListViewCommands::MoveToLine(int line, bool keepSelection)
{
    CListGrid& grid = *m_view.Grid();
    if (!keepSelection) {
        grid.DeselectAll();
    }
    grid.MoveToRow(line);
    grid.SetFocus();
}

void CListViewCommands::OnNavigate(wxCommandEvent& event)
{
    CListGrid* grid = m_view.Grid();
    if (grid == nullptr || grid->GetRowCount() == 0) {
        return;
    }
    const int current = grid->CurrentRow();
    const int last = grid->GetRowCount() - 1;
    switch (event.GetId()) {
    case ID_FIRST_LINE:
        grid->goBackLine = current;
        MoveToLine(0, current == 0);
        break;
    case ID_LAST_LINE:
        grid->goBackLine = current;
        MoveToLine(last, current == last);
        break;
    case ID_JUMP_TO_LINE: {
        CJumpToDlg dialog(m_view.GetFrame());
        if (dialog.ShowModal() != wxID_OK) {
            return;
        }
        if (dialog.GetRow() > last + 1) {
            wxGetApp().Beep();
            return;
        }
        grid->goBackLine = current;
        MoveToLine(dialog.GetRow() - 1, dialog.GetRow() - 1 == current);
        break;
    }
    default: {
        if (grid->goBackLine < 0) {
            return;
        }
        const int target = std::min(grid->goBackLine, last);
        grid->goBackLine = current;
        MoveToLine(target, target == last);
        break;
    }
    }
}

void CListViewCommands::OnAutoHeight(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CListGrid* grid = m_view.Grid();
        CZantobyDoc* list = m_view.ListDoc();
        if (grid == nullptr || list == nullptr) {
            return;
        }
        if (event.GetId() == ID_AUTO_HEIGHT) {
            for (int line : CListRowEdits::LinesOf(grid->SelectedBlocks())) {
                m_view.AutoRowHeight(line, true);
            }
            grid->FreeThumbnailsOutOfView();
            grid->RepaintGrid();
            return;
        }
        for (int row = 0; row < list->RowReach(); ++row) {
            if (list->GetRow(row).inUse) {
                list->GetRow(row).autoHeight = true;
            }
        }
        m_view.RefreshGrid();
    });
}

void CListViewCommands::OnUpdateAutoHeight(wxUpdateUIEvent& event)
{
    event.Enable(m_view.Grid() != nullptr && m_view.ListDoc() != nullptr);
}
