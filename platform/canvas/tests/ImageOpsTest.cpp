#include "platform/canvas/ImageOps.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

// A true-colour image whose pixels encode their own position.
Bitmap Numbered(int width, int height)
{
    Bitmap image;
    image.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.Row(y)[x] = static_cast<Bitmap::Pixel>(y * 256 + x);
        }
    }
    return image;
}

// Pixels of every colour, the same for a seed.
Bitmap Noise(int width, int height, std::uint32_t seed)
{
    Bitmap image;
    image.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.Row(y)[x] = (seed >> 4) & 0xFFFFFF;
        }
    }
    return image;
}

Bitmap::Pixel Rgb(int r, int g, int b)
{
    return static_cast<Bitmap::Pixel>((r << 16) | (g << 8) | b);
}

} // namespace

TEST(ImageOpsAreaAverage, TwoByTwoBlocksBecomeTheirMean)
{
    Bitmap image;
    image.Create(4, 2, 32);
    image.Row(0)[0] = Rgb(0, 0, 0);
    image.Row(0)[1] = Rgb(255, 100, 10);
    image.Row(1)[0] = Rgb(1, 100, 20);
    image.Row(1)[1] = Rgb(0, 1, 30);
    for (int x = 2; x < 4; ++x) {
        image.Row(0)[x] = image.Row(1)[x] = Rgb(200, 150, 100);
    }
    Bitmap half = ImageOps::AreaAverage(image, 2, 1);
    ASSERT_EQ(half.Width(), 2);
    ASSERT_EQ(half.Height(), 1);
    EXPECT_EQ(half.BitCount(), 24);
    EXPECT_EQ(half.GetPixel(0, 0), Rgb(64, 50, 15)); // 256/4 and 201/4 rounded to nearest
    EXPECT_EQ(half.GetPixel(1, 0), Rgb(200, 150, 100));
}

TEST(ImageOpsAreaAverage, FractionalSpansWeighTheSharedPixel)
{
    // Three pixels into two: each target takes one and a half source pixels.
    Bitmap image;
    image.Create(3, 1, 24);
    image.Row(0)[0] = Rgb(0, 0, 0);
    image.Row(0)[1] = Rgb(90, 90, 90);
    image.Row(0)[2] = Rgb(240, 240, 240);
    Bitmap two = ImageOps::AreaAverage(image, 2, 1);
    EXPECT_EQ(two.GetPixel(0, 0), Rgb(30, 30, 30));    // (0 + 0.5 * 90) / 1.5
    EXPECT_EQ(two.GetPixel(1, 0), Rgb(190, 190, 190)); // (0.5 * 90 + 240) / 1.5
}

TEST(ImageOpsAreaAverage, KeepsFlatColourAtAnyScale)
{
    Bitmap image;
    image.Create(37, 23, 24);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) {
            image.Row(y)[x] = Rgb(17, 128, 255);
        }
    }
    for (auto [w, h] : {std::pair{5, 3}, std::pair{36, 22}, std::pair{80, 50}, std::pair{1, 1}}) {
        Bitmap scaled = ImageOps::AreaAverage(image, w, h);
        ASSERT_EQ(scaled.Width(), w);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                ASSERT_EQ(scaled.GetPixel(x, y), Rgb(17, 128, 255)) << w << "x" << h;
            }
        }
    }
}

TEST(ImageOpsAreaAverage, AgreesWithAPlainBoxFilter)
{
    const Bitmap image = Noise(37, 23, 7);
    const int width = 10;
    const int height = 7;
    Bitmap reduced = ImageOps::AreaAverage(image, width, height);
    const double fx = 37.0 / width;
    const double fy = 23.0 / height;
    for (int ty = 0; ty < height; ++ty) {
        for (int tx = 0; tx < width; ++tx) {
            double sum[3] = {0, 0, 0};
            for (int y = 0; y < 23; ++y) {
                double wy = std::max(0.0, std::min(y + 1.0, (ty + 1) * fy) - std::max(double(y), ty * fy));
                for (int x = 0; x < 37 && wy > 0; ++x) {
                    double wx =
                        std::max(0.0, std::min(x + 1.0, (tx + 1) * fx) - std::max(double(x), tx * fx));
                    Bitmap::Pixel p = image.Row(y)[x];
                    sum[0] += wx * wy * ((p >> 16) & 0xFF);
                    sum[1] += wx * wy * ((p >> 8) & 0xFF);
                    sum[2] += wx * wy * (p & 0xFF);
                }
            }
            Bitmap::Pixel got = reduced.GetPixel(tx, ty);
            const int shifts[3] = {16, 8, 0};
            for (int c = 0; c < 3; ++c) {
                EXPECT_NEAR(double((got >> shifts[c]) & 0xFF), sum[c] / (fx * fy), 0.5001) << tx << "," << ty;
            }
        }
    }
}

