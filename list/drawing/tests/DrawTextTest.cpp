#include "list/drawing/DrawText.h"
#include "list/drawing/DrawingData.h"
#include "platform/canvas/Canvas.h"

#include <gtest/gtest.h>

namespace {

// The width the shape must find for a line: measured as the shape does, in its own font.
int LineWidth(const CDrawText& shape, const char* line)
{
    Canvas measure;
    measure.SelectFont(shape.MakeFont(false));
    return measure.GetTextExtent(CString(line)).cx;
}

CDrawText TextAt(int x, int y, const char* text, int angle = 0)
{
    CDrawText shape;
    shape.corners[0] = CPoint(x, y);
    shape.text = text;
    shape.angle = angle;
    shape.GetTextExtent();
    return shape;
}

} // namespace

TEST(DrawText, TwoLinesCoverTheWidestLineAndBothHeights)
{
    CDrawText shape = TextAt(10, 10, "ab\r\nlonger line");
    int widest = LineWidth(shape, "longer line");
    ASSERT_GT(widest, LineWidth(shape, "ab"));
    EXPECT_EQ(shape.corners[1], CPoint(10, 138));
    EXPECT_EQ(shape.corners[2], CPoint(10 + widest, 138));
    EXPECT_EQ(shape.corners[3], CPoint(10 + widest, 10));
    EXPECT_EQ(shape.GetRect(), CRect(10, 10, 10 + widest, 138));
    // A line pitch of its own spaces the lines.
    shape.linePitch = 100;
    shape.GetTextExtent();
    EXPECT_EQ(shape.corners[2].y, 10 + 64 + 100);
}

TEST(DrawText, QuarterAngleRunsTheBoxUpwards)
{
    CDrawText shape = TextAt(100, 200, "abc\nd", 90);
    int w = LineWidth(shape, "abc");
    EXPECT_EQ(shape.corners[1], CPoint(100 + 128, 200));
    EXPECT_EQ(shape.corners[3], CPoint(100, 200 - w));
    EXPECT_EQ(shape.corners[2].x, 228);
}

TEST(DrawText, EmptyTextHasABoxOfNoWidth)
{
    CDrawText shape = TextAt(5, 5, "");
    EXPECT_EQ(shape.GetLines().GetSize(), 1);
    EXPECT_EQ(shape.GetRect(), CRect(5, 5, 5, 69));
}

TEST(DrawText, TurnsKeepTheAngleWithinAHalfTurnEitherWay)
{
    CRect frame(0, 0, 400, 300);
    CDrawText shape = TextAt(10, 100, "x", 90);
    shape.Rotate(1, frame);
    EXPECT_EQ(shape.angle, 180);
    EXPECT_EQ(shape.corners[0], CPoint(100, 390));
    shape.Rotate(1, frame);
    EXPECT_EQ(shape.angle, -90);
    CDrawText level = TextAt(10, 100, "x");
    level.Rotate(-1, frame);
    EXPECT_EQ(level.angle, -90);
    level.Rotate(4, frame);
    EXPECT_EQ(level.angle, -90);
}

TEST(DrawText, HorizontalFlipMirrorsAngleAndWidthAndUndoesItself)
{
    CRect frame(0, 0, 400, 300);
    CDrawText shape = TextAt(50, 100, "flip", 30);
    CPoint origin = shape.corners[0];
    shape.FlipHorizontal(frame);
    EXPECT_EQ(shape.angle, -30);
    EXPECT_EQ(shape.charWidth, -32);
    shape.FlipHorizontal(frame);
    EXPECT_EQ(shape.angle, 30);
    EXPECT_EQ(shape.charWidth, 32);
    EXPECT_NEAR(shape.corners[0].x, origin.x, 2);
    EXPECT_NEAR(shape.corners[0].y, origin.y, 2);

    CDrawText level = TextAt(50, 100, "flip");
    int w = LineWidth(level, "flip");
    level.FlipHorizontal(frame);
    EXPECT_EQ(level.corners[0], CPoint(400 - 50 - w, 100));
    level.FlipVertical(frame);
    EXPECT_EQ(level.corners[0], CPoint(400 - 50 - w, 300 - 164));
}

