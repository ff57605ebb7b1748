#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"

#include "support/TestShapes.h"

#include <gtest/gtest.h>

TEST(DrawPolygon, ClosingEdgeHitsThePolygonButNotTheFreeLine)
{
    auto polygon = MakeThrough<CDrawPolygon>({{0, 0}, {100, 0}, {100, 100}});
    auto freeLine = MakeThrough<CDrawFreeLine>({{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(polygon.HitTest(50, 51, 2), HitCode::kBody);
    EXPECT_EQ(freeLine.HitTest(50, 51, 2), HitCode::kNone);
    EXPECT_EQ(freeLine.HitTest(50, 1, 2), HitCode::kBody);
    // The inside of a filled polygon is not hit.
    polygon.fillColor = RGB(0, 0, 255);
    EXPECT_EQ(polygon.HitTest(80, 30, 2), HitCode::kNone);
}

TEST(DrawPolygon, SelectedVertexIsGrabbedAndMovedAlone)
{
    auto polygon = MakeThrough<CDrawPolygon>({{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(polygon.HitTest(101, 99, 2), HitCode::kBody);
    polygon.selected = true;
    EXPECT_EQ(polygon.HitTest(101, 99, 2), HitCode::kVertex);
    polygon.MoveResize(HitCode::kVertex, 101, 99, 121, 129, 2);
    EXPECT_EQ(polygon.points.Point(0), CPoint(0, 0));
    EXPECT_EQ(polygon.points.Point(1), CPoint(100, 0));
    EXPECT_EQ(polygon.points.Point(2), CPoint(120, 130));
    polygon.MoveResize(HitCode::kBody, 0, 0, -10, 5, 2);
    EXPECT_EQ(polygon.points.Point(0), CPoint(-10, 5));
    EXPECT_EQ(polygon.points.Point(2), CPoint(110, 135));
    // Resize modes of the rectangle shapes do nothing to points.
    polygon.MoveResize(HitCode::kTopLeftBottomRight, -10, 5, 0, 0, 2);
    EXPECT_EQ(polygon.points.Point(0), CPoint(-10, 5));
}

TEST(DrawPointListShape, BoundsOfThePointsOrTheEmptyStart)
{
    auto polygon = MakeThrough<CDrawPolygon>({{300, 20}, {0, 500}, {120, 7}});
    EXPECT_EQ(polygon.GetRect(), CRect(0, 7, 300, 500));
    CDrawPolygon empty;
    EXPECT_EQ(empty.GetRect(), CRect(9999, 9999, -9999, -9999));
    EXPECT_TRUE(polygon.IntersectsRect(CRect(100, 0, 200, 10)));
    EXPECT_FALSE(polygon.IntersectsRect(CRect(100, 100, 200, 200)));
}

TEST(DrawPointListShape, ShortPointListsAreHandledWithoutFailing)
{
    // Files can hold polygons and freelines with fewer points than the editor makes.
    CDrawPolygon none;
    EXPECT_EQ(none.HitTest(0, 0, 3), HitCode::kNone);
    auto one = MakeThrough<CDrawFreeLine>({{5, 5}});
    EXPECT_EQ(one.HitTest(5, 5, 3), HitCode::kNone);
    one.selected = true;
    EXPECT_EQ(one.HitTest(5, 5, 3), HitCode::kVertex);
    auto two = MakeThrough<CDrawPolygon>({{0, 0}, {50, 0}});
    EXPECT_EQ(two.HitTest(25, 1, 2), HitCode::kBody);
    two.Rotate(1, CRect(0, 0, 50, 50));
    EXPECT_EQ(two.points.Point(1), CPoint(0, 0));
}

TEST(DrawPointListShape, FlipsAndTurnsMapEveryPoint)
{
    auto freeLine = MakeThrough<CDrawFreeLine>({{0, 0}, {10, 0}, {10, 20}});
    freeLine.FlipHorizontal(CRect(0, 0, 10, 20));
    EXPECT_EQ(freeLine.points.Point(0), CPoint(10, 0));
    EXPECT_EQ(freeLine.points.Point(2), CPoint(0, 20));
    freeLine.FlipVertical(CRect(0, 0, 10, 20));
    EXPECT_EQ(freeLine.points.Point(0), CPoint(10, 20));
    freeLine.Rotate(-1, CRect(0, 0, 10, 20)); // (x, y) -> (20 - y, x)
    EXPECT_EQ(freeLine.points.Point(0), CPoint(0, 10));
    EXPECT_EQ(freeLine.points.Point(2), CPoint(20, 0));
}

TEST(DrawLine, EndsAreHandlesAndTheSegmentIsTheBody)
{
    CDrawLine line = MakeLine(0, 0, 100, 50);
    EXPECT_EQ(line.HitTest(1, 1, 3), HitCode::kBody);
    EXPECT_EQ(line.HitTest(50, 40, 3), HitCode::kNone);
    line.selected = true;
    EXPECT_EQ(line.HitTest(1, 1, 3), HitCode::kVertex);
    EXPECT_EQ(line.HitTest(99, 52, 3), HitCode::kVertex);
    line.MoveResize(HitCode::kVertex, 99, 52, 109, 62, 3);
    EXPECT_EQ(line.start, CPoint(0, 0));
    EXPECT_EQ(line.end, CPoint(110, 60));
    EXPECT_EQ(line.GetRect(), CRect(0, 0, 110, 60));
    CDrawLine backwards = MakeLine(10, 20, 0, 5);
    EXPECT_EQ(backwards.GetRect(), CRect(0, 5, 10, 20));
}

TEST(DrawLine, BoundsOfEndsFarOutAreTheEndsThemselves)
{
    // Unlike a point list's extent, which starts from (9999, 9999, -9999, -9999).
    CDrawLine line = MakeLine(12000, 10500, 10200, 11000);
    EXPECT_EQ(line.GetRect(), CRect(10200, 10500, 12000, 11000));
}

TEST(DrawLine, HitsMovesAndTurnsAsAFreeLineThroughItsEnds)
{
    CDrawLine line = MakeLine(0, 0, 100, 50);
    auto freeLine = MakeThrough<CDrawFreeLine>({{0, 0}, {100, 50}});
    for (bool selected : {false, true}) {
        line.selected = freeLine.selected = selected;
        for (const CPoint& p :
             {CPoint(1, 1), CPoint(50, 25), CPoint(50, 40), CPoint(99, 52), CPoint(-3, 0)}) {
            EXPECT_EQ(line.HitTest(p.x, p.y, 3), freeLine.HitTest(p.x, p.y, 3)) << p.x << "," << p.y;
        }
    }
    auto sameEnds = [&](const char* step) {
        EXPECT_EQ(line.start, freeLine.points.Point(0)) << step;
        EXPECT_EQ(line.end, freeLine.points.Point(1)) << step;
    };
    line.MoveResize(HitCode::kVertex, 1, 1, 11, 21, 3);
    freeLine.MoveResize(HitCode::kVertex, 1, 1, 11, 21, 3);
    sameEnds("start moved");
    line.MoveResize(HitCode::kBody, 0, 0, -5, 7, 3);
    freeLine.MoveResize(HitCode::kBody, 0, 0, -5, 7, 3);
    sameEnds("moved whole");
    const CRect frame(0, 0, 120, 80);
    line.FlipHorizontal(frame);
    freeLine.FlipHorizontal(frame);
    sameEnds("flipped left to right");
    line.FlipVertical(frame);
    freeLine.FlipVertical(frame);
    sameEnds("flipped top to bottom");
    for (int turns : {1, -1, 2, 0, 7}) {
        line.Rotate(turns, frame);
        freeLine.Rotate(turns, frame);
        sameEnds("turned");
    }
    CPointArray lineHandles;
    line.AddHandlePoints(lineHandles);
    ASSERT_EQ(lineHandles.GetSize(), 2);
    EXPECT_EQ(lineHandles.Point(0), line.start);
    EXPECT_EQ(lineHandles.Point(1), line.end);
}

TEST(DrawLine, QuarterTurnWithinItsOwnFrame)
{
    CDrawLine line = MakeLine(0, 0, 10, 0);
    line.Rotate(1, CRect(0, 0, 10, 0));
    EXPECT_EQ(line.start, CPoint(0, 10));
    EXPECT_EQ(line.end, CPoint(0, 0));
}

TEST(DrawLine, SelectionRectangleNeedsAnEndPoint)
{
    CDrawLine line = MakeLine(0, 0, 100, 100);
    EXPECT_FALSE(line.IntersectsRect(CRect(40, 40, 60, 60)));
    EXPECT_TRUE(line.IntersectsRect(CRect(90, 90, 101, 101)));
    EXPECT_FALSE(line.IntersectsRect(CRect(90, 90, 100, 100)));
}

TEST(DrawPointShapes, ClonesAreDeepCopies)
{
    auto freeLine = MakeThrough<CDrawFreeLine>({{1, 2}, {3, 4}});
    freeLine.startArrow = {10, 30, true};
    freeLine.width = 4;
    freeLine.selected = true;
    auto copy = freeLine.Clone();
    auto& f = static_cast<CDrawFreeLine&>(*copy);
    freeLine.points.Point(0) = CPoint(9, 9);
    EXPECT_EQ(f.points.GetSize(), 2);
    EXPECT_EQ(f.points.Point(0), CPoint(1, 2));
    EXPECT_EQ(f.startArrow, (ArrowRecord{10, 30, true}));
    EXPECT_EQ(f.width, 4);
    EXPECT_FALSE(f.selected);

    CDrawLine line = MakeLine(1, 2, 3, 4);
    line.endArrow = {5, 6, false};
    line.color = RGB(1, 1, 1);
    auto lineCopy = line.Clone();
    auto& l = static_cast<CDrawLine&>(*lineCopy);
    EXPECT_EQ(l.end, CPoint(3, 4));
    EXPECT_EQ(l.endArrow, line.endArrow);
    EXPECT_EQ(l.color, RGB(1, 1, 1));
}
