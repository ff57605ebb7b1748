#include "grid/MultiSelection.h"

#include "platform/VirtualKeys.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A grid of 10 x 10 cells with multiple selection on.
struct SelectingGrid : RecordingGrid
{
    SelectingGrid() : RecordingGrid(10, 10) { SetSelectionMode(1); }

    void Click(int column, int row, unsigned int keyFlags = 0)
    {
        SetSelectionTrigger(SelectionTrigger::LeftButton, keyFlags);
        MoveToCell(column, row);
        SetSelectionTrigger(SelectionTrigger::Keyboard);
    }

    std::vector<std::pair<int, int>> Cells()
    {
        std::vector<std::pair<int, int>> cells;
        int column, row;
        for (int result = FirstSelectedCell(column, row); result == 0;
             result = NextSelectedCell(column, row)) {
            cells.emplace_back(column, row);
        }
        return cells;
    }
};

using Cells = std::vector<std::pair<int, int>>;

} // namespace

TEST(MultiSelectionMouse, ShiftClickMakesOneBlockAndKeepsTheCurrentCell)
{
    SelectingGrid grid;
    grid.Click(2, 3);
    grid.Click(4, 1, MK_SHIFT);
    int left, top, right, bottom;
    ASSERT_EQ(grid.FirstSelectedBlock(left, top, right, bottom), 0);
    EXPECT_EQ(left, 2);
    EXPECT_EQ(right, 4);
    EXPECT_EQ(top, 1);
    EXPECT_EQ(bottom, 3);
    EXPECT_EQ(grid.NextSelectedBlock(left, top, right, bottom), 1);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.CurrentRow(), 3);
    EXPECT_EQ(grid.CurrentSheet()->selection.GetBlockCount(), 2); // a start and its first extension
}

