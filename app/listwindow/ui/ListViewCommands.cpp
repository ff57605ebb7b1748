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

CListViewCommands::CListViewCommands(CGridView& view) : CListCommandGroup(view)
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
        if (HasList() && Grid()->CurrentColumn() >= 0) {
            List()->SortByColumn(Grid()->CurrentColumn(), event.GetId() == ID_SORT_DESCENDING);
        }
    });
}

void CListViewCommands::MoveToLine(int line, bool keepSelection)
{
    CListGrid& grid = *Grid();
    if (!keepSelection) {
        grid.DeselectAll();
    }
    grid.MoveToRow(line);
    grid.SetFocus();
}

void CListViewCommands::OnNavigate(wxCommandEvent& event)
{
    if (Grid() == nullptr || Grid()->GetRowCount() == 0) {
        return;
    }
    const int current = Grid()->CurrentRow();
    const int last = Grid()->GetRowCount() - 1;
    switch (event.GetId()) {
    case ID_FIRST_LINE:
        Grid()->goBackLine = current;
        MoveToLine(0, current == 0);
        break;
    case ID_LAST_LINE:
        Grid()->goBackLine = current;
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
        Grid()->goBackLine = current;
        MoveToLine(dialog.GetRow() - 1, dialog.GetRow() - 1 == current);
        break;
    }
    default: {
        if (Grid()->goBackLine < 0) {
            return;
        }
        const int target = std::min(Grid()->goBackLine, last);
        Grid()->goBackLine = current;
        MoveToLine(target, target == last);
        break;
    }
    }
}

void CListViewCommands::OnAutoHeight(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        if (!HasList()) {
            return;
        }
        if (event.GetId() == ID_AUTO_HEIGHT) {
            for (int line : CListRowEdits::LinesOf(Grid()->SelectedBlocks())) {
                m_view.AutoRowHeight(line, true);
            }
            Grid()->FreeThumbnailsOutOfView();
            Grid()->RepaintGrid();
            return;
        }
        for (int row = 0; row < List()->RowReach(); ++row) {
            if (List()->GetRow(row).inUse) {
                List()->GetRow(row).autoHeight = true;
            }
        }
        m_view.RefreshGrid();
    });
}

void CListViewCommands::OnUpdateAutoHeight(wxUpdateUIEvent& event)
{
    event.Enable(HasList());
}
