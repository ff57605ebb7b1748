#include "platform/canvas/Canvas.h"
#include "support/CanvasTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

} // namespace

TEST(CanvasRectangles, RectangleCoversLeftTopButNotRightBottom)
{
    Bitmap bitmap = FilledBitmap(20, 12, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectBrush(Canvas::Brush::Solid(kRed));
        canvas.Rectangle(0, 0, 10, 5);
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(0, 0, 10, 5));
    // Outline in the pen's black on the outermost pixels, the brush inside.
    EXPECT_EQ(ColorAt(bitmap, 0, 0), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 9, 4), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 9, 2), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 5, 2), kRed);
    EXPECT_EQ(ColorAt(bitmap, 10, 2), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 5, 5), kWhite);
}

TEST(CanvasRectangles, NullPenRectangleIsOnePixelSmaller)
{
    Bitmap bitmap = FilledBitmap(20, 12, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectPen({PS_NULL, 0, kBlack});
        canvas.SelectBrush(Canvas::Brush::Solid(kRed));
        canvas.Rectangle(2, 3, 12, 8);
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(2, 3, 11, 7));
}

TEST(CanvasRectangles, FillRectAndFrameRectExcludeRightAndBottom)
{
    Bitmap bitmap = FilledBitmap(20, 12, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.FillRect(CRect(1, 1, 6, 4), kRed);
        canvas.FrameRect(CRect(8, 2, 14, 9), kBlack);
        canvas.FillRect(CRect(18, 0, 15, 3), kBlack); // unordered corners are normalised
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(1, 0, 18, 9));
    EXPECT_EQ(ColorAt(bitmap, 5, 3), kRed);
    EXPECT_EQ(ColorAt(bitmap, 6, 3), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 5, 4), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 13, 8), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 12, 7), kWhite); // a frame, not a fill
    EXPECT_EQ(ColorAt(bitmap, 14, 8), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 17, 2), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 18, 2), kWhite);
}

TEST(CanvasLines, OnePixelLineLeavesOutItsEndPixel)
{
    Bitmap bitmap = FilledBitmap(20, 20, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.MoveTo(2, 3);
        canvas.LineTo(8, 3);
        canvas.MoveTo(10, 10);
        canvas.LineTo(15, 15);
        canvas.MoveTo(18, 12);
        canvas.LineTo(18, 5); // upwards
    }
    EXPECT_EQ(ColorAt(bitmap, 2, 3), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 7, 3), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 8, 3), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 10, 10), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 14, 14), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 15, 15), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 18, 12), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 18, 6), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 18, 5), kWhite);
    EXPECT_EQ(InkCount(bitmap, kWhite), 6 + 5 + 7);
}

TEST(CanvasLines, ShallowLineStepsOnePixelPerColumn)
{
    Bitmap bitmap = FilledBitmap(12, 5, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.MoveTo(0, 0);
        canvas.LineTo(10, 3);
    }
    for (int x = 0; x < 10; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 5; ++y) {
            inColumn += ColorAt(bitmap, x, y) == kBlack ? 1 : 0;
        }
        EXPECT_EQ(inColumn, 1) << "column " << x;
    }
    EXPECT_EQ(ColorAt(bitmap, 10, 3), kWhite);
}

TEST(CanvasLines, AbsurdlyLongLinesCostOnlyWhatShows)
{
    Bitmap bitmap = FilledBitmap(20, 20, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectPen({PS_DOT, 0, kBlack});
        canvas.MoveTo(-2'000'000'000, 10);
        canvas.LineTo(2'000'000'000, 10);
        canvas.SelectPen({PS_SOLID, 0, kBlack});
        canvas.MoveTo(-1'000'000'000, -1'000'000'000);
        canvas.LineTo(1'000'000'000, 1'000'000'000);
        canvas.DrawFocusRect(CRect(-2'000'000'000, 15, 2'000'000'000, 18));
    }
    int dots = 0;
    for (int x = 0; x < 20; ++x) {
        dots += ColorAt(bitmap, x, 10) == kBlack ? 1 : 0;
    }
    EXPECT_GE(dots, 9);
    EXPECT_LE(dots, 12);
    EXPECT_EQ(ColorAt(bitmap, 3, 3), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 19, 19), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 4, 3), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 1, 15), kBlack); // (x + y) even
    EXPECT_EQ(ColorAt(bitmap, 0, 15), kWhite);
}

