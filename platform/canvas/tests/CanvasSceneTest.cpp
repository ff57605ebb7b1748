#include "platform/canvas/Canvas.h"
#include "platform/canvas/ImageOps.h"
#include "support/CanvasTestSupport.h"

#include <cairo.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Every primitive once, as the shapes, the grid and the photo strip use them.
void DrawScene(Canvas& canvas)
{
    canvas.FillRect(CRect(0, 0, 640, 480), kWhite);

    // Pens: solid, dash, dot, wide, and a rubber band drawn with NOT.
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT};
    for (int i = 0; i < 3; ++i) {
        canvas.SelectPen({styles[i], 1, RGB(0, 0, 160)});
        canvas.MoveTo(10, 10 + i * 8);
        canvas.LineTo(200, 10 + i * 8);
    }
    canvas.SelectPen({PS_SOLID, 6, RGB(200, 0, 0)});
    const CPoint zigzag[] = {{10, 50}, {60, 90}, {110, 50}, {160, 90}, {200, 50}};
    canvas.Polyline(zigzag, 5);

    // Box with border frames and a shadow, filled ellipse, winding star, arrow head.
    canvas.FillRect(CRect(226, 16, 326, 86), RGB(160, 160, 160));
    canvas.FillRect(CRect(220, 10, 320, 80), RGB(255, 240, 200));
    for (int k = 0; k < 3; ++k) {
        int grow = (k % 2 == 1) ? (k + 1) / 2 : -(k / 2);
        canvas.FrameRect(CRect(220 - grow, 10 - grow, 320 + grow, 80 + grow), RGB(0, 120, 0));
    }
    canvas.SelectPen({PS_SOLID, 3, RGB(0, 0, 0)});
    canvas.SelectBrush(Canvas::Brush::Solid(RGB(120, 180, 255)));
    canvas.Ellipse(CRect(340, 10, 460, 80));
    const CPoint star[] = {{530, 10}, {560, 90}, {490, 40}, {570, 40}, {500, 90}};
    canvas.SetPolyFillMode(WINDING);
    canvas.SelectPen({PS_SOLID, 1, RGB(80, 0, 80)});
    canvas.SelectBrush(Canvas::Brush::Solid(RGB(255, 200, 0)));
    canvas.Polygon(star, 5);
    const CPoint arrow[] = {{620, 60}, {600, 50}, {600, 70}};
    canvas.SelectBrush(Canvas::Brush::Solid(RGB(0, 0, 0)));
    canvas.Polygon(arrow, 3);
    canvas.SelectPen({PS_SOLID, 1, RGB(0, 0, 0)});
    canvas.MoveTo(580, 60);
    canvas.LineTo(620, 60);

    // Japanese text in Gothic and Mincho, opaque and transparent, and rotated.
    canvas.SetBkMode(TRANSPARENT);
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", -24));
    canvas.TextOut(10, 110, "ゴシック：商品一覧 Zantoby 2.1");
    canvas.SelectFont(MakeFont("ＭＳ 明朝", -24));
    canvas.TextOut(10, 140, "明朝：写真の標準サイズ ①髙");
    LogFont styled = MakeFont("ＭＳ Ｐゴシック", -20);
    styled.weight = FW_BOLD;
    styled.italic = true;
    styled.underline = true;
    canvas.SelectFont(styled);
    canvas.SetBkMode(OPAQUE);
    canvas.SetBkColor(RGB(255, 255, 160));
    canvas.TextOut(10, 172, "太字・斜体・下線");
    LogFont struck = MakeFont("ＭＳ Ｐ明朝", -20);
    struck.strikeOut = true;
    canvas.SelectFont(struck);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(220, 172, "取り消し線");
    canvas.SelectFont(MakeFont("ＭＳ ゴシック", 32, 0, 300));
    canvas.SetTextColor(RGB(180, 0, 0));
    canvas.TextOut(470, 250, "傾き30度");
    canvas.SelectFont(MakeFont("ＭＳ 明朝", 28, 0, 900));
    canvas.SetTextColor(RGB(0, 0, 180));
    canvas.TextOut(600, 300, "縦向き");
    canvas.SetTextColor(RGB(0, 0, 0));

    // Grid cells: 3-D headings, clipped cells, word break, ellipsis, a focus frame.
    canvas.SelectFont(MakeFont("ＭＳ Ｐゴシック", -12));
    const char* headings[] = {"品名", "数量", "備考"};
    for (int c = 0; c < 3; ++c) {
        CRect heading(10 + c * 100, 210, 110 + c * 100, 232);
        canvas.DrawEdge(heading, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        canvas.DrawText(headings[c], heading, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.SelectPen({PS_SOLID, 0, RGB(192, 192, 192)});
    canvas.SelectBrush(Canvas::Brush::Null());
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            canvas.Rectangle(10 + c * 100, 232 + r * 40, 111 + c * 100, 273 + r * 40);
        }
    }
    CRect cell1(12, 234, 109, 271);
    canvas.DrawText("折り返しのある長い品名の説明文", cell1, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    CRect cell2(112, 234, 209, 271);
    canvas.DrawText("1,234", cell2, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    CRect cell3(212, 234, 309, 271);
    canvas.DrawText("省略記号の付く長い備考の文字列", cell3,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    CRect cell4(12, 274, 109, 311);
    canvas.SetBkColor(RGB(0, 120, 215));
    canvas.SetTextColor(kWhite);
    canvas.ExtTextOut(16, 278, ETO_OPAQUE | ETO_CLIPPED, &cell4, "選択されたセルの文字");
    canvas.SetTextColor(RGB(0, 0, 0));
    canvas.DrawFocusRect(CRect(110, 272, 211, 313));
    CRect sunken(212, 274, 309, 311);
    canvas.DrawEdge(sunken, EDGE_SUNKEN, BF_RECT);

    // A photo strip: a gradient, halftone-reduced and nearest-stretched, and a mosaic cell.
    Bitmap photo;
    photo.Create(200, 150, 24);
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 200; ++x) {
            bool stripe = (x / 2 + y / 2) % 2 == 0;
            photo.Row(y)[x] = static_cast<Bitmap::Pixel>((x * 255 / 199) << 16 | (y * 255 / 149) << 8 |
                                                         (stripe ? 255 : 60));
        }
    }
    canvas.SetStretchBltMode(HALFTONE);
    canvas.StretchBitmap(photo, CRect(10, 360, 110, 435), CRect(0, 0, 200, 150));
    canvas.SetStretchBltMode(COLORONCOLOR);
    canvas.StretchBitmap(photo, CRect(120, 360, 220, 435), CRect(0, 0, 200, 150));
    canvas.DrawBitmap(ImageOps::AreaAverage(photo, 60, 45), 230, 360);
    for (int a = 300; a < 380; a += 10) {
        for (int b = 360; b < 435; b += 10) {
            canvas.FillRect(CRect(a, b, a + 10, b + 10), canvas.GetPixel(a - 70 + 5, b + 5));
        }
    }
}

} // namespace