TEST(DrawText, HitAnywhereInItsBoxAtEveryAngle)
{
    CDrawText shape = TextAt(100, 100, "hit me");
    shape.selected = true;
    EXPECT_EQ(shape.HitTest(101, 101, 3), HitCode::kBody);
    EXPECT_EQ(shape.HitTest(99, 101, 3), HitCode::kNone);
    const int angles[] = {90, -90, 180, 45};
    for (int angle : angles) {
        CDrawText turned = TextAt(100, 100, "hit me", angle);
        CPoint centre((turned.corners[0].x + turned.corners[2].x) / 2,
                      (turned.corners[0].y + turned.corners[2].y) / 2);
        EXPECT_EQ(turned.HitTest(centre.x, centre.y, 3), HitCode::kBody) << "angle " << angle;
        EXPECT_EQ(turned.HitTest(centre.x + 500, centre.y, 3), HitCode::kNone) << "angle " << angle;
    }
}

TEST(DrawText, MovesOnlyAsAWhole)
{
    CDrawText shape = TextAt(10, 10, "move");
    CDrawText before = shape;
    shape.MoveResize(HitCode::kTopLeftBottomRight, 10, 10, 50, 50, 3);
    EXPECT_EQ(shape.GetRect(), before.GetRect());
    shape.MoveResize(HitCode::kBody, 10, 10, 15, 20, 3);
    EXPECT_EQ(shape.corners[2], CPoint(before.corners[2].x + 5, before.corners[2].y + 10));
}

TEST(DrawText, EscapedTextSurvivesWritingAndReading)
{
    CDrawingData data;
    auto shape = std::make_unique<CDrawText>();
    shape->corners[0] = CPoint(3, 4);
    shape->text = "a,b 'quoted' back\\slash\r\nline two\\";
    shape->fontName = "ＭＳ 明朝";
    shape->bold = true;
    shape->strikeOut = true;
    shape->angle = -45;
    shape->linePitch = 70;
    shape->textColor = RGB(10, 20, 30);
    shape->shadow = {2, 2, RGB(0, 0, 0), 0};
    data.shapes.AddShape(std::move(shape));
    CString written = data.WriteText("2.108.0");
    EXPECT_NE(written.Find("text,ps=3:4,ft.nm='ＭＳ 明朝',ft.sz=32:64,rp=70,an=-45,bo,so,tx.c=1971210,"
                           "sd.x=2,sd.y=2,sd.c=0,sd.s=0,tx='"),
              -1)
        << written.GetString();

    CDrawingData again;
    again.ReadText(written);
    ASSERT_EQ(again.shapes.GetSize(), 1);
    auto* read = static_cast<CDrawText*>(again.shapes.GetShape(0));
    EXPECT_EQ(read->text, "a,b 'quoted' back\\slash\r\nline two\\");
    EXPECT_EQ(read->fontName, "ＭＳ 明朝");
    EXPECT_TRUE(read->bold);
    EXPECT_FALSE(read->italic);
    EXPECT_TRUE(read->strikeOut);
    EXPECT_EQ(read->angle, -45);
    EXPECT_EQ(read->linePitch, 70);
    EXPECT_EQ(read->textColor, RGB(10, 20, 30));
    EXPECT_EQ(again.WriteText("2.108.0"), written);
}

TEST(DrawText, ValuesShorterThanTheirQuotesReadAsEmpty)
{
    CDrawingData data;
    data.ReadText("text,ps=1:2,ft.nm=',ft.sz=999999:-999999,an=7230,tx='\n"
                  "text,ps=1:2,tx=\n");
    ASSERT_EQ(data.shapes.GetSize(), 2);
    auto* first = static_cast<CDrawText*>(data.shapes.GetShape(0));
    EXPECT_EQ(first->text, "");
    EXPECT_EQ(first->fontName, "");
    EXPECT_EQ(first->charWidth, DrwValue::kMaxFontSize);
    EXPECT_EQ(first->charHeight, -DrwValue::kMaxFontSize);
    EXPECT_EQ(first->angle, 30);
    EXPECT_EQ(static_cast<CDrawText*>(data.shapes.GetShape(1))->text, "");
}

TEST(DrawText, CloneCopiesEveryField)
{
    CDrawText shape = TextAt(1, 2, "clone", 15);
    shape.fontName = "ＭＳ Ｐゴシック";
    shape.italic = true;
    shape.selected = true;
    auto copy = shape.Clone();
    auto& t = static_cast<CDrawText&>(*copy);
    EXPECT_EQ(t.text, "clone");
    EXPECT_EQ(t.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(t.angle, 15);
    EXPECT_TRUE(t.italic);
    EXPECT_EQ(t.corners[2], shape.corners[2]);
    EXPECT_FALSE(t.selected);
}
