#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"
#include "list/drawing/EditViewMapping.h"
#include "platform/canvas/Canvas.h"

#include "support/TestShapes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr Bitmap::Pixel kWhite = 0xFFFFFF;
constexpr Bitmap::Pixel kBlack = 0x000000;

Bitmap WhiteBitmap(int width, int height)
{
    Bitmap bitmap;
    bitmap.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        std::fill(bitmap.Row(y), bitmap.Row(y) + width, kWhite);
    }
    return bitmap;
}

Bitmap Render(const CDrawShape& shape, int width = 80, int height = 60)
{
    Bitmap bitmap = WhiteBitmap(width, height);
    Canvas dc(bitmap);
    shape.Draw(dc);
    return bitmap;
}

// Pixels that differ from expected(x, y), as "(x, y)" texts, the first few only.
std::string Mismatches(const Bitmap& bitmap, const std::function<Bitmap::Pixel(int, int)>& expected)
{
    std::string out;
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.GetPixel(x, y) != expected(x, y) && count++ < 8) {
                out += "(" + std::to_string(x) + ", " + std::to_string(y) + ") ";
            }
        }
    }
    return out;
}

bool OnFrame(int x, int y, const CRect& r)
{
    bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    return inside && (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
}

int CountNonWhite(const Bitmap& bitmap)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            count += bitmap.GetPixel(x, y) != kWhite;
        }
    }
    return count;
}

} // namespace

TEST(DrawShapesPixels, BoxCoversExactlyTheFramePixels)
{
    Bitmap bitmap = Render(MakeRect<CDrawBox>(10, 10, 30, 20));
    EXPECT_EQ(Mismatches(bitmap,
                         [](int x, int y) { return OnFrame(x, y, CRect(10, 10, 30, 20)) ? kBlack : kWhite; }),
              "");
}

TEST(DrawShapesPixels, BorderFramesAlternateOutsideAndInside)
{
    CDrawBox box = MakeRect<CDrawBox>(10, 10, 30, 20);
    box.borderWidth = 3;
    Bitmap bitmap = Render(box);
    EXPECT_EQ(Mismatches(bitmap,
                         [](int x, int y) {
                             bool on = OnFrame(x, y, CRect(10, 10, 30, 20)) ||
                                       OnFrame(x, y, CRect(9, 9, 31, 21)) ||
                                       OnFrame(x, y, CRect(11, 11, 29, 19));
                             return on ? kBlack : kWhite;
                         }),
              "");
    box.borderColor = kDefaultColor;
    EXPECT_EQ(CountNonWhite(Render(box)), 0);
    box.borderColor = RGB(0, 0, 0);
    box.borderWidth = 0;
    EXPECT_EQ(Mismatches(Render(box),
                         [](int x, int y) { return OnFrame(x, y, CRect(10, 10, 30, 20)) ? kBlack : kWhite; }),
              "");
}

TEST(DrawShapesPixels, FillAndShadowOfABox)
{
    CDrawBox box = MakeRect<CDrawBox>(10, 10, 30, 20);
    box.borderColor = kDefaultColor;
    box.fillColor = RGB(255, 0, 0);
    box.shadow = {5, 4, RGB(0, 0, 255), 0};
    box.borderWidth = 3; // grows the shadow by 1
    Bitmap bitmap = Render(box);
    EXPECT_EQ(Mismatches(bitmap,
                         [](int x, int y) -> Bitmap::Pixel {
                             if (CRect(10, 10, 30, 20).PtInRect(CPoint(x, y))) {
                                 return 0xFF0000;
                             }
                             return CRect(14, 13, 36, 25).PtInRect(CPoint(x, y)) ? 0x0000FF : kWhite;
                         }),
              "");
}

TEST(DrawShapesPixels, OnePixelLineWithoutArrowsSetsItsEndPixel)
{
    Bitmap plain = Render(MakeLine(10, 10, 50, 10));
    EXPECT_EQ(Mismatches(plain, [](int x, int y) { return y == 10 && x >= 10 && x <= 50 ? kBlack : kWhite; }),
              "");

    // An arrow of no angle is not drawn, but still counts against the end pixel only when it
    // has both a length and an angle.
    CDrawLine noAngle = MakeLine(10, 10, 50, 10);
    noAngle.endArrow = {10, 0, false};
    EXPECT_EQ(Render(noAngle).GetPixel(50, 10), kBlack);
    EXPECT_EQ(CountNonWhite(Render(noAngle)), 41);

    CDrawLine arrowed = MakeLine(10, 30, 50, 30);
    arrowed.startArrow = {10, 30, false};
    Bitmap withArrow = Render(arrowed);
    EXPECT_EQ(withArrow.GetPixel(50, 30), kWhite);
    EXPECT_GT(CountNonWhite(withArrow), 41);
    // The open barbs run back from the tip at 30 degrees to the shaft, one on either side.
    int above = 0;
    int below = 0;
    for (int y = 24; y < 37; ++y) {
        above += y < 30 && withArrow.GetPixel(16, y) == kBlack;
        below += y > 30 && withArrow.GetPixel(16, y) == kBlack;
    }
    EXPECT_EQ(above, 1);
    EXPECT_EQ(below, 1);
}

