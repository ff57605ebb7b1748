#include "list/drawing/DrawShape.h"
#include "list/drawing/EditViewMapping.h"

#include <gtest/gtest.h>

TEST(DrawGeometry, NearPointIsASquareOfTheTolerance)
{
    EXPECT_TRUE(CDrawShape::IsNearPoint(13, 7, 10, 10, 3));
    EXPECT_FALSE(CDrawShape::IsNearPoint(14, 10, 10, 10, 3));
    EXPECT_TRUE(CDrawShape::IsNearPoint(10, 10, 10, 10, 0));
}

TEST(DrawGeometry, NearSegmentFollowsTheLineEitherWay)
{
    // Level, upright and slanting segments, tested across their length.
    EXPECT_TRUE(CDrawShape::IsNearSegment(50, 3, 0, 0, 100, 0, 3));
    EXPECT_FALSE(CDrawShape::IsNearSegment(50, 4, 0, 0, 100, 0, 3));
    EXPECT_TRUE(CDrawShape::IsNearSegment(-2, 60, 0, 0, 0, 100, 3));
    EXPECT_TRUE(CDrawShape::IsNearSegment(52, 50, 0, 0, 100, 100, 3));
    EXPECT_FALSE(CDrawShape::IsNearSegment(60, 50, 0, 0, 100, 100, 3));
    // A steep segment is judged across, not along its slope.
    EXPECT_TRUE(CDrawShape::IsNearSegment(13, 100, 10, 0, 14, 200, 3));
    // Beyond the ends by more than the tolerance.
    EXPECT_FALSE(CDrawShape::IsNearSegment(104, 0, 0, 0, 100, 0, 3));
}

TEST(DrawGeometry, ShortSegmentIsNeverHitAlongItsLength)
{
    EXPECT_FALSE(CDrawShape::IsNearSegment(1, 1, 0, 0, 2, 2, 3));
    EXPECT_FALSE(CDrawShape::IsNearSegment(0, 0, 0, 0, 0, 0, 0));
}

TEST(DrawGeometry, NegativeToleranceNeverDividesByZero)
{
    EXPECT_FALSE(CDrawShape::IsNearSegment(5, 5, 5, 0, 5, 0, -1));
    EXPECT_FALSE(CDrawShape::IsOnInnerSide(5, 5, 5, 0, 5, 0, -1));
}

TEST(DrawGeometry, NearSegmentTakesFarCoordinatesWithoutOverflow)
{
    EXPECT_TRUE(CDrawShape::IsNearSegment(500000, 500000, -1000000, -1000000, 1000000, 1000000, 3));
}

TEST(DrawGeometry, InnerSideOfTheEdgesOfATextBox)
{
    // The box (0, 0) (0, 10) (20, 10) (20, 0): edges run down, right, up and left.
    auto inside = [](int x, int y) {
        return CDrawShape::IsOnInnerSide(x, y, 0, 0, 0, 10, 0) &&
               CDrawShape::IsOnInnerSide(x, y, 0, 10, 20, 10, 0) &&
               CDrawShape::IsOnInnerSide(x, y, 20, 10, 20, 0, 0) &&
               CDrawShape::IsOnInnerSide(x, y, 20, 0, 0, 0, 0);
    };
    EXPECT_TRUE(inside(5, 5));
    EXPECT_FALSE(inside(-1, 5));
    EXPECT_FALSE(inside(21, 5));
    EXPECT_FALSE(inside(5, 11));
    EXPECT_FALSE(inside(5, -1));
    // An edge within the tolerance both ways holds nothing.
    EXPECT_FALSE(CDrawShape::IsOnInnerSide(0, 0, 0, 0, 1, 1, 2));
}

TEST(DrawGeometry, QuarterTurnsAboutAFrame)
{
    CRect frame(0, 0, 100, 50);
    EXPECT_EQ(CDrawShape::RotatePoint(CPoint(100, 0), 1, frame), CPoint(0, 0));
    EXPECT_EQ(CDrawShape::RotatePoint(CPoint(0, 0), 1, frame), CPoint(0, 100));
    EXPECT_EQ(CDrawShape::RotatePoint(CPoint(10, 20), 2, frame), CPoint(90, 30));
    EXPECT_EQ(CDrawShape::RotatePoint(CPoint(0, 0), 3, frame), CPoint(50, 0));
    EXPECT_EQ(CDrawShape::NormalizeQuarterTurns(-1), 3);
    EXPECT_EQ(CDrawShape::NormalizeQuarterTurns(4), 0);
    EXPECT_EQ(CDrawShape::NormalizeQuarterTurns(-6), 2);
}

TEST(EditViewMapping, ToleranceFollowsTheZoom)
{
    CEditViewMapping view;
    EXPECT_EQ(view.GetHitTolerance(), 3);
    view.zoom = 2500;
    EXPECT_EQ(view.GetHitTolerance(), 12);
    view.zoom = 40000;
    EXPECT_EQ(view.GetHitTolerance(), 0);
    // Below the smallest step, where large photos open, a press still hits three view pixels.
    view.zoom = 800;
    EXPECT_EQ(view.GetHitTolerance(), 37);
    view.zoom = 0;
    EXPECT_EQ(view.GetHitTolerance(), 0);
}

TEST(EditViewMapping, ConvertsBetweenPhotoViewAndClient)
{
    CEditViewMapping view;
    view.zoom = 5000;
    CPoint p(100, 60);
    view.ImageToView(p);
    EXPECT_EQ(p, CPoint(54, 34));
    CPoint v(54, 34);
    view.ViewToImage(v);
    EXPECT_EQ(v, CPoint(102, 62));
    CRect r(0, 0, 100, 50);
    view.ImageToViewRect(r);
    EXPECT_EQ(r, CRect(4, 4, 54, 29));
    view.scroll = CPoint(10, 20);
    view.ViewToClientRect(r);
    EXPECT_EQ(r, CRect(-6, -16, 44, 9));
    CPoint c(30, 40);
    view.ViewToClient(c);
    EXPECT_EQ(c, CPoint(20, 20));
}

TEST(EditViewMapping, OnlyZoomZeroAndZoomBeyondTheTopStepGiveMinusOne)
{
    CEditViewMapping view;
    // 8 % is where an 11,000-pixel photo opens: its pointer lies on photo pixels.
    view.zoom = 800;
    CPoint eight(884, 724);
    view.ViewToImage(eight);
    EXPECT_EQ(eight, CPoint(11012, 9012));
    view.zoom = 0;
    CPoint v(10, 10);
    view.ViewToImage(v);
    EXPECT_EQ(v, CPoint(-1, -1));
    view.zoom = 80001;
    CPoint p(10, 10);
    view.ImageToView(p);
    EXPECT_EQ(p, CPoint(-1, -1));
    CRect r(1, 2, 3, 4);
    view.ImageToViewRect(r);
    EXPECT_EQ(r, CRect(-1, -1, -1, -1));
    view.zoom = 80000;
    CPoint top(1, 1);
    view.ImageToView(top);
    EXPECT_EQ(top, CPoint(12, 12));
}
