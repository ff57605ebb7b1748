#include "grid/ui/testing/GridInput.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridCornerButton.h"
#include "grid/ui/GridSideHeading.h"
#include "grid/ui/GridTopHeading.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"

#include <wx/stopwatch.h>
#include <wx/toplevel.h>

#include <memory>

void GridInput::Click(CCellGrid& grid, int column, int row, wxMouseButton button)
{
    wxPoint point;
    wxWindow& part = PartAt(grid, column, row, point);
    UserInput::Click(part, point, button);
}

void GridInput::RightClick(CCellGrid& grid, int column, int row)
{
    Click(grid, column, row, wxMOUSE_BTN_RIGHT);
}

void GridInput::DoubleClick(CCellGrid& grid, int column, int row)
{
    wxPoint point;
    wxWindow& part = PartAt(grid, column, row, point);
    UserInput::DoubleClick(part, point);
}

void GridInput::Drag(CCellGrid& grid, int column, int row, int toColumn, int toRow)
{
    wxPoint start;
    wxWindow& from = PartAt(grid, column, row, start);
    wxPoint end;
    wxWindow& to = PartAt(grid, toColumn, toRow, end);
    UserInput::Drag(from, start, to, end);
}

void GridInput::Hover(CCellGrid& grid, int column, int row)
{
    wxPoint point;
    wxWindow& part = PartAt(grid, column, row, point);
    UserInput::Hover(part, point);
}

wxWindow& GridInput::PartAt(CCellGrid& grid, int column, int row, wxPoint& point)
{
    CRect rect;
    grid.GetCellRect(column, row, rect);
    point = wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    if (column < 0 && row < 0) {
        return *grid.CornerButton();
    }
    if (row < 0) {
        return *grid.TopHeading();
    }
    if (column < 0) {
        return *grid.SideHeading();
    }
    return *grid.CellArea();
}

void GridInput::ThenClickForKeyboard(int chain, CCellGrid& grid, int column, int row)
{
    constexpr long kClickAgainMs = 1000;
    auto sinceClick = std::make_shared<wxStopWatch>();
    const auto click = [&grid, column, row, sinceClick] {
        Click(grid, column, row);
        sinceClick->Start();
    };
    InputSteps::Then(
        chain, "the window has put the keyboard somewhere",
        [&grid] {
            wxWindow* focus = wxWindow::FindFocus();
            return focus != nullptr && wxGetTopLevelParent(focus) == wxGetTopLevelParent(&grid);
        },
        click);
    InputSteps::Then(
        chain, "the clicked grid has the keyboard",
        [&grid, sinceClick, click] {
            if (grid.CellArea()->HasFocus()) {
                return true;
            }
            if (sinceClick->Time() > kClickAgainMs) {
                click();
            }
            return false;
        },
        [] {});
}
