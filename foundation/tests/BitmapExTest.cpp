#include "foundation/BitmapEx.h"
#include "foundation/PackedDib.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <climits>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <png.h>
#include <string>
#include <vector>

namespace {

int Red(Bitmap::Pixel p)
{
    return static_cast<int>(p >> 16 & 0xFF);
}
int Green(Bitmap::Pixel p)
{
    return static_cast<int>(p >> 8 & 0xFF);
}
int Blue(Bitmap::Pixel p)
{
    return static_cast<int>(p & 0xFF);
}

// Four coloured quarters, so that orientation and channel order both show.
std::uint32_t Quarters(int x, int y)
{
    if (y < 8) {
        return x < 8 ? 0xFF0000 : 0x00FF00;
    }
    return x < 8 ? 0x0000FF : 0xFFFF00;
}

void ExpectNear(Bitmap::Pixel actual, std::uint32_t expected, int tolerance)
{
    EXPECT_NEAR(Red(actual), Red(expected), tolerance);
    EXPECT_NEAR(Green(actual), Green(expected), tolerance);
    EXPECT_NEAR(Blue(actual), Blue(expected), tolerance);
}

// A small loaded image whose survival shows that a failed load kept it.
CBitmapEx LoadedMarker(const ScratchFolder& scratch)
{
    TestImages::WriteJpeg(scratch / "marker.jpg", 16, 16, 3, Quarters);
    CBitmapEx bitmap;
    EXPECT_TRUE(bitmap.LoadJpeg(scratch / "marker.jpg"));
    return bitmap;
}

class BitmapExTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
            m_boxes.push_back(text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(m_previous);
        EXPECT_TRUE(m_boxes.empty()) << "no box for a bad image file";
    }

    ScratchFolder m_scratch;
    std::vector<CString> m_boxes;
    MessageBoxHandler m_previous;
};

} // namespace

TEST_F(BitmapExTest, JpegRoundTripKeepsSizeColoursAndOrientation)
{
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    ASSERT_EQ(bitmap.Width(), 16);
    ASSERT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.BitCount(), 24);
    ExpectNear(bitmap.Row(2)[2], 0xFF0000, 8);
    ExpectNear(bitmap.Row(2)[13], 0x00FF00, 8);
    ExpectNear(bitmap.Row(13)[2], 0x0000FF, 8);
    EXPECT_EQ(bitmap.Row(13)[13] >> 24, 0u) << "the unused byte stays 0";

    ASSERT_TRUE(bitmap.SaveJpeg(m_scratch / "copy.jpg", 90));
    CBitmapEx copy;
    ASSERT_TRUE(copy.LoadImageFile(m_scratch / "copy.jpg"));
    ExpectNear(copy.Row(13)[13], 0xFFFF00, 12);
}

TEST_F(BitmapExTest, FileThatIsNoJpegIsRefusedAndTheBitmapKept)
{
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    ScratchFolder::WriteBytes(m_scratch / "fake.JPG", "GIF89a not a jpeg");
    EXPECT_FALSE(bitmap.LoadImageFile(m_scratch / "fake.JPG"));
    ScratchFolder::WriteBytes(m_scratch / "empty.jpg", "");
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "empty.jpg"));
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "missing.jpg"));
    ScratchFolder::WriteBytes(m_scratch / "picture.gif", "GIF89a");
    EXPECT_FALSE(bitmap.LoadImageFile(m_scratch / "picture.gif"));
    EXPECT_EQ(bitmap.Width(), 16);
    ExpectNear(bitmap.Row(2)[2], 0xFF0000, 8);
}

TEST_F(BitmapExTest, TruncatedJpegFailsWithoutEndingTheProgram)
{
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    TestImages::WriteJpeg(m_scratch / "big.jpg", 64, 64, 3, Quarters);
    std::string bytes = ScratchFolder::ReadBytes(m_scratch / "big.jpg");
    for (size_t keep : {bytes.size() / 2, size_t{4}, bytes.size() - 2}) {
        ScratchFolder::WriteBytes(m_scratch / "cut.jpg", bytes.substr(0, keep));
        EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "cut.jpg")) << "kept " << keep << " bytes";
    }
    std::string corrupt = bytes;
    std::memset(corrupt.data() + 2, 0x55, 200);
    ScratchFolder::WriteBytes(m_scratch / "corrupt.jpg", corrupt);
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "corrupt.jpg"));
    EXPECT_EQ(bitmap.Width(), 16);
}

