// The effects and frames of drags over a list grid.
#include "app/GridDragState.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto Corners(const CGridDragState::Block& block)
{
    return std::make_tuple(block.left, block.top, block.right, block.bottom);
}

} // namespace

TEST(GridDragState, WithinOneGridADragMovesAndCtrlCopiesFromElsewhereItCopies)
{
    CGridDragState drag;
    CGridDragState::Block frame{};
    drag.BeginOwnDrag(3, 2);
    drag.Enter();
    EXPECT_EQ(drag.Over(4, 5, true, false, false, frame), CGridDragState::kMove);
    EXPECT_EQ(Corners(frame), std::make_tuple(4, 5, 6, 6));
    EXPECT_EQ(drag.Over(4, 5, true, true, false, frame), CGridDragState::kCopy);
    EXPECT_EQ(drag.Over(4, 5, false, false, false, frame), CGridDragState::kNone);
    EXPECT_EQ(frame.left, -1);
    drag.EndDrag();

    drag.Enter();
    EXPECT_EQ(drag.Over(1, 1, true, false, false, frame), CGridDragState::kCopy);
    EXPECT_EQ(Corners(frame), std::make_tuple(1, 1, 1, 1));
}

TEST(GridDragState, EscCancelsTheRestOfTheDrag)
{
    CGridDragState drag;
    CGridDragState::Block frame{};
    drag.Enter();
    EXPECT_EQ(drag.Over(0, 0, true, false, true, frame), CGridDragState::kNone);
    EXPECT_EQ(drag.Over(0, 0, true, false, false, frame), CGridDragState::kNone);
    int effect = -1;
    EXPECT_EQ(drag.Drop(0, 0, true, false, false, {5, 5, 5, 5}, effect), CGridDragState::DropAction::None);
    EXPECT_EQ(effect, CGridDragState::kNone);
}

TEST(GridDragState, DroppingOntoTheDraggedBlockIsRefusedOnlyInsideIt)
{
    CGridDragState drag;
    const CGridDragState::Block selection{2, 2, 3, 4};
    drag.BeginOwnDrag(2, 3);
    drag.Enter();
    int effect = 0;
    EXPECT_EQ(drag.Drop(3, 4, true, false, false, selection, effect), CGridDragState::DropAction::Refuse);
    // Overlapping the block from outside it is a move like any other.
    EXPECT_EQ(drag.Drop(1, 3, true, false, false, selection, effect), CGridDragState::DropAction::Paste);
    EXPECT_EQ(effect, CGridDragState::kMove);
}

TEST(GridDragState, AFillDragFramesTheBlockToThePointersLineEitherWay)
{
    CGridDragState drag;
    CGridDragState::Block frame{};
    drag.BeginFillDrag({1, 4, 2, 5});
    drag.Enter();
    EXPECT_EQ(drag.Over(0, 9, true, true, false, frame), CGridDragState::kMove);
    EXPECT_EQ(Corners(frame), std::make_tuple(1, 4, 2, 9));
    drag.Over(7, 1, true, false, false, frame);
    EXPECT_EQ(Corners(frame), std::make_tuple(1, 1, 2, 5));
    int effect = 0;
    EXPECT_EQ(drag.Drop(0, 9, true, false, false, {1, 4, 2, 5}, effect), CGridDragState::DropAction::Fill);
}

TEST(GridDragState, APressBecomesADragOnlyPastTheThresholdAndOnlyOnce)
{
    CGridDragState drag;
    EXPECT_EQ(drag.MoveTo(50, 50, 4, 4), CGridDragState::Press::None) << "nothing armed";
    drag.Arm(CGridDragState::Press::Cells, 100, 200);
    EXPECT_EQ(drag.MoveTo(104, 196, 4, 4), CGridDragState::Press::None) << "the threshold itself is not past it";
    EXPECT_TRUE(drag.IsArmed());
    EXPECT_EQ(drag.MoveTo(100, 205, 4, 4), CGridDragState::Press::Cells);
    EXPECT_FALSE(drag.IsArmed());
    EXPECT_EQ(drag.MoveTo(150, 250, 4, 4), CGridDragState::Press::None) << "the drag starts once";

    drag.Arm(CGridDragState::Press::Fill, 10, 10);
    drag.Disarm();
    EXPECT_EQ(drag.MoveTo(40, 40, 4, 4), CGridDragState::Press::None) << "a release or Esc came first";
    drag.Arm(CGridDragState::Press::Fill, 10, 10);
    EXPECT_EQ(drag.MoveTo(5, 10, 4, 4), CGridDragState::Press::Fill);
}