TEST(CanvasScene, RendersEveryPrimitiveIntoAPicture)
{
    Bitmap bitmap = FilledBitmap(640, 480, kWhite);
    {
        Canvas canvas(bitmap);
        DrawScene(canvas);
    }
    // Every part of the scene left ink where it belongs.
    const CRect parts[] = {{10, 10, 200, 30},   {220, 10, 330, 90},  {340, 10, 460, 80},
                           {490, 10, 570, 90},  {10, 110, 400, 200}, {470, 150, 640, 300},
                           {10, 210, 310, 315}, {10, 360, 380, 435}};
    for (const CRect& part : parts) {
        Bitmap piece = ImageOps::Crop(bitmap, part);
        EXPECT_GT(InkCount(piece, kWhite), part.Width() * part.Height() / 50) << part.left << "," << part.top;
    }

    const char* output = std::getenv("ZANTOBY_TEST_OUTPUT");
    if (output == nullptr) {
        return;
    }
    std::filesystem::create_directories(output);
    std::string path = std::string(output) + "/canvas-scene.png";
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        bitmap.Data(), CAIRO_FORMAT_RGB24, bitmap.Width(), bitmap.Height(), bitmap.Stride());
    EXPECT_EQ(cairo_surface_write_to_png(surface, path.c_str()), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(surface);
}
