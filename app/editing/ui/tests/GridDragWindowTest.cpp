// Drags in the list grid by the pointer as a user makes them: lines chosen by their headings,
// a block moved by its edge, a press on the edge that stays a click or ends with Esc, the fill
// handle's drag, and a list that closes in the middle of a drag.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/SampleListStart.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <glib.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kName = 0;

CGridView& View()
{
    CGridView* view = StartWithSampleList(8, 0);
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

std::vector<CString> Names(CListGrid& grid)
{
    std::vector<CString> names;
    for (int line = 0; line < grid.GetRowCount(); ++line) {
        names.push_back(grid.GetCellText(kName, line));
    }
    return names;
}

auto OnlyBlock(CListGrid& grid)
{
    const std::vector<CListGrid::Block> blocks = grid.GetSelectedBlocks();
    EXPECT_EQ(blocks.size(), 1u);
    return blocks.empty() ? std::make_tuple(-1, -1, -1, -1)
                          : std::make_tuple(blocks[0].left, blocks[0].top, blocks[0].right, blocks[0].bottom);
}

// A point of a cell in the cell area, from its top-left corner (negative: from its right or
// bottom edge).
wxPoint InCell(CListGrid& grid, int column, int line, int dx, int dy)
{
    CRect rect;
    grid.GetCellRect(column, line, rect);
    return wxPoint(dx >= 0 ? rect.left + dx : rect.right + dx, dy >= 0 ? rect.top + dy : rect.bottom + dy);
}

wxPoint Middle(CListGrid& grid, int column, int line)
{
    CRect rect;
    grid.GetCellRect(column, line, rect);
    return wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// Counts the criticals GTK, GDK and GObject log while it lives, keeping the first.
class ToolkitCriticals
{
  public:
    ToolkitCriticals()
    {
        for (const char* domain : kDomains) {
            m_handlers.push_back(g_log_set_handler(domain, G_LOG_LEVEL_CRITICAL, &Record, this));
        }
    }
    ~ToolkitCriticals()
    {
        for (size_t i = 0; i < m_handlers.size(); ++i) {
            g_log_remove_handler(kDomains[i], m_handlers[i]);
        }
    }
    ToolkitCriticals(const ToolkitCriticals&) = delete;
    ToolkitCriticals& operator=(const ToolkitCriticals&) = delete;

    int count = 0;
    std::string first;

  private:
    static constexpr const char* kDomains[] = {"Gtk", "Gdk", "GLib-GObject"};

    static void Record(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer self)
    {
        auto& criticals = *static_cast<ToolkitCriticals*>(self);
        if (criticals.count++ == 0) {
            criticals.first = std::string(domain) + ": " + message;
        }
    }

    std::vector<guint> m_handlers;
};

} // namespace

TEST(GridDragWindowTest, LinesChosenByTheirHeadingsMoveByTheirEdgeAndStaySelected)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const int last = grid.GetColCount() - 1;
    const std::vector<CString> before = Names(grid);

    // One block, which a drag can take (a heading's press and release once made two).
    GridInput::Drag(grid, -1, 1, -1, 2);
    EXPECT_EQ(OnlyBlock(grid), std::make_tuple(0, 1, last, 2));

    // Taken by its top edge and dropped with the pointer on line 4.
    UserInput::Drag(*grid.CellArea(), InCell(grid, 1, 1, 10, 2), *grid.CellArea(), Middle(grid, 0, 4));
    const std::vector<CString> after = Names(grid);
    EXPECT_EQ(after[1], "");
    EXPECT_EQ(after[2], "");
    EXPECT_EQ(after[3], before[3]);
    EXPECT_EQ(after[4], before[1]);
    EXPECT_EQ(after[5], before[2]);
    EXPECT_EQ(after[6], before[6]);
    // The selection went with the lines.
    EXPECT_EQ(OnlyBlock(grid), std::make_tuple(0, 4, last, 5));
    EXPECT_EQ(grid.CurrentRow(), 4);

    // And they go back, by the same edge at their new place; the lines they covered stay as
    // the move left them.
    UserInput::Drag(*grid.CellArea(), InCell(grid, 1, 4, 10, 2), *grid.CellArea(), Middle(grid, 0, 1));
    std::vector<CString> back = before;
    back[4] = back[5] = "";
    EXPECT_EQ(Names(grid), back);
    EXPECT_EQ(OnlyBlock(grid), std::make_tuple(0, 1, last, 2));
}

