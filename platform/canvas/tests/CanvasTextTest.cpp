#include "platform/Cp932.h"
#include "platform/canvas/Canvas.h"
#include "support/CanvasTestSupport.h"

#include <cairo.h>
#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

} // namespace

TEST(CanvasMeasuring, ExtentsGrowWithTheFontHeight)
{
    Canvas canvas;
    int lastWidth = 0;
    int lastHeight = 0;
    for (int height : {12, 16, 24, 48}) {
        canvas.SelectFont(MakeFont("ＭＳ ゴシック", -height));
        CSize size = canvas.GetTextExtent("Zantoby 商品一覧");
        EXPECT_GT(size.cx, lastWidth) << height;
        EXPECT_GT(size.cy, lastHeight) << height;
        EXPECT_NEAR(size.cy, height, height / 6 + 1) << "a line is about the character height";
        lastWidth = size.cx;
        lastHeight = size.cy;
    }
}

TEST(CanvasMeasuring, CellHeightAndCharacterHeightAgreeForJapaneseFaces)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ 明朝", 64));
    CSize cell = canvas.GetTextExtent("あ");
    EXPECT_NEAR(cell.cy, 64, 2);
    // A monospaced face: a double-byte character is as wide as two single-byte ones.
    CSize twoNarrow = canvas.GetTextExtent("ab");
    EXPECT_EQ(cell.cx, twoNarrow.cx);
    EXPECT_NEAR(cell.cx, 64, 3);
    EXPECT_NEAR(canvas.GetTextMetrics().aveCharWidth, 32, 2);
}

TEST(CanvasMeasuring, JapanesePrefixesMeasureConsistently)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ Ｐゴシック", -16));
    const CString text = "表示ABC日本語ｶﾅ";
    int last = -1;
    for (int length = 0; length <= text.GetLength(); ++length) {
        CSize size = canvas.GetTextExtent(text.GetString(), length);
        EXPECT_GE(size.cx, last) << length;
        if (length > 0 && Cp932::IsTrailPosition(text.view(), length)) {
            // A cut double-byte character adds nothing.
            EXPECT_EQ(size.cx, last) << length;
        }
        last = size.cx;
    }
    CSize whole = canvas.GetTextExtent(text);
    EXPECT_EQ(whole.cx, last);
    EXPECT_GT(whole.cx, 8 * 5) << "ten characters of a 16-pixel font";
    EXPECT_EQ(canvas.GetTextExtent("").cx, 0);
    EXPECT_GT(canvas.GetTextExtent("").cy, 0);
    // Line breaks are not part of a line.
    EXPECT_EQ(canvas.GetTextExtent("日本\r\n").cx, canvas.GetTextExtent("日本").cx);
}

TEST(CanvasMeasuring, WidthStretchesTheFont)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", 32));
    int natural = canvas.GetTextExtent("abcd").cx;
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", 32, 32)); // twice the face's own average width
    EXPECT_NEAR(canvas.GetTextExtent("abcd").cx, 2 * natural, 2);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", 32, -32)); // a flipped shape stores it negative
    EXPECT_NEAR(canvas.GetTextExtent("abcd").cx, 2 * natural, 2);
}

TEST(CanvasMeasuring, LoMetricMeasuresInTenthsOfMillimetres)
{
    Canvas screen;
    screen.SelectFont(MakeFont("ＭＳ 明朝", -20));
    CSize pixels = screen.GetTextExtent("日本語テキスト");

    Canvas page;
    page.SetResolution(254);
    page.SetMapMode(MM_LOMETRIC);
    page.SelectFont(MakeFont("ＭＳ 明朝", -20));
    EXPECT_EQ(page.GetTextExtent("日本語テキスト"), pixels);
    page.SetResolution(508);
    CSize fine = page.GetTextExtent("日本語テキスト");
    EXPECT_NEAR(fine.cx, pixels.cx, 2);
    EXPECT_NEAR(fine.cy, pixels.cy, 1);
}

TEST(CanvasMeasuring, RecordedPagesMeasureAlikeAtEveryResolution)
{
    // A print preview draws its pages as recordings at the screen's scale; text must measure
    // there as it does at a printer's resolution.
    int widths[3] = {};
    int i = 0;
    for (double dotsPerInch : {600.0, 96.0, 64.0}) {
        cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
        cairo_t* context = cairo_create(recording);
        {
            Canvas page(context);
            page.SetResolution(dotsPerInch);
            page.SetMapMode(MM_LOMETRIC);
            page.SelectFont(MakeFont("ＭＳ 明朝", 35));
            widths[i++] = page.GetTextExtent("2024/02/14").cx;
        }
        cairo_destroy(context);
        cairo_surface_destroy(recording);
    }
    EXPECT_NEAR(widths[1], widths[0], 1);
    EXPECT_NEAR(widths[2], widths[0], 1);
}

