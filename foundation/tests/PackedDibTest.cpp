#include "foundation/PackedDib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// A true-colour image whose every pixel is different: 0x00XXYYnn.
Bitmap Numbered(int width, int height)
{
    Bitmap bitmap;
    bitmap.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.Row(y)[x] = static_cast<Bitmap::Pixel>(x << 16 | y << 8 | 0x80);
        }
    }
    return bitmap;
}

Bitmap Pixels(const CPackedDib& dib)
{
    Bitmap bitmap;
    EXPECT_TRUE(dib.ToBitmap(bitmap));
    return bitmap;
}

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
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
}

CPackedDib Made(const Bitmap& bitmap)
{
    CPackedDib dib;
    EXPECT_TRUE(dib.CreateFromBitmap(bitmap));
    return dib;
}

} // namespace

TEST(PackedDib, HoldsARealBottomUpDibBlock)
{
    CPackedDib dib = Made(Numbered(3, 2));
    BITMAPINFOHEADER header = dib.GetHeader();
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 3);
    EXPECT_EQ(header.biHeight, 2);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, BI_RGB);
    EXPECT_EQ(header.biSizeImage, 24u) << "rows of 9 bytes padded to 12";
    ASSERT_EQ(dib.GetDataSize(), 40u + 24u);
    const unsigned char* bits = dib.GetData() + 40;
    // The first stored row is the bottom one: pixel (0, 1) = 00 01 80 as B, G, R.
    EXPECT_EQ(bits[0], 0x80);
    EXPECT_EQ(bits[1], 0x01);
    EXPECT_EQ(bits[2], 0x00);
    EXPECT_EQ(bits[12 + 3 * 2 + 2], 0x02) << "top row, third pixel, red";
    EXPECT_EQ(dib.GetSize(), CSize(3, 2));
    EXPECT_TRUE(SamePixels(Pixels(dib), Numbered(3, 2)));
}

TEST(PackedDib, CreatesOnlyOnceAndFreesToEmpty)
{
    CPackedDib dib = Made(Numbered(2, 2));
    EXPECT_FALSE(dib.CreateFromBitmap(Numbered(4, 4))) << "already holds an image";
    EXPECT_EQ(dib.GetSize(), CSize(2, 2));
    EXPECT_TRUE(dib.Free());
    EXPECT_TRUE(dib.Free());
    EXPECT_EQ(dib.GetSize(), CSize(0, 0));
    EXPECT_FALSE(dib.CreateFromBitmap(Bitmap()));
    Bitmap none;
    EXPECT_FALSE(dib.ToBitmap(none));
    dib.Rotate(1); // nothing happens without an image
    dib.FlipHorizontal();
    EXPECT_TRUE(dib.IsEmpty());
}

TEST(PackedDib, IndexedImagesKeepDepthAndColourTable)
{
    for (int bits : {1, 4, 8}) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.Create(11, 3, bits));
        int colours = 1 << bits;
        for (int i = 0; i < colours; ++i) {
            bitmap.Palette()[i] = static_cast<Bitmap::Pixel>(i * 0x010203);
        }
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 11; ++x) {
                bitmap.IndexRow(y)[x] = static_cast<unsigned char>((x + y * 5) % colours);
            }
        }
        CPackedDib dib = Made(bitmap);
        EXPECT_EQ(dib.GetBitCount(), bits);
        EXPECT_EQ(CPackedDib::GetBitsOffset(dib.GetData(), dib.GetDataSize()), 40u + 4u * colours);
        Bitmap back = Pixels(dib);
        EXPECT_EQ(back.BitCount(), bits);
        EXPECT_TRUE(SamePixels(back, bitmap)) << bits << " bits";
    }
}

TEST(PackedDib, FlipsMirrorRowsAndReverseTheirOrder)
{
    Bitmap original = Numbered(5, 3);
    CPackedDib dib = Made(original);
    dib.FlipHorizontal();
    Bitmap mirrored = Pixels(dib);
    EXPECT_EQ(mirrored.GetPixel(0, 1), original.GetPixel(4, 1));
    EXPECT_EQ(mirrored.GetPixel(2, 1), original.GetPixel(2, 1));
    dib.FlipHorizontal();
    dib.FlipVertical();
    Bitmap flipped = Pixels(dib);
    EXPECT_EQ(flipped.GetPixel(1, 0), original.GetPixel(1, 2));
    EXPECT_EQ(flipped.GetPixel(1, 1), original.GetPixel(1, 1));
}

TEST(PackedDib, QuarterTurnsGoTheRightWay)
{
    Bitmap original = Numbered(4, 3);
    CPackedDib left = Made(original);
    left.Rotate(1);
    Bitmap turned = Pixels(left);
    ASSERT_EQ(turned.Width(), 3);
    ASSERT_EQ(turned.Height(), 4);
    EXPECT_EQ(turned.GetPixel(0, 3), original.GetPixel(0, 0)) << "top-left ends bottom-left";
    EXPECT_EQ(turned.GetPixel(0, 0), original.GetPixel(3, 0)) << "top-right ends top-left";
    EXPECT_EQ(left.GetHeader().biSizeImage, 4u * 12u);

    CPackedDib right = Made(original);
    right.Rotate(3);
    EXPECT_EQ(Pixels(right).GetPixel(2, 0), original.GetPixel(0, 0)) << "top-left ends top-right";
}