TEST(CanvasLines, PolylineDrawsEveryCornerOnceAndLeavesOutTheLastPoint)
{
    Bitmap bitmap = FilledBitmap(12, 12, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SetROP2(R2_NOT);
        const CPoint points[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}};
        canvas.Polyline(points, 4);
    }
    // Inverted once each: a corner drawn by both of its segments would be white again.
    EXPECT_EQ(ColorAt(bitmap, 6, 1), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 6, 6), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 1, 6), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 2, 6), kBlack);
    EXPECT_EQ(InkCount(bitmap, kWhite), 15);
}

TEST(CanvasLines, DottedPenAlternatesRunsOfThree)
{
    Bitmap bitmap = FilledBitmap(30, 3, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectPen({PS_DOT, 1, kBlack});
        canvas.MoveTo(0, 1);
        canvas.LineTo(24, 1);
    }
    for (int x = 0; x < 24; ++x) {
        EXPECT_EQ(ColorAt(bitmap, x, 1), (x / 3) % 2 == 0 ? kBlack : kWhite) << "x " << x;
    }
}

TEST(CanvasLines, DashedPenHasLongerRuns)
{
    Bitmap bitmap = FilledBitmap(50, 3, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectPen({PS_DASH, 0, kBlack});
        canvas.MoveTo(0, 1);
        canvas.LineTo(48, 1);
    }
    EXPECT_EQ(ColorAt(bitmap, 17, 1), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 18, 1), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 23, 1), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 24, 1), kBlack);
}

TEST(CanvasLines, WidePenIsSolidAndRoundAtBothEnds)
{
    Bitmap bitmap = FilledBitmap(40, 20, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectPen({PS_DOT, 5, kBlack}); // styles apply to one-pixel pens only
        canvas.MoveTo(10, 10);
        canvas.LineTo(30, 10);
    }
    CRect ink = InkBounds(bitmap, kWhite);
    EXPECT_EQ(ink.top, 8);
    EXPECT_EQ(ink.bottom, 13);
    EXPECT_EQ(ink.left, 8); // round cap reaches past both points
    EXPECT_EQ(ink.right, 33);
    for (int x = 10; x <= 30; ++x) {
        EXPECT_EQ(ColorAt(bitmap, x, 10), kBlack) << "x " << x;
    }
    EXPECT_EQ(ColorAt(bitmap, 8, 8), kWhite); // rounded corner
}

TEST(CanvasRasterOps, NotInvertsAndTwiceRestores)
{
    Bitmap bitmap = FilledBitmap(30, 30, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.FillRect(CRect(0, 0, 15, 30), RGB(10, 100, 200));
    }
    Bitmap before = bitmap;
    {
        Canvas canvas(bitmap);
        canvas.SetROP2(R2_NOT);
        canvas.SelectPen({PS_DOT, 0, kRed}); // the pen's colour does not matter
        canvas.SelectBrush(Canvas::Brush::Null());
        canvas.Rectangle(5, 5, 25, 25);
        canvas.MoveTo(0, 29);
        canvas.LineTo(29, 0);
    }
    EXPECT_EQ(ColorAt(bitmap, 5, 5), RGB(245, 155, 55));
    EXPECT_EQ(ColorAt(bitmap, 23, 5), kBlack);
    {
        Canvas canvas(bitmap);
        canvas.SetROP2(R2_NOT);
        canvas.SelectPen({PS_DOT, 0, kRed});
        canvas.SelectBrush(Canvas::Brush::Null());
        canvas.Rectangle(5, 5, 25, 25);
        canvas.MoveTo(0, 29);
        canvas.LineTo(29, 0);
    }
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(ColorAt(bitmap, x, y), ColorAt(before, x, y)) << x << "," << y;
        }
    }
}