TEST(CanvasMeasuring, AbsurdSizesFromFilesStayFinite)
{
    Bitmap bitmap = FilledBitmap(50, 50, kWhite);
    Canvas canvas(bitmap);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", 2'000'000'000, 2'000'000'000));
    canvas.GetTextExtent("A");
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", INT_MIN, INT_MIN));
    CSize size = canvas.GetTextExtent("巨大");
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    canvas.TextOut(0, 0, "巨大");
    CRect huge(-2'000'000'000, 0, 2'000'000'000, 40);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -12));
    EXPECT_GT(canvas.DrawText("折り返し", huge, DT_WORDBREAK | DT_CENTER), 0);

    // The face still draws at ordinary sizes afterwards.
    Bitmap after = FilledBitmap(60, 30, kWhite);
    Canvas normal(after);
    normal.SelectFont(MakeFont("ＭＳ ゴシック", -16, 8));
    normal.TextOut(0, 0, "普通");
    EXPECT_GT(InkCount(after, kWhite), 20);
}

TEST(CanvasDrawText, CalcRectMatchesTheExtentOnOneLine)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ Ｐゴシック", -14));
    CRect rect(10, 20, 500, 100);
    int height = canvas.DrawText("一覧印刷プレビュー", rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    CSize extent = canvas.GetTextExtent("一覧印刷プレビュー");
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.Width(), extent.cx);
    EXPECT_EQ(rect.Height(), height);
    EXPECT_NEAR(height, extent.cy, 1);

    CRect empty(5, 5, 50, 50);
    EXPECT_EQ(canvas.DrawText("", empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, CRect(5, 5, 5, 5));
}