// A progressive JPEG needs memory for the whole image's coefficients, however much it is
// reduced: a header that names a huge image is refused at once, a normal one decodes.
TEST_F(BitmapExTest, ProgressiveJpegNamingAHugeImageIsRefused)
{
    TestImages::WriteJpeg(m_scratch / "progressive.jpg", 64, 48, 3, Quarters, 90, true);
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadJpeg(m_scratch / "progressive.jpg", 2));
    EXPECT_EQ(bitmap.Width(), 32);
    ExpectNear(bitmap.Row(20)[0], 0x0000FF, 12);

    std::string bytes = ScratchFolder::ReadBytes(m_scratch / "progressive.jpg");
    const size_t frame = bytes.find("\xFF\xC2");
    ASSERT_NE(frame, std::string::npos);
    // Height and width, 65,000 each, after the marker, the length and the precision.
    bytes.replace(frame + 5, 4, "\xFD\xE8\xFD\xE8");
    ScratchFolder::WriteBytes(m_scratch / "huge.jpg", bytes);
    JpegHeader header;
    ASSERT_TRUE(CBitmapEx::ReadJpegHeader(m_scratch / "huge.jpg", header));
    ASSERT_EQ(header.width, 65000);
    ASSERT_TRUE(CBitmapEx::FitsInMemory(CSize(header.width, header.height), 8));
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "huge.jpg", 8));
    EXPECT_EQ(bitmap.Width(), 32);
}

TEST_F(BitmapExTest, GrayAndCmykJpegsBecomeTrueColour)
{
    TestImages::WriteJpeg(m_scratch / "gray.jpg", 8, 8, 1, [](int x, int) { return std::uint32_t(x * 30); });
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadJpeg(m_scratch / "gray.jpg"));
    EXPECT_EQ(bitmap.BitCount(), 24);
    for (int x = 0; x < 8; ++x) {
        Bitmap::Pixel p = bitmap.Row(3)[x];
        EXPECT_EQ(Red(p), Green(p));
        EXPECT_EQ(Green(p), Blue(p));
        EXPECT_NEAR(Red(p), x * 30, 4);
    }
    // Inverted CMYK as Adobe writes it: no cyan ink is 0, full ink elsewhere 255.
    TestImages::WriteJpeg(m_scratch / "cmyk.jpg", 8, 8, 4,
                          [](int, int) { return std::uint32_t(0x00FFFFFF); });
    ASSERT_TRUE(bitmap.LoadJpeg(m_scratch / "cmyk.jpg"));
    ExpectNear(bitmap.Row(4)[4], 0x00FFFF, 6);
}

// The decoder's own scaling: a fraction of the pixels, each the mean of the block it stands for.
TEST_F(BitmapExTest, ReducedDecodeGivesAFractionOfThePixels)
{
    TestImages::WriteJpeg(m_scratch / "wide.jpg", 64, 32, 3, Quarters);
    for (int reduction : {1, 2, 4, 8}) {
        CBitmapEx bitmap;
        ASSERT_TRUE(bitmap.LoadJpeg(m_scratch / "wide.jpg", reduction)) << reduction;
        EXPECT_EQ(bitmap.Width(), 64 / reduction);
        EXPECT_EQ(bitmap.Height(), 32 / reduction);
        ExpectNear(bitmap.Row(0)[0], 0xFF0000, 12);
    }
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "wide.jpg", 3)) << "only the decoder's scales";
    EXPECT_FALSE(bitmap.LoadJpeg(m_scratch / "wide.jpg", 0));
    EXPECT_EQ(bitmap.Width(), 16);

    // The largest reduction that tiles the photo exactly and is not too large.
    EXPECT_EQ(CBitmapEx::ChooseJpegReduction(CSize(4000, 3000), 15), 8);
    EXPECT_EQ(CBitmapEx::ChooseJpegReduction(CSize(4000, 3000), 7), 4);
    EXPECT_EQ(CBitmapEx::ChooseJpegReduction(CSize(4000, 3000), 1), 1);
    EXPECT_EQ(CBitmapEx::ChooseJpegReduction(CSize(4004, 3000), 15), 4);
    EXPECT_EQ(CBitmapEx::ChooseJpegReduction(CSize(4001, 3000), 15), 1);
    // 12,000 x 9,000 fits into memory reduced, not whole.
    EXPECT_FALSE(CBitmapEx::FitsInMemory(CSize(12000, 9000), 1));
    EXPECT_TRUE(CBitmapEx::FitsInMemory(CSize(12000, 9000), 2));
    EXPECT_TRUE(CBitmapEx::FitsInMemory(CSize(10000, 10000), 1));
    EXPECT_FALSE(CBitmapEx::FitsInMemory(CSize(10001, 10000), 1));
    EXPECT_FALSE(CBitmapEx::FitsInMemory(CSize(0, 10), 1));
}

