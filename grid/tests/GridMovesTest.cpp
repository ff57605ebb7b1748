#include "grid/CellGridCore.h"
#include "grid/KeyRepeat.h"

#include "platform/VirtualKeys.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

TEST(GridMoveToCell, ClampsToTheSheetAndReportsTheChange)
{
    RecordingGrid grid(4, 4);
    EXPECT_EQ(grid.MoveToCell(9, 2), 0);
    EXPECT_EQ(grid.CurrentColumn(), 3);
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_TRUE(grid.Saw("OnCellChanged 0 3 0 2"));
    EXPECT_EQ(grid.MoveToCell(9, 2), 1); // already in the last column
    EXPECT_EQ(grid.MoveToCell(-5, -5), 0);
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.MoveToCell(0, 0), 0);
}

TEST(GridMoveToCell, ASheetWithoutColumnsOrRowsHasNoCellToMoveTo)
{
    // Rows come before the columns while a list window is still being built.
    RecordingGrid noColumns(0, 3);
    EXPECT_EQ(noColumns.MoveToCell(-1, -1), 1);
    EXPECT_EQ(noColumns.MoveToCell(2, 1), 1);
    EXPECT_EQ(noColumns.CurrentColumn(), -1);
    RecordingGrid noRows(3, 0);
    EXPECT_EQ(noRows.MoveToCell(1, 0), 1);
    EXPECT_EQ(noRows.CurrentRow(), -1);
    noRows.SetRowCount(2);
    EXPECT_EQ(noRows.MoveToCell(1, 1), 0) << "once there are rows, moves work";
}

TEST(GridMoveToCell, ARefusalKeepsEverything)
{
    RecordingGrid grid(4, 4);
    grid.allowMoves = 0;
    EXPECT_EQ(grid.MoveToCell(2, 2), 2);
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_TRUE(grid.Saw("OnCanMoveCell 0 0 2 2"));
    EXPECT_FALSE(grid.Saw("OnCellChanged 0 2 0 2"));
}

TEST(GridMoveToCell, PastTheLastRowTheOwnerMayAddRows)
{
    RecordingGrid grid(2, 3);
    grid.MoveToCell(0, 2);
    grid.Forget();
    EXPECT_EQ(grid.MoveByKey(VK_DOWN, 1, false), 1);
    EXPECT_TRUE(grid.Saw("OnPastLastRow 3 1"));
    EXPECT_EQ(grid.CurrentRow(), 2);
    grid.rowsToAdd = 1;
    EXPECT_EQ(grid.MoveByKey(VK_DOWN, 1, false), 0);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.CurrentRow(), 3);
}

TEST(GridMoveToCell, MovesOutOfViewAskBeforeScrolling)
{
    RecordingGrid grid(20, 100);
    grid.allowScrolls = 0;
    EXPECT_EQ(grid.MoveToCell(0, 50), 2);
    EXPECT_TRUE(grid.Saw("OnCanScroll 0 0 0 50"));
    grid.allowScrolls = 1;
    EXPECT_EQ(grid.MoveToCell(0, 50), 0);
    // The row is brought into view at the bottom: 22 whole rows of 20 fit in 443 pixels.
    EXPECT_EQ(grid.FirstVisibleRow(), 29);
    EXPECT_TRUE(grid.Saw("OnTopRowChanged 0 29"));
    EXPECT_EQ(grid.MoveToCell(0, 10), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 10);
    EXPECT_EQ(grid.MoveToCell(12, 10), 0);
    EXPECT_EQ(grid.FirstVisibleColumn(), 6);
}

TEST(GridJoins, MovingOntoAJoinLandsOnItsFirstCell)
{
    RecordingGrid grid(8, 5);
    EXPECT_EQ(grid.MergeCellRange(2, 1, 4, 2), 0);
    grid.MoveToCell(4, 2);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.CurrentRow(), 1);
    // Right and down leave the join past its far edge.
    grid.MoveByKey(VK_RIGHT, 1, false);
    EXPECT_EQ(grid.CurrentColumn(), 5);
    grid.MoveToCell(2, 1);
    grid.MoveByKey(VK_DOWN, 1, false);
    EXPECT_EQ(grid.CurrentRow(), 3);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    // From below, up enters the join at its first cell.
    grid.MoveToCell(3, 3);
    grid.MoveByKey(VK_UP, 1, false);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.CurrentRow(), 1);
    // Up out of a join on row 1 reaches row 0.
    grid.MoveByKey(VK_UP, 1, false);
    EXPECT_EQ(grid.CurrentRow(), 0);
}

