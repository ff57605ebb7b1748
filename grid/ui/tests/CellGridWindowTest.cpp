// The self-contained grid as a real window under the virtual display.
#include "grid/CellRangeList.h"
#include "grid/GridPainter.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridSizingMarker.h"
#include "grid/ui/GridTopHeading.h"
#include "grid/ui/GridVScrollBar.h"
#include "grid/ui/SheetTabBar.h"
#include "grid/ui/tests/support/GridDemoSheet.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>

namespace {

// A plain grid that notes the sizes its owner hears of.
class SizedGrid : public CCellGrid
{
  public:
    void OnColumnSized(int column, int* width) override
    {
        sizedColumn = column;
        sizedWidth = *width;
    }
    int sizedColumn = -1;
    int sizedWidth = -1;
};

// Sends a mouse event of the type to a window as if the pointer were at (x, y).
void Mouse(wxWindow& window, wxEventType type, int x, int y, bool leftHeld)
{
    wxMouseEvent event(type);
    event.SetEventObject(&window);
    event.m_x = x;
    event.m_y = y;
    event.m_leftDown = leftHeld;
    window.GetEventHandler()->ProcessEvent(event);
}

class GridWindow : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new wxFrame(nullptr, wxID_ANY, "grid", wxPoint(0, 0), wxSize(800, 500));
        grid = new SizedGrid();
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
    SizedGrid* grid = nullptr;
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

TEST_F(GridWindow, DraggingAColumnEdgeResizesTheColumn)
{
    wxWindow& heading = *grid->TopHeading();
    Mouse(heading, wxEVT_MOTION, 74, 10, false);
    Mouse(heading, wxEVT_LEFT_DOWN, 74, 10, true);
    Mouse(heading, wxEVT_MOTION, 120, 10, true);
    EXPECT_EQ(grid->GetColumnWidth(0), 121);
    EXPECT_TRUE(grid->SizingMarker()->IsShown()) << "outline sizing shows the marker";
    Mouse(heading, wxEVT_LEFT_UP, 120, 10, false);
    EXPECT_FALSE(grid->SizingMarker()->IsShown());
    EXPECT_EQ(grid->sizedColumn, 0);
    EXPECT_EQ(grid->sizedWidth, 121);
    EXPECT_TRUE(PictureIsFresh());
}

TEST_F(GridWindow, DraggingAColumnEdgeLeftPastItsStartLeavesWidthZero)
{
    wxWindow& heading = *grid->TopHeading();
    Mouse(heading, wxEVT_MOTION, 150, 10, false);
    Mouse(heading, wxEVT_LEFT_DOWN, 150, 10, true);
    Mouse(heading, wxEVT_MOTION, 10, 10, true);
    Mouse(heading, wxEVT_LEFT_UP, 10, 10, false);
    EXPECT_EQ(grid->GetColumnWidth(1), 0);
    // The hidden column is pulled open again from its left neighbour's edge.
    Mouse(heading, wxEVT_MOTION, 75, 10, false);
    Mouse(heading, wxEVT_LEFT_DOWN, 75, 10, true);
    Mouse(heading, wxEVT_MOTION, 115, 10, true);
    Mouse(heading, wxEVT_LEFT_UP, 115, 10, false);
    EXPECT_EQ(grid->GetColumnWidth(1), 40);
    EXPECT_EQ(grid->GetColumnWidth(0), 75);
}

TEST_F(GridWindow, ClickingACellMakesItCurrentAndTheWheelScrolls)
{
    wxWindow& area = *grid->CellArea();
    Mouse(area, wxEVT_LEFT_DOWN, 160, 50, true);
    Mouse(area, wxEVT_LEFT_UP, 160, 50, false);
    EXPECT_EQ(grid->CurrentColumn(), 2);
    EXPECT_EQ(grid->CurrentRow(), 2);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.SetEventObject(&area);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    area.GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(grid->FirstVisibleRow(), 3) << "three rows per notch";
    EXPECT_TRUE(PictureIsFresh());
}

TEST_F(GridWindow, DraggingTheTabBarEdgeKeepsFortyPixels)
{
    wxWindow& bar = *grid->TabBar();
    const int width = bar.GetSize().x;
    Mouse(bar, wxEVT_LEFT_DOWN, width - 2, 5, true);
    Mouse(bar, wxEVT_MOTION, 10, 5, true);
    Mouse(bar, wxEVT_LEFT_UP, 10, 5, false);
    EXPECT_EQ(grid->CurrentSheet()->tabBarWidth, 40);
    EXPECT_EQ(bar.GetSize().x, 40);
}

TEST(GridInDialog, TakesThePlaceIdAndFontOfAPlaceholder)
{
    WxTestEnvironment::Ensure();
    wxDialog dialog(nullptr, wxID_ANY, "dialog", wxDefaultPosition, wxSize(400, 300));
    auto* placeholder = new wxPanel(&dialog, 1000, wxPoint(10, 20), wxSize(300, 200));
    placeholder->SetFont(wxFontInfo(wxSize(0, 14)).FaceName("IPAGothic"));
    auto* grid = new CCellGrid();
    auto* after = new wxPanel(&dialog, 1001, wxPoint(10, 230), wxSize(300, 20));
    ASSERT_TRUE(grid->AttachToDialogItem(&dialog, 1000));
    // The dialog finds the grid under the control's id, which its anchor table names.
    EXPECT_EQ(dialog.FindWindow(1000), grid);
    EXPECT_EQ(grid->GetRect(), wxRect(10, 20, 300, 200));
    EXPECT_EQ(grid->GetNextSibling(), after) << "the grid keeps the control's place in the tab order";
    ASSERT_NE(grid->CurrentSheet()->defaultFont, nullptr);
    EXPECT_EQ(grid->CurrentSheet()->defaultFont->height, -14);
    EXPECT_NE(grid->CellArea(), nullptr);
    CCellGrid other;
    EXPECT_FALSE(other.AttachToDialogItem(&dialog, 4321)) << "no such control";
}
