#include "foundation/AnchorLayout.h"

#include <gtest/gtest.h>

namespace {

const DialogItemInfo kTable[] = {
    {
        1000,
        DIF_MOVE_BOTTOM | DIF_SIZE_BOTTOM,
        kDefaultColor,
        kDefaultColor,
        0,
        "下へ",
    },
    {1001, DIF_MOVE_RIGHT | DIF_SIZE_RIGHT, RGB(255, 0, 0), kDefaultColor, 0, nullptr},
    {1002, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, "広がる"},
    {1003, DIF_ENTER_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, "not part of the table"},
};

const CRect kRect(10, 20, 110, 40);

} // namespace

TEST(AnchorGeometry, MovingWinsOverStretchingOnEachAxis)
{
    const CSize delta(30, 50);
    EXPECT_EQ(CAnchorLayout::Anchor(kRect, DIF_MOVE_BOTTOM | DIF_SIZE_BOTTOM, delta), CRect(10, 70, 110, 90));
    EXPECT_EQ(CAnchorLayout::Anchor(kRect, DIF_MOVE_RIGHT | DIF_SIZE_RIGHT, delta), CRect(40, 20, 140, 40));
    EXPECT_EQ(CAnchorLayout::Anchor(kRect, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, delta), CRect(10, 20, 140, 90));
    EXPECT_EQ(CAnchorLayout::Anchor(kRect, DIF_MOVE_RIGHT | DIF_SIZE_BOTTOM, delta), CRect(40, 20, 140, 90));
}

TEST(AnchorGeometry, OnlyTheFourResizeFlagsAnchor)
{
    EXPECT_FALSE(CAnchorLayout::IsAnchored(0));
    EXPECT_FALSE(CAnchorLayout::IsAnchored(DIF_ALIGN_RIGHT | DIF_CLIP_SIBLINGS | DIF_ENTER_NEXT));
    EXPECT_TRUE(CAnchorLayout::IsAnchored(DIF_SIZE_BOTTOM));
    EXPECT_TRUE(CAnchorLayout::IsAnchored(DIF_MOVE_RIGHT));
    EXPECT_EQ(CAnchorLayout::Anchor(kRect, DIF_ENTER_NEXT, CSize(5, 5)), kRect);
}

TEST(AnchorResize, ShrinkingBelowTheMinimumStopsAtTheMinimum)
{
    CAnchorLayout layout;
    layout.SetTable(kTable);
    layout.SetMinimumSize(CSize(400, 300));
    EXPECT_EQ(layout.TakeResize(CSize(500, 350), true), CSize(100, 50));
    // Down to well below the minimum: controls go back to where the minimum puts them.
    EXPECT_EQ(layout.TakeResize(CSize(200, 100), true), CSize(-100, -50));
    EXPECT_EQ(layout.GetLastSize(), CSize(400, 300));
    // Growing again moves them by the whole change above the minimum.
    EXPECT_EQ(layout.TakeResize(CSize(450, 320), true), CSize(50, 20));
}

TEST(AnchorResize, MinimisingAndRestoringTheSameSizeMovesNothing)
{
    CAnchorLayout layout;
    layout.SetTable(kTable);
    layout.SetMinimumSize(CSize(400, 300));
    EXPECT_EQ(layout.TakeResize(CSize(500, 350), true), CSize(100, 50));
    // A size reported while minimised is remembered but moves nothing.
    EXPECT_EQ(layout.TakeResize(CSize(500, 350), false), CSize());
    EXPECT_EQ(layout.TakeResize(CSize(500, 350), true), CSize());
    // A different size while minimised is taken as the new last size without moving.
    EXPECT_EQ(layout.TakeResize(CSize(600, 350), false), CSize());
    EXPECT_EQ(layout.TakeResize(CSize(600, 350), true), CSize());
}

TEST(AnchorTable, CopiesUpToTheTerminatorAndLooksUpRecords)
{
    CAnchorLayout layout;
    EXPECT_FALSE(layout.HasTable());
    EXPECT_EQ(layout.FindItemInfo(1000), nullptr);
    EXPECT_STREQ(layout.GetItemTip(1000), "");

    layout.SetTable(kTable);
    EXPECT_TRUE(layout.HasTable());
    ASSERT_EQ(layout.GetItems().size(), 4u);
    EXPECT_STREQ(layout.GetItemTip(1000), "下へ");
    EXPECT_STREQ(layout.GetItemTip(1001), "");
    EXPECT_STREQ(layout.GetItemTip(0), "");
    EXPECT_EQ(layout.FindItemInfo(9999), nullptr);
}

TEST(AnchorTable, ColoursChangeOnlyWhereGivenAndOnlyInTheCopy)
{
    CAnchorLayout layout;
    layout.SetTable(kTable);
    EXPECT_TRUE(layout.SetItemColors(1001, kDefaultColor, RGB(0, 0, 255)));
    EXPECT_EQ(layout.FindItemInfo(1001)->textColor, RGB(255, 0, 0));
    EXPECT_EQ(layout.FindItemInfo(1001)->backColor, RGB(0, 0, 255));
    EXPECT_EQ(kTable[1].backColor, kDefaultColor);
    EXPECT_FALSE(layout.SetItemColors(4711, RGB(1, 2, 3), kDefaultColor));
}

TEST(AnchorKeys, KeysMoveTheFocusOnlyWithTheirFlag)
{
    using Key = CAnchorLayout::Key;
    const unsigned all =
        DIF_UP_PREVIOUS | DIF_DOWN_NEXT | DIF_LEFT_PREVIOUS | DIF_RIGHT_NEXT | DIF_ENTER_NEXT;
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Enter), 1);
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Right), 1);
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Down), 1);
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Left), -1);
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Up), -1);
    EXPECT_EQ(CAnchorLayout::FocusStep(all, Key::Other), 0);
    // Enter without its flag is left to the dialog's default button.
    EXPECT_EQ(CAnchorLayout::FocusStep(all & ~DIF_ENTER_NEXT, Key::Enter), 0);
    EXPECT_EQ(CAnchorLayout::FocusStep(DIF_ENTER_NEXT, Key::Down), 0);
}