TEST(GridJoins, JoinRecordsMarkTheFirstCellAndTheOffsets)
{
    RecordingGrid grid(6, 4);
    EXPECT_EQ(grid.MergeCellRange(2, 1, 4, 2), 0);
    CCellRecord record;
    int first, columns, rows;
    grid.ReadCell(2, 1, record);
    ASSERT_EQ(record.GetJoin(first, columns, rows), 0);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(columns, 2);
    EXPECT_EQ(rows, 1);
    grid.ReadCell(4, 2, record);
    ASSERT_EQ(record.GetJoin(first, columns, rows), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(columns, -2);
    EXPECT_EQ(rows, -1);
    EXPECT_EQ(grid.MergeCellRange(4, 1, 6, 1), 1);
    EXPECT_EQ(grid.MergeCellRange(3, 1, 2, 1), 1);
    CRect rect;
    grid.GetCellRect(3, 2, rect);
    EXPECT_EQ(rect, CRect(150, 20, 375, 60));
    int column, row;
    EXPECT_EQ(grid.HitTestCell(300, 45, column, row), 0);
    EXPECT_EQ(column, 2);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(grid.HitTestCell(599, 79, column, row), 1);
}

TEST(GridRelativeMoves, PagesAndEnds)
{
    RecordingGrid grid(3, 100);
    EXPECT_EQ(grid.MoveRows(MoveKind::PageForward), 0);
    EXPECT_EQ(grid.CurrentRow(), 23); // 23 rows of 20 fill the 460 pixels
    EXPECT_EQ(grid.MoveRows(MoveKind::Last), 0);
    EXPECT_EQ(grid.CurrentRow(), 99);
    EXPECT_EQ(grid.FirstVisibleRow(), 77);
    EXPECT_EQ(grid.MoveRows(MoveKind::PageBack), 0);
    EXPECT_EQ(grid.CurrentRow(), 76);
    EXPECT_EQ(grid.MoveByKey(VK_HOME, 1, true), 0);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.MoveByKey(VK_END, 1, false), 0);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.MoveByKey('A', 1, false), 1);
}

TEST(GridScrolling, ScrollsStayWithinTheLimitsAndStepOverHiddenRows)
{
    RecordingGrid grid(3, 100);
    EXPECT_EQ(grid.ScrollToTopRow(500), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 77);
    EXPECT_TRUE(grid.Saw("OnTopRowChanged 0 77"));
    EXPECT_TRUE(grid.Saw("OnCanScroll 0 0 0 77"));
    grid.ScrollToTopRow(51);
    grid.SetRowSize(50, 0);
    EXPECT_EQ(grid.ScrollRows(MoveKind::Back), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 49);
    EXPECT_EQ(grid.ScrollRows(MoveKind::First), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 0);
    EXPECT_EQ(grid.ScrollRows(MoveKind::Back), 0);
    EXPECT_EQ(grid.ScrollToLeftCol(2), 0);
    EXPECT_EQ(grid.FirstVisibleColumn(), 0); // three columns fit: nothing to scroll
    grid.allowScrolls = 0;
    EXPECT_EQ(grid.ScrollToTopRow(5), 2);
    EXPECT_EQ(grid.FirstVisibleRow(), 0);
}

TEST(GridScrolling, CountChangesPullTheTopRowBack)
{
    RecordingGrid grid(3, 100);
    grid.ScrollToTopRow(60);
    grid.Forget();
    grid.SetRowCount(30);
    EXPECT_EQ(grid.FirstVisibleRow(), 7);
    EXPECT_TRUE(grid.Saw("OnTopRowChanged 60 7"));
}

TEST(GridKeyRepeat, StepsGrowWithTheCubeAndStayCapped)
{
    CKeyRepeat repeat;
    int sleep = -1;
    for (int i = 0; i < 8; ++i) {
        repeat.NextStep(4, 30, &sleep);
    }
    EXPECT_EQ(repeat.NextStep(4, 30, &sleep), 9);
    EXPECT_EQ(sleep, 0);
    repeat.Reset();
    EXPECT_EQ(repeat.NextStep(4, 30, &sleep), 1);
    EXPECT_EQ(sleep, 0);
    EXPECT_EQ(repeat.NextStep(4, 30, &sleep), 1);
    EXPECT_EQ(sleep, 30);
    EXPECT_EQ(repeat.NextStep(0, 30, &sleep), 1);
    for (int i = 0; i < 100000; ++i) {
        repeat.NextStep(1, 0, nullptr);
    }
    EXPECT_EQ(repeat.NextStep(1, 0, nullptr), CKeyRepeat::kMaxStep);
}

TEST(GridKeyRepeat, ACappedStepStillEndsOnTheLastRow)
{
    RecordingGrid grid(1, 50);
    EXPECT_EQ(grid.MoveByKey(VK_DOWN, CKeyRepeat::kMaxStep, false), 0);
    EXPECT_EQ(grid.CurrentRow(), 49);
}

TEST(GridFloatingWindow, IsMovedOffTheCurrentCell)
{
    RecordingGrid grid(5, 5);
    grid.host.hasFloating = true;
    grid.host.floating = CRect(80, 30, 180, 90);
    grid.MoveToCell(1, 1);
    // Cell (1,1) lies at x 75-150, y 20-40 of the cell area; the window goes 5 pixels right of it.
    EXPECT_EQ(grid.host.floating, CRect(155, 30, 255, 90));
    grid.host.floating = CRect(1200, 20, 1280, 60);
    grid.host.screen = CRect(0, 0, 1280, 1024);
    grid.CurrentSheet()->floatingPlacement = 1;
    grid.MoveToCell(2, 1);
    EXPECT_EQ(grid.host.floating, CRect(255, 20, 335, 60));
}