TEST(MultiSelectionMouse, AClickOnTheCurrentCellAnchorsAShiftClick)
{
    SelectingGrid grid;
    grid.Click(0, 0); // (0,0) is current already
    grid.Click(1, 1, MK_SHIFT);
    EXPECT_EQ(grid.Cells(), (Cells{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
    // Clicking the far corner again starts over from it.
    grid.Click(1, 1);
    EXPECT_EQ(grid.Cells(), (Cells{{1, 1}}));
}

TEST(MultiSelectionMouse, ControlClickAddsABlockAndCellsComeRowByRow)
{
    SelectingGrid grid;
    grid.Click(1, 1);
    grid.Click(3, 0, MK_CONTROL);
    EXPECT_EQ(grid.CurrentSheet()->selection.GetBlockCount(), 2);
    EXPECT_EQ(grid.Cells(), (Cells{{3, 0}, {1, 1}}));
    EXPECT_EQ(grid.CurrentColumn(), 3);
}

TEST(MultiSelectionMouse, RightClickInsideTheSelectionKeepsIt)
{
    SelectingGrid grid;
    grid.Click(0, 0);
    grid.Click(2, 2, MK_SHIFT);
    grid.SetSelectionTrigger(SelectionTrigger::RightButton);
    grid.MoveToCell(1, 1);
    EXPECT_EQ(grid.Cells().size(), 9u);
    grid.MoveToCell(5, 5);
    EXPECT_EQ(grid.Cells(), (Cells{{5, 5}}));
}

TEST(MultiSelectionMouse, DraggingBackToTheAnchorShrinksTheBlock)
{
    SelectingGrid grid;
    grid.Click(2, 2);
    grid.SetSelectionTrigger(SelectionTrigger::MouseMove, MK_LBUTTON);
    grid.MoveToCell(4, 2);
    EXPECT_EQ(grid.Cells().size(), 3u);
    grid.MoveToCell(2, 2);
    EXPECT_EQ(grid.Cells(), (Cells{{2, 2}}));
}

TEST(MultiSelectionKeys, ShiftExtendsAndAPlainMoveStartsOver)
{
    SelectingGrid grid;
    grid.Click(1, 1);
    grid.host.keys = {VK_SHIFT};
    grid.MoveByKey(VK_RIGHT, 1, false);
    grid.MoveByKey(VK_DOWN, 1, false);
    EXPECT_EQ(grid.Cells().size(), 4u);
    EXPECT_EQ(grid.CurrentColumn(), 1);
    // Back to the clicked cell: the block shrinks to it.
    grid.MoveByKey(VK_UP, 1, false);
    grid.MoveByKey(VK_LEFT, 1, false);
    EXPECT_EQ(grid.Cells(), (Cells{{1, 1}}));
    grid.host.keys.clear();
    grid.MoveByKey(VK_RIGHT, 1, false);
    grid.MoveByKey(VK_RIGHT, 1, false);
    EXPECT_EQ(grid.Cells(), (Cells{{3, 1}}));
}

TEST(MultiSelectionKeys, ScrollingLeavesTheSelectionAlone)
{
    RecordingGrid grid(10, 100);
    grid.SetSelectionMode(1);
    grid.host.keys = {VK_SHIFT};
    grid.MoveToCell(0, 1);
    grid.MoveToCell(1, 2);
    grid.host.keys.clear();
    ASSERT_EQ(grid.CurrentSheet()->selection.GetBlockCount(), 2);
    EXPECT_EQ(grid.ScrollToTopRow(20), 0);
    EXPECT_EQ(grid.FirstVisibleRow(), 20);
    int left, top, right, bottom;
    grid.FirstSelectedBlock(left, top, right, bottom);
    EXPECT_EQ(right, 1);
    EXPECT_EQ(bottom, 2);
}

TEST(MultiSelectionWholeRows, EachSelectedRowComesOnceAndBlocksStayInsideTheColumns)
{
    RecordingGrid grid(5, 10);
    grid.CurrentSheet()->wholeRowSelection = 1;
    grid.SetSelectionMode(1);
    grid.MoveToCell(3, 2);
    grid.host.keys = {VK_SHIFT};
    grid.MoveToCell(3, 4);
    int column, row;
    std::vector<std::pair<int, int>> cells;
    for (int result = grid.FirstSelectedCell(column, row); result == 0;
         result = grid.NextSelectedCell(column, row)) {
        cells.emplace_back(column, row);
    }
    EXPECT_EQ(cells, (Cells{{0, 2}, {0, 3}, {0, 4}}));
    int left, top, right, bottom;
    grid.FirstSelectedBlock(left, top, right, bottom);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 4);
}

TEST(MultiSelectionEnumeration, WithoutBlocksTheCurrentCellIsTheSelection)
{
    RecordingGrid grid(5, 5);
    grid.MoveToCell(3, 4);
    int column = -1, row = -1;
    EXPECT_EQ(grid.FirstSelectedCell(column, row), 0);
    EXPECT_EQ(column, 3);
    EXPECT_EQ(row, 4);
    EXPECT_EQ(grid.NextSelectedCell(column, row), 1);
}

TEST(MultiSelectionBlocks, SelectBlockAndDeselectAll)
{
    RecordingGrid grid(6, 6);
    EXPECT_EQ(grid.SelectBlock(1, 1, 2, 2), 1); // multiple selection is off
    grid.SetSelectionMode(1);
    EXPECT_EQ(grid.SelectBlock(4, 4, 1, 2), 0);
    int left, top, right, bottom;
    grid.FirstSelectedBlock(left, top, right, bottom);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(right, 4);
    EXPECT_EQ(bottom, 4);
    CMultiSelection& selection = grid.CurrentSheet()->selection;
    int index = -1;
    EXPECT_EQ(selection.HitTest(3, 3, &index), 1);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(selection.HitTest(0, 3, &index), 0);
    grid.DeselectAll();
    EXPECT_EQ(selection.GetBlockCount(), 0);
    EXPECT_EQ(selection.GetAnchor(left, top), 1);
}

TEST(MultiSelectionBlocks, ExtendingQueuesTheCellsThatChanged)
{
    RecordingGrid grid(8, 8);
    CMultiSelection& selection = grid.CurrentSheet()->selection;
    selection.SetMode(SelectionMode::Cells);
    grid.RangeList().Clear();
    selection.StartBlock(1, 1);
    EXPECT_EQ(selection.ExtendBlock(3, 4), 0);
    CCellRangeList& queue = grid.RangeList();
    EXPECT_TRUE(queue.Contains(3, 4));
    EXPECT_TRUE(queue.Contains(1, 4));
    EXPECT_TRUE(queue.Contains(3, 1));
    EXPECT_FALSE(queue.Contains(5, 5));
    selection.Clear();
    EXPECT_EQ(selection.ExtendBlock(2, 2), 1);
}