TEST(DrawShapesPixels, FilledArrowHeadIsATriangle)
{
    CDrawLine line = MakeLine(10, 30, 60, 30);
    line.endArrow = {20, 20, true};
    line.color = RGB(0, 0, 255);
    Bitmap bitmap = Render(line);
    EXPECT_EQ(bitmap.GetPixel(50, 31), 0x0000FF);
    EXPECT_EQ(bitmap.GetPixel(50, 29), 0x0000FF);
    EXPECT_EQ(bitmap.GetPixel(50, 40), kWhite);
}

TEST(DrawShapesPixels, LineShadowAndWidth)
{
    CDrawLine line = MakeLine(10, 10, 50, 10);
    line.width = 0;
    EXPECT_EQ(CountNonWhite(Render(line)), 0);
    line.width = 1;
    line.color = kDefaultColor;
    line.shadow = {0, 5, RGB(0, 255, 0), 0};
    Bitmap shadowOnly = Render(line);
    EXPECT_EQ(shadowOnly.GetPixel(30, 15), 0x00FF00);
    EXPECT_EQ(shadowOnly.GetPixel(30, 10), kWhite);
}

TEST(DrawShapesPixels, UnfilledPolygonClosesItsOutlineFreeLineDoesNot)
{
    CDrawPolygon polygon;
    CDrawFreeLine freeLine;
    for (CPoint p : {CPoint(10, 10), CPoint(50, 10), CPoint(50, 40)}) {
        polygon.points.AddPoint(p);
        freeLine.points.AddPoint(p);
    }
    // The closing edge runs from (50, 40) back to (10, 10).
    EXPECT_EQ(Render(polygon).GetPixel(30, 25), kBlack);
    EXPECT_EQ(Render(freeLine).GetPixel(30, 25), kWhite);
    EXPECT_EQ(Render(polygon).GetPixel(40, 15), kWhite);
    polygon.fillColor = RGB(255, 0, 0);
    EXPECT_EQ(Render(polygon).GetPixel(40, 15), 0xFF0000);
}

TEST(DrawShapesPixels, PointListsTooShortDrawNothing)
{
    CDrawPolygon polygon;
    polygon.points.AddPoint(10, 10);
    polygon.points.AddPoint(40, 40);
    polygon.fillColor = RGB(0, 0, 0);
    EXPECT_EQ(CountNonWhite(Render(polygon)), 0);
    CDrawFreeLine freeLine;
    freeLine.points.AddPoint(10, 10);
    freeLine.startArrow = {10, 30, true};
    freeLine.endArrow = {10, 30, true};
    EXPECT_EQ(CountNonWhite(Render(freeLine)), 0);
}

TEST(DrawShapesPixels, EllipseWithoutBorderWidthHasNoOutline)
{
    CDrawEllipse ellipse;
    ellipse.SetRect(CRect(10, 10, 50, 40));
    ellipse.borderWidth = 0;
    EXPECT_EQ(CountNonWhite(Render(ellipse)), 0);
    ellipse.fillColor = RGB(0, 255, 0);
    Bitmap filled = Render(ellipse);
    EXPECT_EQ(filled.GetPixel(30, 25), 0x00FF00);
    EXPECT_EQ(filled.GetPixel(11, 11), kWhite);
}

TEST(DrawShapesPixels, ShadeSamplesTheCentreOfEachCell)
{
    Bitmap bitmap = WhiteBitmap(40, 40);
    bitmap.Row(4)[4] = 0x112233;
    bitmap.Row(4)[12] = 0x445566;
    bitmap.Row(12)[20] = 0x778899;
    CDrawShade shade;
    shade.SetRect(CRect(0, 0, 20, 20));
    shade.dot = 8;
    Canvas dc(bitmap);
    shade.Draw(dc);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x112233u);
    EXPECT_EQ(bitmap.GetPixel(7, 7), 0x112233u);
    EXPECT_EQ(bitmap.GetPixel(8, 0), 0x445566u);
    EXPECT_EQ(bitmap.GetPixel(16, 8), 0x778899u);
    // The last cells reach past the rectangle.
    EXPECT_EQ(bitmap.GetPixel(23, 15), 0x778899u);
    EXPECT_EQ(bitmap.GetPixel(24, 15), kWhite);
    EXPECT_EQ(bitmap.GetPixel(8, 8), kWhite);
}