TEST_F(BitmapExTest, SaveFailsForAMissingFolderOrAnEmptyImage)
{
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    EXPECT_FALSE(bitmap.SaveJpeg(m_scratch / "no/folder.jpg", 80));
    EXPECT_FALSE(CBitmapEx().SaveJpeg(m_scratch / "empty.jpg", 80));
}

TEST_F(BitmapExTest, IndexedImagesAreSavedInColour)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Create(16, 16, 8));
    bitmap.Palette()[1] = 0x00FF00;
    for (int y = 0; y < 8; ++y) {
        std::memset(bitmap.IndexRow(y), 1, 16);
    }
    ASSERT_TRUE(bitmap.SaveJpeg(m_scratch / "indexed.jpg", 95));
    CBitmapEx loaded;
    ASSERT_TRUE(loaded.LoadJpeg(m_scratch / "indexed.jpg"));
    ExpectNear(loaded.Row(2)[8], 0x00FF00, 16);
    ExpectNear(loaded.Row(13)[8], 0x000000, 16);
}

TEST_F(BitmapExTest, TwoBitGrayPngBecomesFourBitsWithSixteenColours)
{
    TestImages::Png png;
    png.width = 5;
    png.height = 2;
    png.colorType = PNG_COLOR_TYPE_GRAY;
    png.depth = 2;
    png.rows = {{0b00011011, 0b11000000}, {0b11100100, 0b01000000}};
    TestImages::WritePng(m_scratch / "gray2.png", png);
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadImageFile(m_scratch / "gray2.png"));
    EXPECT_EQ(bitmap.BitCount(), 4);
    ASSERT_EQ(bitmap.Palette().size(), 16u);
    EXPECT_EQ(bitmap.Palette()[0], 0x000000u);
    EXPECT_EQ(bitmap.Palette()[1], 0x555555u);
    EXPECT_EQ(bitmap.Palette()[2], 0xAAAAAAu);
    EXPECT_EQ(bitmap.Palette()[3], 0xFFFFFFu);
    EXPECT_EQ(bitmap.Palette()[4], 0u);
    const unsigned char expected[2][5] = {{0, 1, 2, 3, 3}, {3, 2, 1, 0, 1}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(bitmap.IndexRow(y)[x], expected[y][x]) << x << "," << y;
        }
    }
}

TEST_F(BitmapExTest, ColourPngsBecomeTwentyFourBits)
{
    TestImages::Png png;
    png.width = 2;
    png.height = 2;
    png.colorType = PNG_COLOR_TYPE_RGB;
    png.depth = 16;
    png.rows = {{0xFF, 0xFF, 0, 0, 0, 0, 0x80, 0x00, 0, 0, 0, 0}, {0, 0, 0, 0, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6}};
    TestImages::WritePng(m_scratch / "rgb16.png", png);
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadPng(m_scratch / "rgb16.png"));
    EXPECT_EQ(bitmap.BitCount(), 24);
    EXPECT_EQ(bitmap.Row(0)[0], 0xFF0000u);
    EXPECT_EQ(bitmap.Row(0)[1], 0x800000u);
    EXPECT_EQ(bitmap.Row(1)[0], 0x0000FFu);

    png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    png.depth = 8;
    png.interlaced = true;
    png.rows = {{10, 20, 30, 0, 40, 50, 60, 255}, {70, 80, 90, 128, 1, 2, 3, 4}};
    TestImages::WritePng(m_scratch / "rgba.png", png);
    ASSERT_TRUE(bitmap.LoadPng(m_scratch / "rgba.png"));
    EXPECT_EQ(bitmap.Row(0)[0], 0x0A141Eu) << "the alpha channel is dropped";
    EXPECT_EQ(bitmap.Row(1)[1], 0x010203u);
}