TEST(ImageOpsAreaAverage, VeryTallSourcesStayExact)
{
    Bitmap image;
    image.Create(1, 9000, 24);
    for (int y = 0; y < 9000; ++y) {
        image.Row(y)[0] = y < 4500 ? Rgb(255, 10, 0) : Rgb(0, 10, 255);
    }
    Bitmap one = ImageOps::AreaAverage(image, 1, 1);
    EXPECT_EQ(one.GetPixel(0, 0), Rgb(128, 10, 128));
    Bitmap two = ImageOps::AreaAverage(image, 1, 2);
    EXPECT_EQ(two.GetPixel(0, 0), Rgb(255, 10, 0));
    EXPECT_EQ(two.GetPixel(0, 1), Rgb(0, 10, 255));
    Bitmap three = ImageOps::AreaAverage(image, 1, 3);
    EXPECT_EQ(three.GetPixel(0, 1), Rgb(128, 10, 128));

    // The same picture as a copy reduced by 8, cut off-grid.
    Bitmap copy;
    copy.Create(1, 1125, 24);
    for (int y = 0; y < 1125; ++y) {
        copy.Row(y)[0] = y < 562 ? Rgb(255, 10, 0) : Rgb(0, 10, 255);
    }
    Bitmap cut = ImageOps::AreaAverage(copy, 8, CRect(0, 4, 8, 8988), 1, 2);
    EXPECT_EQ(cut.GetPixel(0, 0), Rgb(255, 10, 0));
    EXPECT_EQ(cut.GetPixel(0, 1), Rgb(0, 10, 255));
    // 4,496 red rows against 4,504 blue ones.
    EXPECT_EQ(ImageOps::AreaAverage(copy, 8, CRect(0, 0, 8, 9000), 1, 1).GetPixel(0, 0), Rgb(127, 10, 128));
}

TEST(ImageOpsAreaAverage, ReadsASourceRectangleAndIndexedImages)
{
    Bitmap indexed;
    indexed.Create(4, 4, 8);
    indexed.Palette()[1] = Rgb(100, 0, 0);
    indexed.Palette()[2] = Rgb(0, 0, 200);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            indexed.IndexRow(y)[x] = x < 2 ? 1 : 2;
        }
    }
    Bitmap right = ImageOps::AreaAverage(indexed, CRect(2, 0, 10, 4), 1, 1); // clipped to the image
    EXPECT_EQ(right.GetPixel(0, 0), Rgb(0, 0, 200));
    Bitmap middle = ImageOps::AreaAverage(indexed, CRect(1, 1, 3, 3), 1, 1);
    EXPECT_EQ(middle.GetPixel(0, 0), Rgb(50, 0, 100));
    EXPECT_TRUE(ImageOps::AreaAverage(indexed, CRect(5, 5, 9, 9), 1, 1).IsEmpty());
    EXPECT_TRUE(ImageOps::AreaAverage(indexed, 0, 3).IsEmpty());
}