TEST(GridDragWindowTest, APressOnTheEdgeThatDoesNotMoveStaysAClickAndEscEndsIt)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, 0, 2);
    UserInput::Press(WXK_DOWN, wxMOD_SHIFT);
    UserInput::Press(WXK_RIGHT, wxMOD_SHIFT);
    const auto block = OnlyBlock(grid);
    const std::vector<CString> before = Names(grid);
    CGridCellArea& area = *grid.CellArea();
    // On the bottom edge, away from the click, which would make a double click of the press.
    const wxPoint edge = area.ClientToScreen(InCell(grid, 1, 3, 10, -3));

    // A click on the edge keeps the block and moves nothing.
    UserInput::Click(area, InCell(grid, 1, 2, 10, 2));
    EXPECT_EQ(OnlyBlock(grid), block);

    // A press that moves within the drag threshold, then Esc: the moves after it neither drag
    // nor select.
    FakeInput::MoveTo(edge);
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    UserInput::Settle();
    FakeInput::MoveTo(edge + wxPoint(1, 1));
    UserInput::Settle();
    UserInput::Press(WXK_ESCAPE);
    for (int line = 3; line <= 6; ++line) {
        FakeInput::MoveTo(area.ClientToScreen(Middle(grid, 0, line)));
        UserInput::Settle();
    }
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    UserInput::Settle();
    EXPECT_EQ(Names(grid), before);
    EXPECT_EQ(OnlyBlock(grid), block);
}

TEST(GridDragWindowTest, TheFillHandleDraggedDownFillsToTheLineLeftOn)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 0);
    const CString first = grid.GetCellText(kName, 0);
    const CString fourth = grid.GetCellText(kName, 3);
    ASSERT_NE(first, grid.GetCellText(kName, 1));

    UserInput::Drag(*grid.CellArea(), InCell(grid, kName, 0, -3, -3), *grid.CellArea(),
                    Middle(grid, kName, 2));
    EXPECT_EQ(grid.GetCellText(kName, 1), first);
    EXPECT_EQ(grid.GetCellText(kName, 2), first);
    EXPECT_EQ(grid.GetCellText(kName, 3), fourth);
}

// Runs last: the list closes.
TEST(GridDragWindowTest, AListClosedInTheMiddleOfADragLeavesNoGrabNorTimerBehind)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CGridCellArea& area = *grid.CellArea();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    // What the drags before changed is not asked about as the list closes.
    view.ListDoc()->SetModifiedFlag(false);
    ToolkitCriticals criticals;

    // Cells chosen by a drag that went on below the grid, where the grid scrolls on by itself.
    FakeInput::MoveTo(area.ClientToScreen(Middle(grid, kName, 1)));
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    UserInput::Settle();
    const wxSize size = area.GetClientSize();
    for (int y : {size.y / 2, size.y - 2, size.y + 20}) {
        FakeInput::MoveTo(area.ClientToScreen(wxPoint(size.x / 3, y)));
        UserInput::Settle();
    }
    ASSERT_TRUE(area.HasCapture());

    // The list closes with the button still held, as a command from elsewhere closes it.
    SendCommand(*wxGetApp().GetMainFrame(), 57602);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil(
        [] { return wxGetApp().GetDocManager()->GetDocumentsVector().empty(); }));
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
    // A grab or timer left behind would complain at every turn from now on.
    WxTestEnvironment::PumpFor(300);
    FakeInput::MoveTo(wxGetApp().GetMainFrame()->GetScreenPosition() + wxPoint(100, 200));
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    UserInput::Settle();
    WxTestEnvironment::PumpFor(200);
    EXPECT_EQ(criticals.count, 0) << criticals.first;
}
