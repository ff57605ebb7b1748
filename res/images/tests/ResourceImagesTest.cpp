#include "res/images/BitmapArt.h"
#include "res/images/IconPainter.h"
#include "res/images/ToolbarArt.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Pixels as COLORREF, so that they compare with the colours of the program.
COLORREF At(const Bitmap& image, int x, int y)
{
    const Bitmap::Pixel pixel = image.GetPixel(x, y);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int CountPixels(const Bitmap& image, COLORREF color)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += At(image, x, y) == color ? 1 : 0;
        }
    }
    return count;
}

std::vector<COLORREF> Pixels(const Bitmap& image)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            pixels.push_back(At(image, x, y));
        }
    }
    return pixels;
}

constexpr COLORREF kColors[] = {RGB(0, 0, 0),   RGB(255, 0, 0),   RGB(0, 128, 0),   RGB(255, 255, 0),
                                RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

TEST(ToolbarArt, EveryStripHoldsItsImagesSideBySide)
{
    const std::pair<int, int> bars[] = {{CToolbarArt::kOpenBar, 2},
                                        {CToolbarArt::kMainBar, 43},
                                        {CToolbarArt::kEditorBar, 23},
                                        {CToolbarArt::kFormatBar, 9}};
    for (auto [id, count] : bars) {
        EXPECT_EQ(CToolbarArt::GetImageCount(id), count) << id;
        const Bitmap strip = CToolbarArt::DrawStrip(id);
        EXPECT_EQ(strip.Width(), 16 * count) << id;
        EXPECT_EQ(strip.Height(), 15) << id;
        // The last image of the strip is the last image drawn alone.
        const Bitmap last = CToolbarArt::DrawImage(id, count - 1);
        EXPECT_EQ(At(strip, 16 * (count - 1) + 8, 7), At(last, 8, 7)) << id;
    }
    EXPECT_TRUE(CToolbarArt::DrawStrip(130).IsEmpty());
    EXPECT_TRUE(CToolbarArt::DrawImage(CToolbarArt::kMainBar, 43).IsEmpty());
    EXPECT_TRUE(CToolbarArt::DrawImage(CToolbarArt::kMainBar, -1).IsEmpty());
}

TEST(ToolbarArt, EveryImageIsDrawnOnATransparentGroundAndDiffersFromTheOthers)
{
    for (int id :
         {CToolbarArt::kOpenBar, CToolbarArt::kMainBar, CToolbarArt::kEditorBar, CToolbarArt::kFormatBar}) {
        std::set<std::vector<COLORREF>> seen;
        for (int index = 0; index < CToolbarArt::GetImageCount(id); ++index) {
            const Bitmap image = CToolbarArt::DrawImage(id, index);
            const int ground = CountPixels(image, CIconPainter::kTransparent);
            EXPECT_GT(ground, 0) << id << ":" << index;
            EXPECT_LT(ground, 16 * 15 - 20) << id << ":" << index << " is nearly empty";
            EXPECT_TRUE(seen.insert(Pixels(image)).second) << id << ":" << index << " repeats an image";
        }
    }
}

TEST(ToolbarArt, ColourButtonsShowTheirColour)
{
    // Text colour images 27..34 carry the colour in the bar under the letter; background images
    // 35..42 are filled with it.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(At(CToolbarArt::DrawImage(CToolbarArt::kMainBar, 27 + i), 8, 13), kColors[i]) << i;
        EXPECT_EQ(At(CToolbarArt::DrawImage(CToolbarArt::kMainBar, 35 + i), 8, 7), kColors[i]) << i;
    }
}

TEST(BitmapArt, ColourSwatchesRunFromBlackToWhite)
{
    for (int id = CBitmapArt::kFirstColorSwatch; id <= CBitmapArt::kLastColorSwatch; ++id) {
        const COLORREF expected = kColors[id - CBitmapArt::kFirstColorSwatch];
        EXPECT_EQ(CBitmapArt::GetSwatchColor(id), expected);
        const Bitmap swatch = CBitmapArt::Draw(id);
        EXPECT_EQ(At(swatch, 8, 8), expected) << id;
        EXPECT_EQ(At(swatch, 0, 0), CIconPainter::kTransparent) << id;
    }
    EXPECT_EQ(CBitmapArt::GetSwatchColor(325), kDefaultColor);
    EXPECT_EQ(CBitmapArt::GetSwatchColor(334), kDefaultColor);
}

TEST(BitmapArt, WidthSwatchShowsALineAsThickAsItsDots)
{
    for (int width = 0; width <= 8; ++width) {
        const Bitmap swatch = CBitmapArt::Draw(CBitmapArt::kFirstWidthSwatch + width);
        ASSERT_EQ(swatch.Width(), CBitmapArt::kSwatchWidth);
        ASSERT_EQ(swatch.Height(), CBitmapArt::kSwatchHeight);
        int blackRows = 0;
        for (int y = 0; y < swatch.Height(); ++y) {
            blackRows += At(swatch, CBitmapArt::kSwatchWidth / 2, y) == RGB(0, 0, 0) ? 1 : 0;
        }
        EXPECT_EQ(blackRows, width) << width;
    }
}

TEST(BitmapArt, TransparentPatternIsAChequerOfTwoGreys)
{
    const Bitmap pattern = CBitmapArt::Draw(CBitmapArt::kTransparentPattern);
    const int white = CountPixels(pattern, RGB(255, 255, 255));
    const int grey = CountPixels(pattern, RGB(204, 204, 204));
    EXPECT_EQ(white + grey, pattern.Width() * pattern.Height());
    EXPECT_GT(grey, pattern.Width() * pattern.Height() / 3);
    EXPECT_NE(At(pattern, 0, 0), At(pattern, 4, 0));
}

TEST(BitmapArt, SplashAndIconExist)
{
    const Bitmap splash = CBitmapArt::Draw(CBitmapArt::kSplash);
    EXPECT_GT(splash.Width(), 200);
    EXPECT_GT(splash.Height(), 100);
    // The product name is written in white across the middle.
    int white = 0;
    for (int x = 0; x < splash.Width(); ++x) {
        white += At(splash, x, 42) == RGB(255, 255, 255) ? 1 : 0;
    }
    EXPECT_GT(white, 10);

    for (int size : {16, 32, 48}) {
        const Bitmap icon = CBitmapArt::DrawIcon(size);
        EXPECT_EQ(icon.Width(), size);
        EXPECT_EQ(At(icon, 0, 0), CIconPainter::kTransparent);
        EXPECT_NE(At(icon, size / 2, size / 2), CIconPainter::kTransparent);
    }
    EXPECT_TRUE(CBitmapArt::Draw(999).IsEmpty());
}

} // namespace