TEST(CanvasRasterOps, FocusRectInvertsEveryOtherOutlinePixelAndErasesItself)
{
    Bitmap bitmap = FilledBitmap(12, 8, kWhite);
    Canvas canvas(bitmap);
    canvas.DrawFocusRect(CRect(1, 1, 11, 7));
    EXPECT_EQ(ColorAt(bitmap, 1, 1), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 2, 1), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 3, 1), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 10, 6), kBlack); // the bottom-right pixel inside the rectangle
    EXPECT_EQ(ColorAt(bitmap, 9, 6), kWhite);
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(1, 1, 11, 7));
    EXPECT_EQ(ColorAt(bitmap, 5, 4), kWhite);
    canvas.DrawFocusRect(CRect(1, 1, 11, 7));
    EXPECT_EQ(InkCount(bitmap, kWhite), 0);
}

TEST(CanvasShapes, PolygonFillModesDifferOnOverlaps)
{
    // A pentagram: its centre is inside for winding, outside for alternate.
    const CPoint star[] = {{20, 2}, {32, 38}, {2, 14}, {38, 14}, {8, 38}};
    for (int mode : {ALTERNATE, WINDING}) {
        Bitmap bitmap = FilledBitmap(40, 40, kWhite);
        {
            Canvas canvas(bitmap);
            canvas.SelectPen({PS_NULL, 0, 0});
            canvas.SelectBrush(Canvas::Brush::Solid(kBlack));
            canvas.SetPolyFillMode(mode);
            canvas.Polygon(star, 5);
        }
        EXPECT_EQ(ColorAt(bitmap, 20, 22), mode == WINDING ? kBlack : kWhite) << mode;
        EXPECT_EQ(ColorAt(bitmap, 20, 8), kBlack) << mode;
    }
}

TEST(CanvasShapes, PolygonOutlineIsClosedAndIncludesItsCorners)
{
    Bitmap bitmap = FilledBitmap(20, 20, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectBrush(Canvas::Brush::Null());
        const CPoint points[] = {{2, 2}, {12, 2}, {12, 8}, {2, 8}};
        canvas.Polygon(points, 4);
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(2, 2, 13, 9));
    EXPECT_EQ(ColorAt(bitmap, 2, 5), kBlack); // the closing edge
    EXPECT_EQ(ColorAt(bitmap, 6, 5), kWhite);
}

TEST(CanvasShapes, EllipseStaysInsideItsRectangle)
{
    Bitmap bitmap = FilledBitmap(40, 30, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SelectBrush(Canvas::Brush::Solid(kRed));
        canvas.Ellipse(CRect(5, 5, 35, 25));
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(5, 5, 35, 25));
    EXPECT_EQ(ColorAt(bitmap, 20, 15), kRed);
    EXPECT_EQ(ColorAt(bitmap, 5, 15), kBlack);
    EXPECT_EQ(ColorAt(bitmap, 6, 6), kWhite); // corners of the box stay empty
}