TEST(PackedDib, TurnsAddUpModuloFour)
{
    Bitmap original = Numbered(5, 3);
    CPackedDib minusOne = Made(original);
    CPackedDib three = Made(original);
    minusOne.Rotate(-1);
    three.Rotate(3);
    EXPECT_TRUE(SamePixels(Pixels(minusOne), Pixels(three)));

    CPackedDib four = Made(original);
    four.Rotate(4);
    EXPECT_TRUE(SamePixels(Pixels(four), original));

    CPackedDib twice = Made(original);
    CPackedDib half = Made(original);
    twice.Rotate(1);
    twice.Rotate(1);
    half.Rotate(2);
    EXPECT_TRUE(SamePixels(Pixels(twice), Pixels(half)));
    EXPECT_EQ(Pixels(half).GetPixel(0, 0), original.GetPixel(4, 2));
}

TEST(PackedDib, EightBitTurnKeepsTheColourTable)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2, 8));
    bitmap.Palette()[9] = 0xABCDEF;
    bitmap.IndexRow(0)[0] = 9;
    CPackedDib dib = Made(bitmap);
    dib.Rotate(1);
    EXPECT_EQ(dib.GetBitCount(), 8);
    Bitmap turned = Pixels(dib);
    EXPECT_EQ(turned.GetPixel(0, 2), 0xABCDEFu);
    EXPECT_EQ(turned.Palette()[9], 0xABCDEFu);
}

TEST(PackedDib, ImagesBelowEightBitsAreFlippedAndTurnedInTrueColour)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2, 4));
    bitmap.Palette()[1] = 0xFF0000;
    bitmap.IndexRow(0)[0] = 1;
    CPackedDib dib = Made(bitmap);
    dib.FlipHorizontal();
    EXPECT_EQ(dib.GetBitCount(), 24);
    EXPECT_EQ(Pixels(dib).GetPixel(2, 0), 0xFF0000u);

    CPackedDib turned = Made(bitmap);
    turned.Rotate(3);
    EXPECT_EQ(Pixels(turned).GetPixel(1, 0), 0xFF0000u);
}

TEST(PackedDib, AttachReadsForeignDibsAndRefusesBadOnes)
{
    // 16 bits with 5-6-5 bit fields, top-down, two pixels: pure red and pure blue.
    std::vector<unsigned char> block(40 + 12 + 4);
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = 2;
    header.biHeight = -1;
    header.biPlanes = 1;
    header.biBitCount = 16;
    header.biCompression = BI_BITFIELDS;
    std::memcpy(block.data(), &header, 40);
    std::uint32_t masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(block.data() + 40, masks, 12);
    std::uint16_t pixels[2] = {0xF800, 0x001F};
    std::memcpy(block.data() + 52, pixels, 4);
    CPackedDib dib;
    ASSERT_TRUE(dib.Attach(block));
    Bitmap bitmap = Pixels(dib);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x0000FFu);
    dib.FlipHorizontal();
    EXPECT_EQ(Pixels(dib).GetPixel(0, 0), 0x0000FFu) << "a top-down DIB mirrors too";

    std::vector<unsigned char> cut(block.begin(), block.end() - 1);
    EXPECT_FALSE(dib.Attach(cut)) << "rows missing";
    EXPECT_TRUE(dib.IsEmpty());
    header.biWidth = 20000;
    header.biHeight = 10000;
    std::memcpy(block.data(), &header, 40);
    EXPECT_FALSE(dib.Attach(block)) << "too many pixels";
    EXPECT_FALSE(dib.Attach(std::vector<unsigned char>(10)));
}

namespace {

// A 32-bit bit-field DIB of one pixel (blue 0x33, green 0x22, red 0x11) with a header of
// headerSize bytes, the three masks behind it and a colour table of usedColours entries.
std::vector<unsigned char> BitFieldDib(std::uint32_t headerSize, std::uint32_t usedColours)
{
    BITMAPINFOHEADER header{};
    header.biSize = headerSize;
    header.biWidth = 1;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_BITFIELDS;
    header.biClrUsed = usedColours;
    std::vector<unsigned char> block(headerSize + 12 + 4 * usedColours);
    std::memcpy(block.data(), &header, 40);
    const std::uint32_t masks[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    std::memcpy(block.data() + headerSize, masks, 12);
    for (unsigned char pixel : {0x33, 0x22, 0x11, 0x00}) {
        block.push_back(pixel);
    }
    return block;
}

} // namespace

// The masks of a bit-field image stand between a short header and its colour table, also when
// the table is not empty or the header is longer than the usual 40 bytes.
TEST(PackedDib, BitFieldMasksComeBeforeTheColourTable)
{
    for (auto [headerSize, usedColours] : {std::pair{40u, 0u}, {40u, 1u}, {40u, 2u}, {44u, 0u}}) {
        const std::vector<unsigned char> block = BitFieldDib(headerSize, usedColours);
        EXPECT_EQ(CPackedDib::GetBitsOffset(block.data(), block.size()), block.size() - 4)
            << "header " << headerSize << ", colours " << usedColours;
        CPackedDib dib;
        ASSERT_TRUE(dib.Attach(block));
        EXPECT_EQ(Pixels(dib).GetPixel(0, 0), 0x112233u);
    }
}