TEST_F(BitmapExTest, PalettePngKeepsItsColours)
{
    TestImages::Png png;
    png.width = 3;
    png.height = 1;
    png.colorType = PNG_COLOR_TYPE_PALETTE;
    png.depth = 8;
    png.palette = {0x102030, 0x405060};
    png.rows = {{1, 0, 1}};
    TestImages::WritePng(m_scratch / "palette.png", png);
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadPng(m_scratch / "palette.png"));
    EXPECT_EQ(bitmap.BitCount(), 8);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x405060u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x102030u);
    EXPECT_EQ(bitmap.Palette()[2], 0u) << "missing entries are black";
}

TEST_F(BitmapExTest, BrokenAndOversizedPngsFail)
{
    CBitmapEx bitmap = LoadedMarker(m_scratch);
    TestImages::Png png;
    png.width = 64;
    png.height = 64;
    png.colorType = PNG_COLOR_TYPE_RGB;
    png.rows.assign(64, std::vector<std::uint8_t>(64 * 3));
    for (int y = 0; y < 64; ++y) {
        for (auto& b : png.rows[y]) {
            b = static_cast<std::uint8_t>(std::rand());
        }
    }
    TestImages::WritePng(m_scratch / "full.png", png);
    std::string bytes = ScratchFolder::ReadBytes(m_scratch / "full.png");
    ScratchFolder::WriteBytes(m_scratch / "cut.png", bytes.substr(0, bytes.size() / 2));
    EXPECT_FALSE(bitmap.LoadPng(m_scratch / "cut.png"));
    ScratchFolder::WriteBytes(m_scratch / "junk.png", "\x89PNG but nothing more");
    EXPECT_FALSE(bitmap.LoadPng(m_scratch / "junk.png"));
    // Above 100 megapixels, and above 4 G pixels where 32-bit sizes would wrap.
    ScratchFolder::WriteBytes(m_scratch / "huge.png", TestImages::PngHeaderOnly(20000, 10000));
    EXPECT_FALSE(bitmap.LoadPng(m_scratch / "huge.png"));
    ScratchFolder::WriteBytes(m_scratch / "wrap.png", TestImages::PngHeaderOnly(70000, 70000));
    EXPECT_FALSE(bitmap.LoadPng(m_scratch / "wrap.png"));
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_FALSE(bitmap.LoadPng(m_scratch / "missing.png"));
}

TEST_F(BitmapExTest, BmpFilesLoadThroughThePackedDib)
{
    CBitmapEx source;
    ASSERT_TRUE(source.Create(3, 2, 8));
    source.Palette()[7] = 0x123456;
    source.IndexRow(1)[2] = 7;
    CPackedDib dib;
    ASSERT_TRUE(dib.CreateFromBitmap(source));
    // File header, a gap the header's offset skips, then the rows.
    size_t offset = CPackedDib::GetBitsOffset(dib.GetData(), dib.GetDataSize());
    std::string file = "BM" + std::string(12, '\0');
    std::uint32_t bitsAt = static_cast<std::uint32_t>(14 + offset + 6);
    std::memcpy(file.data() + 10, &bitsAt, 4);
    file.append(reinterpret_cast<const char*>(dib.GetData()), offset);
    file.append(6, 'x');
    file.append(reinterpret_cast<const char*>(dib.GetData()) + offset, dib.GetDataSize() - offset);
    ScratchFolder::WriteBytes(m_scratch / "a.BMP", file);
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.LoadImageFile(m_scratch / "a.BMP"));
    EXPECT_EQ(bitmap.BitCount(), 8);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0x123456u);

    ScratchFolder::WriteBytes(m_scratch / "bad.dib", "BM short");
    EXPECT_FALSE(bitmap.LoadImageFile(m_scratch / "bad.dib"));
    EXPECT_EQ(bitmap.Width(), 3);
}

