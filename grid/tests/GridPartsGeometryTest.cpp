// Scroll ranges, sizing zones, auto-scroll steps, hint placement, the tab strip and the layout.
#include "grid/GridAutoScroll.h"
#include "grid/GridHintPlacement.h"
#include "grid/GridHitZones.h"
#include "grid/GridScrollRange.h"
#include "grid/SheetTabStrip.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

TEST(GridScrollRange, ThirtyColumnsOfSeventyFiveInSixHundredPixelsGiveAPageOfEight)
{
    const CGridScrollRange::Bar bar = CGridScrollRange::Horizontal(30, 0, 600, 0, 75, 0);
    EXPECT_EQ(bar.thumb, 8);
    EXPECT_EQ(bar.range - 1, 37) << "positions 0 to 37 with the page as thumb";
}

TEST(GridScrollRange, LongListsUseAThousandPositions)
{
    const CGridScrollRange::Bar bar = CGridScrollRange::Vertical(1001, 0, 400, 20, 0, 0);
    EXPECT_EQ(bar.range - 1, 1000);
    EXPECT_EQ(bar.thumb, 1);
    EXPECT_EQ(CGridScrollRange::RowAtPosition(1001, 0, 0, 500), 500);
    EXPECT_EQ(CGridScrollRange::Vertical(1001, 0, 400, 20, 0, 1000).position, 999);
}

TEST(GridScrollRange, ZeroDefaultSizesDoNotDivideByZero)
{
    EXPECT_EQ(CGridScrollRange::Horizontal(10, 0, 600, 0, 0, 0).thumb, 600);
    EXPECT_EQ(CGridScrollRange::Vertical(10, 0, 400, 0, 0, 0).thumb, 400);
    const CGridScrollRange::Bar centred = CGridScrollRange::Vertical(10, 0, 400, 20, 2, 5);
    EXPECT_EQ(centred.range, 3);
    EXPECT_EQ(centred.position, 1);
}

TEST(GridHitZones, ColumnEdgeZoneReachesTwoPixels)
{
    RecordingGrid grid(5, 5);
    using Sizing = CGridHitZones::Sizing;
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(73, 5)).mode, Sizing::Column);
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(73, 5)).index, 0);
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(77, 5)).mode, Sizing::Column);
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(72, 5)).mode, Sizing::None);
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(78, 5)).mode, Sizing::None);
}

TEST(GridHitZones, HiddenColumnIsPulledOpenFromItsNeighboursEdge)
{
    RecordingGrid grid(5, 5);
    grid.SetColumnWidth(1, 0);
    const CGridHitZones::Hit hit = CGridHitZones::TopHeading(grid, CPoint(75, 5));
    EXPECT_EQ(hit.index, 1);
}

TEST(GridHitZones, RowAndHeadingEdges)
{
    RecordingGrid grid(5, 5);
    using Sizing = CGridHitZones::Sizing;
    EXPECT_EQ(CGridHitZones::SideHeading(grid, CPoint(10, 41)).mode, Sizing::Row);
    EXPECT_EQ(CGridHitZones::SideHeading(grid, CPoint(10, 41)).index, 1);
    EXPECT_EQ(CGridHitZones::SideHeading(grid, CPoint(39, 10)).mode, Sizing::HeadingColumn);
    EXPECT_EQ(CGridHitZones::TopHeading(grid, CPoint(30, 19)).mode, Sizing::HeadingRow);
}

TEST(GridHitZones, SelectionEdgeAndCorner)
{
    const CRect block(100, 100, 200, 160);
    EXPECT_EQ(CGridHitZones::BlockZone(block, CPoint(102, 130)), CGridHitZones::Block::Edge);
    EXPECT_EQ(CGridHitZones::BlockZone(block, CPoint(150, 130)), CGridHitZones::Block::None);
    EXPECT_EQ(CGridHitZones::BlockZone(block, CPoint(197, 157)), CGridHitZones::Block::Corner);
    EXPECT_EQ(CGridHitZones::BlockZone(block, CPoint(210, 130)), CGridHitZones::Block::None);
}