TEST(DrawShapesPixels, ShadeOfAHugeRectangleStaysOnTheSurface)
{
    Bitmap bitmap = WhiteBitmap(30, 30);
    bitmap.Row(15)[15] = 0x123456;
    CDrawShade shade;
    shade.SetRect(CRect(-1000000, -1000000, 1000000, 1000000));
    shade.dot = 10; // cells start at ..., 0, 10, 20
    Canvas dc(bitmap);
    shade.Draw(dc);
    EXPECT_EQ(bitmap.GetPixel(10, 10), 0x123456u);
    EXPECT_EQ(bitmap.GetPixel(19, 19), 0x123456u);
    EXPECT_EQ(bitmap.GetPixel(9, 9), kWhite);
}

TEST(DrawShapesPixels, AreaLeavesItsOwnPixelsAlone)
{
    Bitmap bitmap = WhiteBitmap(200, 200);
    CDrawArea area;
    area.SetRect(CRect(50, 50, 150, 150));
    Canvas dc(bitmap);
    area.Draw(dc);
    for (int y = 50; y < 150; ++y) {
        for (int x = 50; x < 150; ++x) {
            ASSERT_EQ(bitmap.GetPixel(x, y), kWhite) << x << ", " << y;
        }
    }
    // The frame one pixel outside, and hatching in the band around it.
    EXPECT_EQ(bitmap.GetPixel(100, 49), kBlack);
    EXPECT_EQ(bitmap.GetPixel(49, 100), kBlack);
    int hatched = 0;
    for (int x = 30; x < 170; ++x) {
        hatched += bitmap.GetPixel(x, 35) == kBlack;
    }
    EXPECT_GT(hatched, 10);
    EXPECT_EQ(bitmap.GetPixel(10, 10), kWhite);
}

TEST(DrawShapesPixels, TextIsWrittenInsideItsBox)
{
    CDrawText text;
    text.corners[0] = CPoint(5, 5);
    text.charWidth = 8;
    text.charHeight = 16;
    text.text = "Ab\r\nCd";
    text.textColor = RGB(255, 0, 0);
    text.GetTextExtent();
    Bitmap bitmap = Render(text);
    CRect box = text.GetRect();
    int inside = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.GetPixel(x, y) != kWhite) {
                ASSERT_TRUE(box.PtInRect(CPoint(x, y))) << x << ", " << y;
                ++inside;
            }
        }
    }
    EXPECT_GT(inside, 20);
    text.text.Empty();
    EXPECT_EQ(CountNonWhite(Render(text)), 0);
}

TEST(DrawShapesPixels, GroupDrawsItsMembers)
{
    CDrawGroup group;
    auto box = std::make_unique<CDrawBox>(MakeRect<CDrawBox>(10, 10, 30, 20));
    group.AddMember(std::move(box));
    Bitmap bitmap = Render(group);
    EXPECT_EQ(Mismatches(bitmap,
                         [](int x, int y) { return OnFrame(x, y, CRect(10, 10, 30, 20)) ? kBlack : kWhite; }),
              "");
}

TEST(DrawDragFeedback, DrawnTwiceItErasesItself)
{
    CEditViewMapping view;
    view.zoom = 5000;
    std::vector<std::unique_ptr<CDrawShape>> shapes;
    shapes.push_back(std::make_unique<CDrawBox>(MakeRect<CDrawBox>(20, 20, 100, 80)));
    auto ellipse = std::make_unique<CDrawEllipse>();
    ellipse->SetRect(CRect(20, 20, 100, 80));
    shapes.push_back(std::move(ellipse));
    shapes.push_back(std::make_unique<CDrawLine>(MakeLine(10, 10, 90, 60)));
    auto polygon = std::make_unique<CDrawPolygon>();
    for (CPoint p : {CPoint(10, 10), CPoint(90, 10), CPoint(50, 70)}) {
        polygon->points.AddPoint(p);
    }
    shapes.push_back(std::move(polygon));
    for (const auto& shape : shapes) {
        for (int mode : {HitCode::kNone, HitCode::kBody, HitCode::kVertex, HitCode::kTopLeftBottomRight}) {
            Bitmap bitmap = WhiteBitmap(80, 60);
            Canvas dc(bitmap);
            shape->DrawDragFeedback(dc, view, mode, 14, 14, 24, 19);
            EXPECT_GT(CountNonWhite(bitmap), 0) << shape->KindName() << " mode " << mode;
            shape->DrawDragFeedback(dc, view, mode, 14, 14, 24, 19);
            EXPECT_EQ(CountNonWhite(bitmap), 0) << shape->KindName() << " mode " << mode;
        }
    }
}