// The pixels another decoder reads from a BMP fixture, kept beside it as a binary PPM.
std::vector<Bitmap::Pixel> PixelsOfPpm(const char* name, int& width, int& height)
{
    const std::string ppm =
        ScratchFolder::ReadBytes(CString(std::getenv("ZANTOBY_TEST_DATA")) + "/" + name + ".ppm");
    int maxValue = 0;
    int headerLength = 0;
    std::vector<Bitmap::Pixel> pixels;
    if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &headerLength) != 3 ||
        maxValue != 255) {
        return pixels;
    }
    const auto* rgb = reinterpret_cast<const unsigned char*>(ppm.data()) + headerLength + 1;
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(static_cast<Bitmap::Pixel>(rgb[i * 3] << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2]));
    }
    return pixels;
}

// Run-length encoded rows (runs, literal runs padded to 16 bits, jumps, short lines, an end
// mark before the last line is full) and OS/2 headers of every depth decode as ImageMagick
// and gdk-pixbuf decode them.
TEST_F(BitmapExTest, RunLengthAndOs2BmpsGiveThePixelsOfAnotherDecoder)
{
    for (const char* name : {"rle8", "rle4", "os2-1", "os2-4", "os2-8", "os2-24"}) {
        int width = 0;
        int height = 0;
        const std::vector<Bitmap::Pixel> expected = PixelsOfPpm(name, width, height);
        ASSERT_EQ(expected.size(), static_cast<size_t>(width * height)) << name;
        CBitmapEx bitmap;
        ASSERT_TRUE(bitmap.LoadImageFile(CString(std::getenv("ZANTOBY_TEST_DATA")) + "/" + name + ".bmp"))
            << name;
        ASSERT_EQ(bitmap.Width(), width) << name;
        ASSERT_EQ(bitmap.Height(), height) << name;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(bitmap.GetPixel(x, y), expected[static_cast<size_t>(y * width + x)])
                    << name << " at " << x << "," << y;
            }
        }
    }
}

// A BMP of the header and colours given, then the pixel data.
std::string BmpFile(std::uint32_t headerSize, int width, int height, int depth, std::uint32_t compression,
                    int colours, const std::string& bits)
{
    std::string info(headerSize, '\0');
    std::memcpy(info.data(), &headerSize, 4);
    if (headerSize == 12) {
        const std::uint16_t fields[] = {static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height),
                                        1, static_cast<std::uint16_t>(depth)};
        std::memcpy(info.data() + 4, fields, sizeof fields);
        info.append(static_cast<size_t>(colours) * 3, '\x7F');
    } else {
        BITMAPINFOHEADER header{};
        header.biSize = headerSize;
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = static_cast<std::uint16_t>(depth);
        header.biCompression = compression;
        header.biClrUsed = static_cast<std::uint32_t>(colours);
        std::memcpy(info.data(), &header, sizeof header);
        for (int i = 0; i < colours; ++i) {
            const std::uint32_t colour = i == 0 ? 0 : 0xFFFFFF;
            info.append(reinterpret_cast<const char*>(&colour), 4);
        }
    }
    std::string file = "BM" + std::string(12, '\0');
    const auto bitsAt = static_cast<std::uint32_t>(14 + info.size());
    std::memcpy(file.data() + 10, &bitsAt, 4);
    return file + info + bits;
}

