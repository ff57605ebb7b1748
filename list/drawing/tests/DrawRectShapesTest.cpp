#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawShade.h"

#include "support/FakeDrawingHost.h"
#include "support/TestShapes.h"

#include <gtest/gtest.h>

TEST(DrawBox, UnfilledIsHitOnItsEdgesFilledAnywhereInside)
{
    CDrawBox box = MakeRect<CDrawBox>(0, 0, 100, 50);
    EXPECT_EQ(box.HitTest(50, 2, 3), HitCode::kBody);
    EXPECT_EQ(box.HitTest(50, 25, 3), HitCode::kNone);
    box.fillColor = RGB(255, 0, 0);
    EXPECT_EQ(box.HitTest(50, 25, 3), HitCode::kBody);
    EXPECT_EQ(box.HitTest(0, 0, 0), HitCode::kBody);
    EXPECT_EQ(box.HitTest(100, 25, 0), HitCode::kNone); // right edge excluded
    EXPECT_EQ(box.HitTest(50, 50, 0), HitCode::kNone);
}

TEST(DrawBox, HandlesCountOnlyWhileSelected)
{
    CDrawBox box = MakeRect<CDrawBox>(0, 0, 100, 50);
    EXPECT_EQ(box.HitTest(100, 0, 3), HitCode::kBody);
    box.selected = true;
    EXPECT_EQ(box.HitTest(1, 1, 3), HitCode::kTopLeftBottomRight);
    EXPECT_EQ(box.HitTest(100, 0, 3), HitCode::kTopRightBottomLeft);
    EXPECT_EQ(box.HitTest(99, 51, 3), HitCode::kTopLeftBottomRight);
    EXPECT_EQ(box.HitTest(0, 50, 3), HitCode::kTopRightBottomLeft);
    EXPECT_EQ(box.HitTest(50, 0, 3), HitCode::kTopBottom);
    EXPECT_EQ(box.HitTest(50, 50, 3), HitCode::kTopBottom);
    EXPECT_EQ(box.HitTest(100, 25, 3), HitCode::kLeftRight);
    EXPECT_EQ(box.HitTest(0, 25, 3), HitCode::kLeftRight);
    EXPECT_EQ(box.HitTest(30, 0, 3), HitCode::kBody);
}

TEST(DrawBox, HandlePointsInTheirOrder)
{
    CDrawBox box = MakeRect<CDrawBox>(0, 0, 11, 21);
    CPointArray points;
    box.AddHandlePoints(points);
    ASSERT_EQ(points.GetSize(), 8);
    const CPoint expected[] = {{0, 0}, {11, 0}, {11, 21}, {0, 21}, {5, 0}, {5, 21}, {11, 10}, {0, 10}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(points.Point(i), expected[i]) << "handle " << i;
    }
}

TEST(DrawRectShape, ResizingByHandlesKeepsTheRectangleNormalised)
{
    CDrawBox box = MakeRect<CDrawBox>(0, 0, 10, 10);
    box.MoveResize(HitCode::kLeftRight, 10, 5, -5, 5, 3);
    EXPECT_EQ(box.GetRect(), CRect(-5, 0, 0, 10));

    CDrawBox corner = MakeRect<CDrawBox>(0, 0, 100, 100);
    corner.MoveResize(HitCode::kTopLeftBottomRight, 100, 100, 120, 90, 3);
    EXPECT_EQ(corner.GetRect(), CRect(0, 0, 120, 90));
    corner.MoveResize(HitCode::kTopRightBottomLeft, 0, 90, 10, 80, 3);
    EXPECT_EQ(corner.GetRect(), CRect(10, 0, 120, 80));
    corner.MoveResize(HitCode::kTopBottom, 65, 0, 65, 30, 3);
    EXPECT_EQ(corner.GetRect(), CRect(10, 30, 120, 80));
    corner.MoveResize(HitCode::kBody, 0, 0, 5, -5, 3);
    EXPECT_EQ(corner.GetRect(), CRect(15, 25, 125, 75));
    // A press away from every handle changes nothing.
    corner.MoveResize(HitCode::kTopLeftBottomRight, 60, 50, 0, 0, 3);
    EXPECT_EQ(corner.GetRect(), CRect(15, 25, 125, 75));
}

TEST(DrawRectShape, QuarterTurnsInTheSameFrame)
{
    CRect frame(0, 0, 100, 50);
    CDrawBox left = MakeRect<CDrawBox>(0, 0, 100, 50);
    left.Rotate(1, frame);
    EXPECT_EQ(left.GetRect(), CRect(0, 0, 50, 100));
    CDrawBox right = MakeRect<CDrawBox>(0, 0, 100, 50);
    right.Rotate(-1, frame);
    EXPECT_EQ(right.GetRect(), CRect(0, 0, 50, 100));
    CDrawBox full = MakeRect<CDrawBox>(0, 0, 100, 50);
    full.Rotate(4, frame);
    EXPECT_EQ(full.GetRect(), CRect(0, 0, 100, 50));

    CDrawShade shade = MakeRect<CDrawShade>(10, 5, 30, 15);
    shade.Rotate(1, frame); // (10, 5) -> (5, 90), (30, 15) -> (15, 70)
    EXPECT_EQ(shade.GetRect(), CRect(5, 70, 15, 90));
    shade.Rotate(2, CRect(0, 0, 50, 100));
    EXPECT_EQ(shade.GetRect(), CRect(35, 10, 45, 30));
}

