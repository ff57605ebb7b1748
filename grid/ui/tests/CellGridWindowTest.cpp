// The self-contained grid as a real window under the virtual display.
#include "grid/CellRangeList.h"
#include "grid/GridPainter.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridVScrollBar.h"
#include "grid/ui/SheetTabBar.h"
#include "grid/ui/tests/support/GridDemoSheet.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

class GridWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(0, 0), wxSize(800, 500));
        grid = new CCellGrid();
        ASSERT_TRUE(grid->CreateGridWindow(0, wxRect(wxPoint(0, 0), frame->GetClientSize()), frame, 100));
        CGridDemoSheet::Fill(*grid);
        frame->Show();
        WxTestEnvironment::PumpUntil([this] { return grid->CellArea()->IsShownOnScreen(); });
        WxTestEnvironment::PumpFor(200);
    }
    void TearDown() override
    {
        frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }

    // The cell area's picture against a fresh painting of the same state.
    ::testing::AssertionResult PictureIsFresh()
    {
        const Bitmap& shown = grid->CellArea()->CurrentPicture();
        Bitmap fresh;
        fresh.Create(shown.Width(), shown.Height(), 32);
        Canvas dc(fresh);
        CCellRangeList all;
        grid->Painter().PaintCellArea(dc, all, true);
        for (int y = 0; y < shown.Height(); ++y) {
            for (int x = 0; x < shown.Width(); ++x) {
                if (shown.GetPixel(x, y) != fresh.GetPixel(x, y)) {
                    return ::testing::AssertionFailure() << "differs at " << x << "," << y;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    void Key(int code)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        grid->CellArea()->HandleKeyDown(event);
    }

    wxFrame* frame = nullptr;
    CCellGrid* grid = nullptr;
};

} // namespace

TEST_F(GridWindow, PartsAreLaidOutAroundTheCellArea)
{
    const wxRect area = grid->CellArea()->GetRect();
    EXPECT_EQ(area.GetPosition(), wxPoint(40, 20));
    EXPECT_TRUE(grid->TabBar()->IsShown());
    EXPECT_EQ(grid->TabBar()->GetRect().width, 160);
    EXPECT_TRUE(grid->VScrollBar()->IsShown());
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*frame, "grid-window").IsEmpty());
}

TEST_F(GridWindow, JoinedCellShowsItsFillAcrossTheJoin)
{
    const Bitmap& picture = grid->CellArea()->CurrentPicture();
    CRect join;
    grid->GetCellRect(4, 6, join);
    EXPECT_EQ(join.Width(), 225);
    EXPECT_EQ(picture.GetPixel(join.left + 74, join.top + 25), 0xFFF4D6u)
        << "inside, across the column lines";
}

TEST_F(GridWindow, KeysMoveTheCurrentCellAndThePictureFollows)
{
    Key(WXK_DOWN);
    Key(WXK_DOWN);
    Key(WXK_RIGHT);
    EXPECT_EQ(grid->CurrentColumn(), 1);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_TRUE(PictureIsFresh());
    Key(WXK_END);
    EXPECT_EQ(grid->CurrentColumn(), CGridDemoSheet::kColumns - 1);
    EXPECT_GT(grid->FirstVisibleColumn(), 0);
    EXPECT_TRUE(PictureIsFresh());
}

TEST_F(GridWindow, ScrollBarPagesAndThePictureMovesWithIt)
{
    grid->VScrollBar()->Scroll(wxEVT_SCROLL_PAGEDOWN, 0);
    EXPECT_GT(grid->FirstVisibleRow(), 10);
    EXPECT_TRUE(PictureIsFresh());
    grid->VScrollBar()->Scroll(wxEVT_SCROLL_LINEUP, 0);
    EXPECT_TRUE(PictureIsFresh());
}