TEST(CanvasDrawText, WordBreakWrapsWithinTheWidth)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -12));
    const CString text = "写真の標準サイズとサムネイルを作成します";
    CRect oneLine(0, 0, 1000, 0);
    int lineHeight = canvas.DrawText(text, oneLine, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    CRect narrow(0, 0, 60, 0);
    int height = canvas.DrawText(text, narrow, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    EXPECT_GE(height, 4 * lineHeight);
    EXPECT_LE(narrow.Width(), 60);
    // Explicit line breaks count without word break too.
    CRect lines(0, 0, 1000, 0);
    EXPECT_EQ(canvas.DrawText("一行目\r\n二行目", lines, DT_CALCRECT | DT_NOPREFIX), 2 * lineHeight);
    CRect single(0, 0, 1000, 0);
    EXPECT_EQ(canvas.DrawText("一行目\r\n二行目", single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
}

TEST(CanvasDrawText, AlignmentClippingAndEllipsisKeepInkInPlace)
{
    Bitmap bitmap = FilledBitmap(200, 40, kWhite);
    Canvas canvas(bitmap);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    canvas.SetBkMode(TRANSPARENT);
    CRect cell(20, 5, 120, 35);
    canvas.DrawText("右寄せ", cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    CRect ink = InkBounds(bitmap, kWhite);
    EXPECT_GE(ink.left, 20 + 100 - 3 * 16);
    EXPECT_LE(ink.right, 120);
    EXPECT_GE(ink.right, 120 - 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, 20, 3);

    Bitmap clipped = FilledBitmap(200, 40, kWhite);
    Canvas clipCanvas(clipped);
    clipCanvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    CRect small(10, 10, 40, 20);
    clipCanvas.DrawText("とても長い文字列です", small, DT_LEFT | DT_SINGLELINE);
    CRect clippedInk = InkBounds(clipped, kWhite);
    EXPECT_GE(clippedInk.left, 10);
    EXPECT_LE(clippedInk.right, 40);
    EXPECT_LE(clippedInk.bottom, 20);

    Bitmap ellipsis = FilledBitmap(200, 40, kWhite);
    Canvas ellipsisCanvas(ellipsis);
    ellipsisCanvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    CRect box(10, 5, 90, 30);
    ellipsisCanvas.DrawText("とても長い文字列です", box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    CRect ellipsisInk = InkBounds(ellipsis, kWhite);
    EXPECT_LE(ellipsisInk.right, 90);
    EXPECT_GT(ellipsisInk.Width(), 40);
}

TEST(CanvasDrawText, OpaqueBackgroundFillsBehindTheTextOnly)
{
    Bitmap bitmap = FilledBitmap(200, 40, kWhite);
    Canvas canvas(bitmap);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    canvas.SetBkColor(RGB(0, 0, 255));
    canvas.SetTextColor(RGB(255, 255, 0));
    CRect rect(0, 0, 200, 40);
    canvas.DrawText("AB", rect, DT_LEFT | DT_NOPREFIX);
    CSize extent = canvas.GetTextExtent("AB");
    EXPECT_EQ(InkBounds(bitmap, kWhite), CRect(0, 0, extent.cx, extent.cy));
    EXPECT_EQ(ColorAt(bitmap, 0, 0), RGB(0, 0, 255));
}

TEST(CanvasDrawText, PrefixesUnderlineUnlessSwitchedOff)
{
    Canvas canvas;
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    CRect plain(0, 0, 1000, 0);
    canvas.DrawText("A&&B", plain, DT_CALCRECT | DT_SINGLELINE);
    CRect literal(0, 0, 1000, 0);
    canvas.DrawText("A&&B", literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(plain.Width(), canvas.GetTextExtent("A&B").cx);
    EXPECT_EQ(literal.Width(), canvas.GetTextExtent("A&&B").cx);

    Bitmap underlined = FilledBitmap(100, 30, kWhite);
    Bitmap bare = FilledBitmap(100, 30, kWhite);
    for (Bitmap* bitmap : {&underlined, &bare}) {
        Canvas drawing(*bitmap);
        drawing.SelectFont(MakeFont("ＭＳ ゴシック", -16));
        CRect rect(0, 0, 100, 30);
        drawing.DrawText(bitmap == &underlined ? "&File" : "File", rect, DT_SINGLELINE);
    }
    EXPECT_GT(InkCount(underlined, kWhite), InkCount(bare, kWhite));
}

TEST(CanvasTextOut, AlignmentPlacesTheTextAroundThePoint)
{
    for (unsigned align : {TA_LEFT | TA_TOP, TA_RIGHT | TA_BOTTOM, TA_CENTER | TA_BASELINE}) {
        Bitmap bitmap = FilledBitmap(200, 100, kWhite);
        Canvas canvas(bitmap);
        canvas.SelectFont(MakeFont("ＭＳ ゴシック", -20));
        canvas.SetBkMode(TRANSPARENT);
        canvas.SetTextAlign(align);
        canvas.TextOut(100, 50, "基準");
        CRect ink = InkBounds(bitmap, kWhite);
        if (align == (TA_LEFT | TA_TOP)) {
            EXPECT_GE(ink.left, 100);
            EXPECT_GE(ink.top, 50);
        } else if (align == (TA_RIGHT | TA_BOTTOM)) {
            EXPECT_LE(ink.right, 100);
            EXPECT_LE(ink.bottom, 50);
        } else {
            EXPECT_NEAR((ink.left + ink.right) / 2, 100, 2);
            EXPECT_LT(ink.top, 50);
            EXPECT_GT(ink.bottom, 48); // a little below the baseline at most
            EXPECT_LE(ink.bottom, 55);
        }
    }
}

TEST(CanvasTextOut, EscapementTurnsTheTextCounterClockwise)
{
    Bitmap bitmap = FilledBitmap(100, 200, kWhite);
    Canvas canvas(bitmap);
    LogFont font = MakeFont("ＭＳ ゴシック", -20);
    font.escapement = 900;
    canvas.SelectFont(font);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(40, 150, "縦書き風");
    CRect ink = InkBounds(bitmap, kWhite);
    // Turned a quarter to the left, the line runs upwards from the point.
    EXPECT_GT(ink.Height(), 3 * ink.Width() / 2);
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.left, 39);
}

// A wider or narrower font moves each character by its own stretched advance: the ink spans the
// measured extent, neither overlapping nor spread out, level or turned.
TEST(CanvasTextOut, StretchedTextCoversItsMeasuredWidth)
{
    for (int escapement : {0, 900}) {
        for (int width : {12, 32, 64}) {
            Bitmap bitmap = FilledBitmap(700, 700, kWhite);
            Canvas canvas(bitmap);
            canvas.SelectFont(MakeFont("ＭＳ ゴシック", 48, width, escapement));
            canvas.SetBkMode(TRANSPARENT);
            canvas.TextOut(20, 660, "ABCDEFGH");
            const int extent = canvas.GetTextExtent("ABCDEFGH").cx;
            const CRect ink = InkBounds(bitmap, kWhite);
            const int length = escapement == 0 ? ink.Width() : ink.Height();
            EXPECT_NEAR(length, extent, extent / 10 + 4) << "width " << width << ", escapement " << escapement;
        }
    }
}

TEST(CanvasTextOut, ClippedOpaqueOutputFillsItsRectangle)
{
    Bitmap bitmap = FilledBitmap(100, 40, kWhite);
    Canvas canvas(bitmap);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -16));
    canvas.SetBkColor(RGB(0, 255, 0));
    CRect cell(10, 10, 40, 30);
    canvas.ExtTextOut(12, 12, ETO_OPAQUE | ETO_CLIPPED, &cell, "長い長い文字列");
    EXPECT_EQ(InkBounds(bitmap, kWhite), cell);
    EXPECT_EQ(ColorAt(bitmap, 10, 10), RGB(0, 255, 0));
}