TEST(DrawDragFeedback, BoxHandleDragMovesTheGrabbedCorner)
{
    CEditViewMapping view; // 100 %: photo (x, y) is view (x + 4, y + 4)
    CDrawBox box = MakeRect<CDrawBox>(10, 10, 40, 30);
    Bitmap bitmap = WhiteBitmap(80, 60);
    Canvas dc(bitmap);
    // Press on the bottom-right handle, (40, 30) in the photo, and drag by (10, 5): the outline
    // runs from (14, 14) to (54, 39), its last row and column inside.
    box.DrawDragFeedback(dc, view, HitCode::kTopLeftBottomRight, 44, 34, 54, 39);
    int rightEdge = 0;
    int bottomEdge = 0;
    int beyond = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            bool black = bitmap.GetPixel(x, y) == kBlack;
            rightEdge += black && x == 53;
            bottomEdge += black && y == 38;
            beyond += black && (x > 54 || y > 39);
        }
    }
    EXPECT_GT(rightEdge, 8);
    EXPECT_GT(bottomEdge, 12);
    EXPECT_EQ(beyond, 0);
    // A drag of one pixel shows nothing.
    Bitmap still = WhiteBitmap(80, 60);
    Canvas stillDc(still);
    box.DrawDragFeedback(stillDc, view, HitCode::kTopLeftBottomRight, 44, 34, 45, 35);
    EXPECT_EQ(CountNonWhite(still), 0);
}

TEST(DrawDragFeedback, DraggedFirstVertexTakesTheClosingEdgeAlong)
{
    CEditViewMapping view;
    auto polygon = MakeThrough<CDrawPolygon>({{10, 10}, {70, 10}, {40, 50}});
    polygon.selected = true;
    Bitmap bitmap = WhiteBitmap(80, 60);
    Canvas dc(bitmap);
    // The press (13, 13) in the view is (10, 10) in the photo; the vertex goes down by 20.
    polygon.DrawDragFeedback(dc, view, HitCode::kVertex, 13, 13, 13, 33);
    int nearOldVertex = 0;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 25; ++x) {
            nearOldVertex += bitmap.GetPixel(x, y) != kWhite;
        }
    }
    EXPECT_EQ(nearOldVertex, 0);
    EXPECT_GT(CountNonWhite(bitmap), 40);
}

TEST(DrawDragFeedback, LineOutlinesAsAFreeLineThroughItsEnds)
{
    CEditViewMapping view;
    CDrawLine line = MakeLine(10, 10, 60, 40);
    auto freeLine = MakeThrough<CDrawFreeLine>({{10, 10}, {60, 40}});
    // Moved whole, by its end, by its start, a drag too small to show, and while it is made.
    const int drags[][4] = {
        {20, 20, 30, 25}, {63, 43, 70, 50}, {13, 13, 5, 30}, {63, 43, 64, 44}, {14, 14, 50, 20}};
    const int modes[] = {HitCode::kBody, HitCode::kVertex, HitCode::kVertex, HitCode::kVertex,
                         HitCode::kCreating};
    for (int i = 0; i < 5; ++i) {
        Bitmap fromLine = WhiteBitmap(80, 60);
        Bitmap fromFreeLine = WhiteBitmap(80, 60);
        Canvas lineDc(fromLine);
        Canvas freeLineDc(fromFreeLine);
        const int* d = drags[i];
        line.DrawDragFeedback(lineDc, view, modes[i], d[0], d[1], d[2], d[3]);
        freeLine.DrawDragFeedback(freeLineDc, view, modes[i], d[0], d[1], d[2], d[3]);
        int differing = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 80; ++x) {
                differing += fromLine.GetPixel(x, y) != fromFreeLine.GetPixel(x, y);
            }
        }
        EXPECT_EQ(differing, 0) << "drag " << i;
        EXPECT_EQ(CountNonWhite(fromLine) == 0, i == 3) << "drag " << i;
    }
}
