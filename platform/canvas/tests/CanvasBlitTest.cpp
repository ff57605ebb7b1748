#include "platform/Cp932.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"
#include "support/CanvasTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

Bitmap Checker(int width, int height)
{
    Bitmap image;
    image.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Row(y)[x] = ((x + y) % 2 == 0) ? 0x000000 : 0xFFFFFF;
        }
    }
    return image;
}

} // namespace

TEST(CanvasBlit, DrawBitmapCopiesPixelsOneToOne)
{
    Bitmap image;
    image.Create(2, 2, 32);
    image.Row(0)[0] = 0x112233;
    image.Row(1)[1] = 0xAABBCC;
    Bitmap target = FilledBitmap(6, 6, kWhite);
    {
        Canvas canvas(target);
        canvas.DrawBitmap(image, 3, 2);
    }
    EXPECT_EQ(ColorAt(target, 3, 2), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(ColorAt(target, 4, 3), RGB(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(InkBounds(target, kWhite), CRect(3, 2, 5, 4));
}

TEST(CanvasBlit, IndexedBitmapsDrawThroughTheirPalette)
{
    Bitmap image;
    image.Create(2, 1, 1);
    image.Palette()[0] = 0xFF0000;
    image.Palette()[1] = 0x0000FF;
    image.IndexRow(0)[1] = 1;
    Bitmap target = FilledBitmap(4, 4, kWhite);
    {
        Canvas canvas(target);
        canvas.DrawBitmap(image, 0, 0);
    }
    EXPECT_EQ(ColorAt(target, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(ColorAt(target, 1, 0), RGB(0, 0, 255));
}

TEST(CanvasBlit, NearestStretchRepeatsPixels)
{
    Bitmap image = Checker(2, 2);
    Bitmap target = FilledBitmap(8, 8, RGB(1, 2, 3));
    {
        Canvas canvas(target);
        canvas.SetStretchBltMode(COLORONCOLOR);
        canvas.StretchBitmap(image, CRect(0, 0, 8, 8), CRect(0, 0, 2, 2));
    }
    EXPECT_EQ(ColorAt(target, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ColorAt(target, 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(ColorAt(target, 4, 3), RGB(255, 255, 255));
    EXPECT_EQ(ColorAt(target, 7, 7), RGB(0, 0, 0));
}

TEST(CanvasBlit, HalftoneReductionAveragesAndNearestDoesNot)
{
    Bitmap image = Checker(16, 16);
    Bitmap halftone = FilledBitmap(4, 4, kWhite);
    Bitmap nearest = FilledBitmap(4, 4, kWhite);
    {
        Canvas canvas(halftone);
        canvas.SetStretchBltMode(HALFTONE);
        canvas.StretchBitmap(image, CRect(0, 0, 4, 4), CRect(0, 0, 16, 16));
        Canvas plain(nearest);
        plain.StretchBitmap(image, CRect(0, 0, 4, 4), CRect(0, 0, 16, 16));
    }
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(ColorAt(halftone, x, y), RGB(128, 128, 128));
            COLORREF picked = ColorAt(nearest, x, y);
            EXPECT_TRUE(picked == RGB(0, 0, 0) || picked == kWhite);
        }
    }
}

TEST(CanvasBlit, HalftoneEnlargementSmoothsWithoutAveragingTheWholeDestination)
{
    Bitmap image = Checker(2, 2);
    Bitmap target = FilledBitmap(10, 10, kWhite);
    {
        Canvas canvas(target);
        canvas.SetStretchBltMode(HALFTONE);
        canvas.StretchBitmap(image, CRect(0, 0, 1'000'000, 1'000'000), CRect(0, 0, 2, 2));
    }
    EXPECT_EQ(ColorAt(target, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ColorAt(target, 9, 9), RGB(0, 0, 0));
}

TEST(CanvasBlit, StretchTakesTheSourceRectangleAndNeverMirrors)
{
    Bitmap image;
    image.Create(4, 1, 24);
    image.Row(0)[2] = 0xFF0000;
    image.Row(0)[3] = 0x00FF00;
    Bitmap target = FilledBitmap(6, 3, kWhite);
    {
        Canvas canvas(target);
        canvas.StretchBitmap(image, CRect(6, 3, 2, 1), CRect(2, 0, 4, 1)); // corners given backwards
    }
    EXPECT_EQ(ColorAt(target, 2, 1), RGB(255, 0, 0));
    EXPECT_EQ(ColorAt(target, 5, 2), RGB(0, 255, 0));
    EXPECT_EQ(InkBounds(target, kWhite), CRect(2, 1, 6, 3));
}

TEST(PdfDocument, WritesPagesThroughACanvas)
{
    char folder[] = "/tmp/canvas-pdf-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string path = std::string(folder) + "/印刷.pdf";
    {
        PdfDocument pdf;
        ASSERT_TRUE(pdf.Create(CString(path), 2100, 2970));
        EXPECT_EQ(pdf.PageSize(), CSize(4961, 7016)); // A4 at 600 dpi
        for (int page = 0; page < 2; ++page) {
            Canvas canvas(pdf.Context());
            canvas.SetResolution(PdfDocument::kDotsPerInch);
            canvas.SetMapMode(MM_LOMETRIC);
            EXPECT_EQ(canvas.LPtoDP(CPoint(254, -254)), CPoint(600, 600));
            LogFont font;
            font.faceName = "ＭＳ 明朝";
            font.height = 100;
            canvas.SelectFont(font);
            CRect line(0, 0, 1000, 0);
            EXPECT_NEAR(canvas.DrawText("一覧", line, DT_CALCRECT), 100, 2)
                << "text keeps its size on the scaled page";
            font.height = -50;
            canvas.SelectFont(font);
            CRect header(200, -200, 1900, -250);
            canvas.DrawText("一覧印刷", header, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            canvas.Rectangle(200, -300, 1900, -800);
            canvas.SetStretchBltMode(HALFTONE);
            canvas.StretchBitmap(Checker(8, 8), CRect(200, -900, 400, -1100), CRect(0, 0, 8, 8));
            pdf.NextPage();
        }
        EXPECT_TRUE(pdf.Close());
    }
    std::string utf8Path = Cp932::ToUtf8(path);
    std::ifstream file(utf8Path, std::ios::binary);
    std::string head(5, '\0');
    file.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    std::remove(utf8Path.c_str());
    rmdir(folder);

    PdfDocument nowhere;
    EXPECT_FALSE(nowhere.Create("/nonexistent-folder/x.pdf", 2100, 2970));
    EXPECT_EQ(nowhere.Context(), nullptr);
}