TEST_F(BitmapExTest, RunsAndJumpsBeyondTheEdgeStopThereAndDamagedRunsAreRefused)
{
    const CString path = m_scratch / "runs.bmp";
    auto load = [&](const std::string& file, CBitmapEx& bitmap) {
        ScratchFolder::WriteBytes(path, file);
        return bitmap.LoadBitmapFile(path);
    };
    // 3 x 2 in RLE8: a run of 200 pixels, literal pixels past the edge, jumps far beyond the
    // right edge and beyond the top; nothing lands outside the image.
    CBitmapEx bitmap;
    const std::string beyond("\xC8\x01\x00\x05\x01\x01\x01\x01\x01\x00\x00\x02\xFF\x00\x01\x01"
                             "\x00\x02\x00\xFF\x01\x01\x00\x01",
                             24);
    ASSERT_TRUE(load(BmpFile(40, 3, 2, 8, BI_RLE8, 2, beyond), bitmap));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(bitmap.GetPixel(x, 1), 0xFFFFFFu) << "the bottom row, cut at its edge";
        EXPECT_EQ(bitmap.GetPixel(x, 0), 0u) << "no run reached the top row";
    }
    CBitmapEx kept;
    ASSERT_TRUE(kept.Create(1, 1, 24));
    // Runs that stop before their end mark, a literal run longer than the data, a jump without
    // its bytes, a top-down run-length image, RLE4 of 8 bits and an OS/2 header of 16 bits.
    const std::string damaged[] = {
        BmpFile(40, 3, 2, 8, BI_RLE8, 2, std::string("\x03\x01\x00\x00", 4)),
        BmpFile(40, 3, 2, 8, BI_RLE8, 2, std::string("\x00\x09\x01\x01", 4)),
        BmpFile(40, 3, 2, 8, BI_RLE8, 2, std::string("\x00\x02\x01", 3)),
        BmpFile(40, 3, -2, 8, BI_RLE8, 2, std::string("\x00\x01", 2)),
        BmpFile(40, 3, 2, 8, BI_RLE4, 2, std::string("\x00\x01", 2)),
        BmpFile(12, 3, 2, 16, BI_RGB, 0, std::string(16, '\0')),
        BmpFile(12, 3, 2, 24, BI_RGB, 0, std::string(15, '\0')),
    };
    for (const std::string& file : damaged) {
        EXPECT_FALSE(load(file, kept));
        EXPECT_EQ(kept.Width(), 1) << "the bitmap stays as it was";
    }
}

TEST_F(BitmapExTest, AdjustColors)
{
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Create(2, 1, 24));
    bitmap.Row(0)[0] = 0xC86432; // 200, 100, 50
    bitmap.Row(0)[1] = 0xF0F0F0;
    Bitmap original = bitmap;

    EXPECT_TRUE(bitmap.AdjustColors(ColorAdjust{}));
    EXPECT_EQ(bitmap.Row(0)[0], original.Row(0)[0]);

    ColorAdjust gray;
    gray.saturation = -255;
    ASSERT_TRUE(bitmap.AdjustColors(gray));
    EXPECT_EQ(bitmap.Row(0)[0], 0x747474u) << "every channel at the pixel's mean, 116";

    bitmap = CBitmapEx();
    static_cast<Bitmap&>(bitmap) = original;
    ColorAdjust vivid;
    vivid.saturation = 30;
    vivid.brightness = 20;
    vivid.blue = -100;
    ASSERT_TRUE(bitmap.AdjustColors(vivid));
    // 220, 120, -30 around the mean 103: red up, green up, blue down to 0.
    EXPECT_EQ(bitmap.Row(0)[0], 0xFA9600u);
    EXPECT_EQ(Red(bitmap.Row(0)[1]), 255);

    // Corrections at the ends of the int range add up without overflow: red far above the
    // pixel's gray, green and blue below it, and saturation drives them apart.
    bitmap = CBitmapEx();
    static_cast<Bitmap&>(bitmap) = original;
    ASSERT_TRUE(bitmap.AdjustColors(ColorAdjust{INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MIN}));
    EXPECT_EQ(bitmap.Row(0)[0], 0xFF0000u);
    ASSERT_TRUE(bitmap.AdjustColors(ColorAdjust{INT_MIN, INT_MIN, 0, 0, 0}));
    EXPECT_EQ(bitmap.Row(0)[0], 0u);

    CBitmapEx indexed;
    ASSERT_TRUE(indexed.Create(2, 2, 8));
    EXPECT_FALSE(indexed.AdjustColors(gray));
    EXPECT_FALSE(CBitmapEx().AdjustColors(gray));
}