TEST(CanvasShapes, EdgesUseLightAndShadowColours)
{
    Bitmap bitmap = FilledBitmap(10, 10, kRed);
    Canvas canvas(bitmap);
    Canvas::EdgeColors colors;
    canvas.SetEdgeColors(colors);
    CRect rect(0, 0, 10, 10);
    canvas.DrawEdge(rect, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(rect, CRect(2, 2, 8, 8));
    EXPECT_EQ(ColorAt(bitmap, 0, 0), colors.light);
    EXPECT_EQ(ColorAt(bitmap, 9, 9), colors.darkShadow);
    EXPECT_EQ(ColorAt(bitmap, 9, 0), colors.darkShadow);
    EXPECT_EQ(ColorAt(bitmap, 1, 1), colors.highlight);
    EXPECT_EQ(ColorAt(bitmap, 8, 8), colors.shadow);
    EXPECT_EQ(ColorAt(bitmap, 5, 5), colors.face);

    CRect sunken(0, 0, 10, 10);
    canvas.DrawEdge(sunken, EDGE_SUNKEN, BF_LEFT | BF_TOP);
    EXPECT_EQ(ColorAt(bitmap, 0, 5), colors.shadow);
    EXPECT_EQ(ColorAt(bitmap, 1, 5), colors.darkShadow);
    EXPECT_EQ(ColorAt(bitmap, 9, 5), colors.darkShadow); // right side left as it was
}

TEST(CanvasPixels, SetPixelAndGetPixelMeetTheBitmap)
{
    Bitmap bitmap = FilledBitmap(4, 4, kWhite);
    Canvas canvas(bitmap);
    canvas.SetPixel(1, 2, RGB(1, 2, 3));
    EXPECT_EQ(canvas.GetPixel(1, 2), RGB(1, 2, 3));
    EXPECT_EQ(ColorAt(bitmap, 1, 2), RGB(1, 2, 3));
    EXPECT_EQ(canvas.GetPixel(0, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(4, 0), CLR_INVALID);
    EXPECT_EQ(canvas.GetPixel(-1, 0), CLR_INVALID);
}

TEST(CanvasPixels, IndexedOrEmptyBitmapsGiveAnInertCanvas)
{
    Bitmap indexed;
    indexed.Create(4, 4, 8);
    Canvas canvas(indexed);
    EXPECT_FALSE(canvas.IsValid());
    canvas.FillRect(CRect(0, 0, 4, 4), kRed);
    EXPECT_EQ(indexed.IndexRow(0)[0], 0);
    Bitmap empty;
    EXPECT_FALSE(Canvas(empty).IsValid());
}

TEST(CanvasState, ClippingNarrowsAndRestoreWidensAgain)
{
    Bitmap bitmap = FilledBitmap(20, 20, kWhite);
    {
        Canvas canvas(bitmap);
        int depth = canvas.SaveDC();
        EXPECT_EQ(depth, 1);
        canvas.IntersectClipRect(CRect(5, 5, 10, 10));
        canvas.SelectPen({PS_NULL, 0, 0});
        EXPECT_EQ(canvas.GetClipBox(), CRect(5, 5, 10, 10));
        canvas.FillRect(CRect(0, 0, 20, 20), kRed);
        EXPECT_TRUE(canvas.RestoreDC(depth));
        EXPECT_EQ(canvas.GetPen().style, PS_SOLID);
        EXPECT_EQ(canvas.GetClipBox(), CRect(0, 0, 20, 20));
        EXPECT_FALSE(canvas.RestoreDC(-1)); // nothing left to restore
        canvas.SelectClipRect(nullptr);
        canvas.IntersectClipRect(CRect(0, 15, 20, 20));
        CRect right(15, 0, 20, 5);
        canvas.SelectClipRect(&right);
        canvas.FillRect(CRect(0, 0, 20, 20), kBlack);
    }
    EXPECT_EQ(ColorAt(bitmap, 5, 5), kRed);
    EXPECT_EQ(ColorAt(bitmap, 10, 10), kWhite);
    EXPECT_EQ(ColorAt(bitmap, 4, 5), kWhite);
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(5, 0, 20, 10));
    EXPECT_EQ(ColorAt(bitmap, 17, 2), kBlack); // the replaced clip, not the one before it
    EXPECT_EQ(ColorAt(bitmap, 17, 17), kWhite);
}

TEST(CanvasMapping, ViewportAndWindowOriginsShiftDrawing)
{
    Bitmap bitmap = FilledBitmap(20, 20, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SetViewportOrg(10, 10);
        canvas.SetWindowOrg(2, 2);
        EXPECT_EQ(canvas.LPtoDP(CPoint(2, 2)), CPoint(10, 10));
        EXPECT_EQ(canvas.DPtoLP(CPoint(0, 0)), CPoint(-8, -8));
        canvas.FillRect(CRect(2, 2, 4, 4), kBlack);
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(10, 10, 12, 12));
}

TEST(CanvasMapping, LoMetricCountsTenthsOfMillimetresUpwards)
{
    Bitmap bitmap = FilledBitmap(60, 60, kWhite);
    {
        Canvas canvas(bitmap);
        canvas.SetResolution(254); // one device pixel per 0.1 mm
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.SetViewportOrg(0, 50);
        EXPECT_EQ(canvas.LPtoDP(CPoint(10, 20)), CPoint(10, 30));
        EXPECT_EQ(canvas.LPtoDP(CSize(100, 50)), CSize(100, 50));
        canvas.FillRect(CRect(10, 20, 30, 5), kBlack); // y upwards: top above bottom
        canvas.SetResolution(508);
        EXPECT_EQ(canvas.LPtoDP(CSize(100, 50)), CSize(200, 100));
        EXPECT_EQ(canvas.DPtoLP(CSize(200, 100)), CSize(100, 50));
    }
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(10, 30, 30, 45));
}