TEST(DrawRectShape, FlipsMirrorWithinTheFrameUnlessTheyAreTheFrame)
{
    CDrawBox box = MakeRect<CDrawBox>(10, 20, 30, 60);
    box.FlipHorizontal(CRect(10, 20, 30, 60));
    box.FlipVertical(CRect(10, 20, 30, 60));
    EXPECT_EQ(box.GetRect(), CRect(10, 20, 30, 60));
    box.FlipHorizontal(CRect(0, 0, 100, 100));
    EXPECT_EQ(box.GetRect(), CRect(70, 20, 90, 60));
    box.FlipVertical(CRect(0, 0, 100, 100));
    EXPECT_EQ(box.GetRect(), CRect(70, 40, 90, 80));
}

TEST(DrawEllipse, HitInsideWhetherFilledOrNot)
{
    CDrawEllipse ellipse = MakeRect<CDrawEllipse>(0, 0, 100, 50);
    EXPECT_EQ(ellipse.HitTest(50, 25, 3), HitCode::kBody);
    EXPECT_EQ(ellipse.HitTest(2, 2, 3), HitCode::kNone); // corner outside the curve
    EXPECT_EQ(ellipse.HitTest(104, 25, 3), HitCode::kNone);
    ellipse.selected = true;
    EXPECT_EQ(ellipse.HitTest(2, 2, 3), HitCode::kTopLeftBottomRight);
    EXPECT_EQ(ellipse.HitTest(20, 1, 3), HitCode::kBody); // on the frame edge
    // A flat ellipse is hit along its line without dividing by its zero height.
    CDrawEllipse flat = MakeRect<CDrawEllipse>(0, 10, 100, 10);
    EXPECT_EQ(flat.HitTest(40, 11, 3), HitCode::kBody);
}

TEST(DrawRectShape, SelectionRectangleCatchesByKind)
{
    CDrawBox box = MakeRect<CDrawBox>(0, 0, 100, 100);
    EXPECT_TRUE(box.IntersectsRect(CRect(90, 90, 200, 200)));
    EXPECT_FALSE(box.IntersectsRect(CRect(100, 0, 200, 200)));
    CDrawEllipse ellipse = MakeRect<CDrawEllipse>(0, 0, 100, 100);
    EXPECT_FALSE(ellipse.IntersectsRect(CRect(90, 90, 200, 200))); // corner only
    EXPECT_TRUE(ellipse.IntersectsRect(CRect(90, 40, 200, 60)));   // right middle
    CDrawArea area = MakeRect<CDrawArea>(0, 0, 100, 100);
    EXPECT_FALSE(area.IntersectsRect(CRect(-10, -10, 1000, 1000)));
}

TEST(DrawArea, OnlyItsFrameIsHitAndItIsNotCopied)
{
    CDrawArea area = MakeRect<CDrawArea>(0, 0, 640, 480);
    EXPECT_EQ(area.HitTest(320, 240, 3), HitCode::kNone);
    EXPECT_EQ(area.HitTest(320, 478, 3), HitCode::kBody);
    EXPECT_EQ(area.Clone(), nullptr);
}

TEST(DrawArea, DragCornerKeepsTheAspectUnlessFree)
{
    CDrawArea area;
    area.DragCornerKeepAspect(640, 480, 100, 30, false);
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 100, 75));
    area.DragCornerKeepAspect(640, 480, 30, 120, false);
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 160, 120));
    area.DragCornerKeepAspect(640, 480, -100, -30, false);
    EXPECT_EQ(area.GetRect(), CRect(0, 0, -100, -75));
    area.DragCornerKeepAspect(640, 480, 100, 30, true);
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 100, 30));
    // No reference size: nothing to keep.
    area.DragCornerKeepAspect(0, 0, 7, 9, false);
    EXPECT_EQ(area.GetRect(), CRect(0, 0, 7, 9));
}

TEST(DrawRectShape, ClonesCopyEverythingButTheSelection)
{
    CDrawEllipse ellipse = MakeRect<CDrawEllipse>(1, 2, 3, 4);
    ellipse.borderWidth = 5;
    ellipse.borderColor = RGB(1, 2, 3);
    ellipse.fillColor = RGB(4, 5, 6);
    ellipse.shadow = {2, 3, RGB(7, 8, 9), 1};
    ellipse.selected = true;
    std::unique_ptr<CDrawShape> copy = ellipse.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->KindName(), DrawKind::kEllipse);
    auto& e = static_cast<CDrawEllipse&>(*copy);
    EXPECT_EQ(e.GetRect(), CRect(1, 2, 3, 4));
    EXPECT_EQ(e.borderWidth, 5);
    EXPECT_EQ(e.borderColor, RGB(1, 2, 3));
    EXPECT_EQ(e.fillColor, RGB(4, 5, 6));
    EXPECT_EQ(e.shadow, ellipse.shadow);
    EXPECT_FALSE(e.selected);

    CDrawShade shade = MakeRect<CDrawShade>(0, 0, 20, 20);
    shade.dot = 3;
    auto shadeCopy = shade.Clone();
    EXPECT_EQ(static_cast<CDrawShade&>(*shadeCopy).dot, 3);
}

TEST(DrawShape, PropertiesRunTheKindsDialog)
{
    FakeDrawingHost host;
    CDrawBox box;
    CDrawArea area;
    EXPECT_TRUE(box.Properties(host));
    host.answer = false;
    EXPECT_FALSE(area.Properties(host));
    EXPECT_EQ(host.dialogsRun, (std::vector<std::string>{"box", "area"}));
    EXPECT_TRUE(host.reports.empty());
}

TEST(DrawShape, AFailingDialogIsReportedAndCountsAsDone)
{
    FakeDrawingHost host;
    host.answer = false;
    host.onDialog = [] { throw std::runtime_error("dialog failed"); };
    CDrawEllipse ellipse;
    EXPECT_TRUE(ellipse.Properties(host));
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].sourceFile, "EditPhotoDoc");
}