TEST(GridHitZones, CornerEdges)
{
    RecordingGrid grid(2, 2);
    EXPECT_EQ(CGridHitZones::CornerZone(grid, CSize(40, 20), CPoint(37, 5)), CGridHitZones::CornerWidth);
    EXPECT_EQ(CGridHitZones::CornerZone(grid, CSize(40, 20), CPoint(10, 17)), CGridHitZones::CornerHeight);
    EXPECT_EQ(CGridHitZones::CornerZone(grid, CSize(40, 20), CPoint(10, 5)), CGridHitZones::CornerNone);
}

TEST(GridAutoScroll, PowerZeroStepsOneCell)
{
    const auto step =
        CGridAutoScroll::ForPointer(CPoint(-300, 50), CSize(600, 400), 75, 20, 0, 200, false, false);
    EXPECT_EQ(step.columns, -1);
    EXPECT_EQ(step.rows, 0);
}

TEST(GridAutoScroll, PowerTwoTwoWidthsOutStepsNine)
{
    const auto step =
        CGridAutoScroll::ForPointer(CPoint(-150, 50), CSize(600, 400), 75, 20, 2, 200, false, false);
    EXPECT_EQ(step.columns, -9);
    EXPECT_EQ(step.intervalMs, CGridAutoScroll::kFastIntervalMs);
}

TEST(GridAutoScroll, SingleStepsWaitTheDelay)
{
    const auto step =
        CGridAutoScroll::ForPointer(CPoint(610, 50), CSize(600, 400), 75, 20, 1, 200, false, false);
    EXPECT_EQ(step.columns, 1);
    EXPECT_EQ(step.intervalMs, 200);
    const auto over =
        CGridAutoScroll::ForPointer(CPoint(300, 50), CSize(600, 400), 75, 20, 1, 200, true, false);
    EXPECT_EQ(over.columns, 1);
}

TEST(GridAutoScroll, ZeroDefaultSizesAreGuarded)
{
    const auto step =
        CGridAutoScroll::ForPointer(CPoint(-3, -3), CSize(600, 400), 0, 0, 1, 200, false, false);
    EXPECT_EQ(step.columns, -4);
    EXPECT_EQ(step.rows, -4);
}

TEST(GridAutoScroll, DragNearAnEdgeScrollsOneCellHorizontalFirst)
{
    EXPECT_EQ(CGridAutoScroll::ForDrag(CPoint(5, 100), CSize(600, 400)).columns, -1);
    EXPECT_EQ(CGridAutoScroll::ForDrag(CPoint(595, 100), CSize(600, 400)).columns, 1);
    const auto corner = CGridAutoScroll::ForDrag(CPoint(5, 5), CSize(600, 400));
    EXPECT_EQ(corner.columns, -1);
    EXPECT_EQ(corner.rows, 0);
    EXPECT_EQ(CGridAutoScroll::ForDrag(CPoint(300, 395), CSize(600, 400)).rows, 1);
    EXPECT_EQ(CGridAutoScroll::ForDrag(CPoint(300, 200), CSize(600, 400)).rows, 0);
}

TEST(GridHintPlacement, HintIsKeptInsideTheGrid)
{
    const CRect client(0, 0, 400, 300);
    const CRect placed = CGridHintPlacement::Place(CPoint(380, 100), 0, 20, CSize(80, 14), client);
    EXPECT_EQ(placed.right, 400);
    EXPECT_EQ(placed.Width(), 84);
    const CRect centred = CGridHintPlacement::Place(
        CPoint(200, 100), CGridHintPlacement::kCentreX | CGridHintPlacement::kEndAtY, 20, CSize(16, 14),
        client);
    EXPECT_EQ(centred, CRect(190, 86, 210, 100));
}