// A reduced copy stands for its picture with each pixel repeated reduction x reduction times:
// averaging any part of the copy gives what averaging that part of the repeated picture gives,
// also where the part cuts through the copy's pixels.
TEST(ImageOpsAreaAverage, AReducedCopyAveragesAsItsPictureWould)
{
    const Bitmap copy = Noise(13, 9, 11);
    for (int reduction : {2, 8}) {
        Bitmap picture;
        picture.Create(13 * reduction, 9 * reduction, 24);
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                picture.Row(y)[x] = copy.Row(y / reduction)[x / reduction];
            }
        }
        const CRect parts[] = {CRect(0, 0, picture.Width(), picture.Height()), CRect(3, 1, 21, 17),
                               CRect(reduction, reduction, 5 * reduction, 3 * reduction),
                               CRect(-4, 5, 1000, 1000)};
        for (const CRect& part : parts) {
            for (auto [w, h] : {std::pair{5, 3}, std::pair{7, 11}, std::pair{40, 30}}) {
                Bitmap expected = ImageOps::AreaAverage(picture, part, w, h);
                Bitmap got = ImageOps::AreaAverage(copy, reduction, part, w, h);
                ASSERT_EQ(got.Width(), w);
                ASSERT_EQ(got.Height(), h);
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        ASSERT_EQ(got.GetPixel(x, y), expected.GetPixel(x, y))
                            << "reduction " << reduction << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(ImageOpsTurns, QuarterTurnsSendTheTopLeftPixelRound)
{
    Bitmap image = Numbered(3, 2);
    Bitmap left = ImageOps::Rotate(image, 1);
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    EXPECT_EQ(left.GetPixel(0, 2), image.GetPixel(0, 0)); // counter-clockwise: bottom left
    EXPECT_EQ(left.GetPixel(0, 0), image.GetPixel(2, 0));
    EXPECT_EQ(left.GetPixel(1, 2), image.GetPixel(0, 1));

    Bitmap right = ImageOps::Rotate(image, 3);
    EXPECT_EQ(right.GetPixel(1, 0), image.GetPixel(0, 0)); // clockwise: top right
    EXPECT_EQ(right.GetPixel(0, 0), image.GetPixel(0, 1));

    Bitmap half = ImageOps::Rotate(image, 2);
    EXPECT_EQ(half.Width(), 3);
    EXPECT_EQ(half.GetPixel(2, 1), image.GetPixel(0, 0));

    auto same = [](const Bitmap& a, const Bitmap& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height()) {
            return false;
        }
        for (int y = 0; y < a.Height(); ++y) {
            for (int x = 0; x < a.Width(); ++x) {
                if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(same(ImageOps::Rotate(image, -1), right));
    EXPECT_TRUE(same(ImageOps::Rotate(image, 4), image));
    EXPECT_TRUE(same(ImageOps::Rotate(left, 1), half));
    Bitmap big = Numbered(130, 70); // more than one tile
    EXPECT_TRUE(same(ImageOps::Rotate(ImageOps::Rotate(big, 1), 3), big));
}

TEST(ImageOpsTurns, IndexedImagesKeepTheirPalette)
{
    Bitmap image;
    image.Create(2, 1, 4);
    image.Palette()[5] = Rgb(1, 2, 3);
    image.IndexRow(0)[0] = 5;
    Bitmap turned = ImageOps::Rotate(image, 1);
    EXPECT_EQ(turned.BitCount(), 4);
    EXPECT_EQ(turned.GetPixel(0, 1), Rgb(1, 2, 3));
}

TEST(ImageOpsFlips, MirrorRowsOrColumns)
{
    Bitmap image = Numbered(3, 3);
    Bitmap flipped = image;
    ImageOps::FlipHorizontal(flipped);
    EXPECT_EQ(flipped.GetPixel(0, 1), image.GetPixel(2, 1));
    EXPECT_EQ(flipped.GetPixel(1, 1), image.GetPixel(1, 1));
    flipped = image;
    ImageOps::FlipVertical(flipped);
    EXPECT_EQ(flipped.GetPixel(2, 0), image.GetPixel(2, 2));
    EXPECT_EQ(flipped.GetPixel(2, 1), image.GetPixel(2, 1));

    Bitmap indexed;
    indexed.Create(2, 2, 8);
    indexed.IndexRow(0)[0] = 7;
    ImageOps::FlipHorizontal(indexed);
    ImageOps::FlipVertical(indexed);
    EXPECT_EQ(indexed.IndexRow(1)[1], 7);
}

TEST(ImageOpsCrop, CutsTheRectangleClippedToTheImage)
{
    Bitmap image = Numbered(10, 8);
    Bitmap part = ImageOps::Crop(image, CRect(7, 5, 20, 20));
    ASSERT_EQ(part.Width(), 3);
    ASSERT_EQ(part.Height(), 3);
    EXPECT_EQ(part.GetPixel(0, 0), image.GetPixel(7, 5));
    EXPECT_EQ(part.GetPixel(2, 2), image.GetPixel(9, 7));
    EXPECT_TRUE(ImageOps::Crop(image, CRect(10, 0, 12, 5)).IsEmpty());
}