TEST(SheetTabStrip, DraggedEdgeKeepsFortyPixels)
{
    EXPECT_EQ(CSheetTabStrip::WidthForDrag(10), 40);
    EXPECT_EQ(CSheetTabStrip::WidthForDrag(120), 120);
}

TEST(SheetTabStrip, ClickChoosesTheRightmostOfTwoTouchingTabs)
{
    CSheetTabStrip strip;
    strip.SetArrowWidth(34);
    for (int value : {10, 11, 12}) {
        strip.AddTab({"tab", 50, value});
    }
    strip.RecomputeMaxOffset(400);
    EXPECT_EQ(strip.ChooseAt(60, 400), std::vector<int>{10});
    EXPECT_EQ(strip.CurrentTab(), 0);
    // 34 + 50 = 84 is shared by the first two tabs.
    EXPECT_EQ(strip.ChooseAt(85, 400), (std::vector<int>{10, 11}));
    EXPECT_EQ(strip.CurrentTab(), 1);
    EXPECT_EQ(strip.TabIndexAt(85), 0);
}

TEST(SheetTabStrip, ArrowsScrollWithinTheLargestOffset)
{
    CSheetTabStrip strip;
    strip.SetArrowWidth(34);
    for (int value = 0; value < 10; ++value) {
        strip.AddTab({"tab", 50, value});
    }
    strip.RecomputeMaxOffset(200);
    EXPECT_EQ(strip.MaxOffset(), 500 + 34 - 200 + 20);
    EXPECT_FALSE(strip.ScrollBy(-1));
    EXPECT_TRUE(strip.ScrollBy(1));
    EXPECT_EQ(strip.Offset(), 20);
    EXPECT_EQ(strip.ArrowAt(5), -1);
    EXPECT_EQ(strip.ArrowAt(20), 1);
}

TEST(GridLayout, SmallClientGivesNoNegativeSizes)
{
    RecordingGrid grid(10, 10);
    grid.CurrentSheet()->tabBarWidth = 100;
    for (CSize client : {CSize(10, 8), CSize(0, 0), CSize(60, 30), CSize(900, 700)}) {
        grid.host.client = client;
        grid.LayoutParts();
        const CGridPartRects& parts = grid.host.parts;
        for (const CRect& rect : {parts.cellArea, parts.topHeading, parts.sideHeading, parts.corner,
                                  parts.vScrollBar, parts.hScrollBar, parts.tabBar}) {
            EXPECT_GE(rect.Width(), 0) << client.cx << "x" << client.cy;
            EXPECT_GE(rect.Height(), 0) << client.cx << "x" << client.cy;
        }
    }
}

TEST(GridHitZones, HeadingCellsAndTheirJoins)
{
    RecordingGrid grid(6, 6);
    grid.SetTopHeadingRowCount(2);
    grid.MergeCellRange(1, -2, 3, -2);
    int column = 0, row = 0;
    CRect rect;
    ASSERT_TRUE(CGridHitZones::HeadingCell(grid, GridSection::TopHeading, CPoint(200, 5), column, row, rect));
    EXPECT_EQ(column, 1) << "a joined heading cell answers with its first cell";
    EXPECT_EQ(row, -2);
    EXPECT_EQ(rect, CRect(75, 0, 300, 20));
    ASSERT_TRUE(
        CGridHitZones::HeadingCell(grid, GridSection::TopHeading, CPoint(200, 25), column, row, rect));
    EXPECT_EQ(column, 2);
    EXPECT_EQ(row, -1);
    ASSERT_TRUE(
        CGridHitZones::HeadingCell(grid, GridSection::SideHeading, CPoint(10, 45), column, row, rect));
    EXPECT_EQ(column, -1);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(
        CGridHitZones::HeadingCell(grid, GridSection::SideHeading, CPoint(10, 125), column, row, rect))
        << "below the last row";
}
