#include "foundation/ExifOrientation.h"
#include "foundation/BitmapEx.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry
{
    unsigned tag;
    unsigned type;
    unsigned count;
    unsigned value;
};

// An EXIF block as cameras write it: the signature, a TIFF header in either byte order and a
// first directory with the given entries.
std::string ExifBlock(bool bigEndian, const std::vector<Entry>& entries)
{
    std::string block("Exif\0\0", 6);
    auto put16 = [&](unsigned v) {
        block += static_cast<char>(bigEndian ? v >> 8 & 0xFF : v & 0xFF);
        block += static_cast<char>(bigEndian ? v & 0xFF : v >> 8 & 0xFF);
    };
    auto put32 = [&](unsigned v) {
        if (bigEndian) {
            put16(v >> 16);
            put16(v & 0xFFFF);
        } else {
            put16(v & 0xFFFF);
            put16(v >> 16);
        }
    };
    block += bigEndian ? "MM" : "II";
    put16(42);
    put32(8);
    put16(static_cast<unsigned>(entries.size()));
    for (const Entry& entry : entries) {
        put16(entry.tag);
        put16(entry.type);
        put32(entry.count);
        // A short sits in the first half of the value field.
        put16(entry.value);
        put16(0);
    }
    put32(0);
    return block;
}

int Orientation(const std::string& block)
{
    return ReadExifOrientation(reinterpret_cast<const unsigned char*>(block.data()), block.size());
}

// A JPEG with the segments spliced in right after its start marker.
void WriteWithSegments(const CString& path, const std::vector<std::string>& segments)
{
    TestImages::WriteJpeg(path, 64, 32, 3, [](int x, int) { return x < 32 ? 0xFF0000u : 0x0000FFu; });
    std::string bytes = ScratchFolder::ReadBytes(path);
    std::string inserted;
    for (const std::string& data : segments) {
        const size_t length = data.size() + 2;
        inserted += "\xFF\xE1";
        inserted += static_cast<char>(length >> 8);
        inserted += static_cast<char>(length & 0xFF);
        inserted += data;
    }
    bytes.insert(2, inserted);
    ScratchFolder::WriteBytes(path, bytes);
}

} // namespace

TEST(ExifOrientation, ReadsTheTagInEitherByteOrderAmongOthers)
{
    for (bool bigEndian : {false, true}) {
        for (unsigned value = 1; value <= 8; ++value) {
            const std::string block =
                ExifBlock(bigEndian, {{0x010F, 2, 6, 0}, {0x0112, 3, 1, value}, {0x011A, 5, 1, 0}});
            EXPECT_EQ(Orientation(block), static_cast<int>(value)) << (bigEndian ? "MM " : "II ") << value;
        }
    }
}

TEST(ExifOrientation, AnythingDoubtfulCountsAsUpright)
{
    EXPECT_EQ(Orientation(ExifBlock(false, {{0x010F, 2, 6, 0}})), 1) << "no orientation tag";
    EXPECT_EQ(Orientation(ExifBlock(false, {{0x0112, 3, 1, 9}})), 1) << "beyond 8";
    EXPECT_EQ(Orientation(ExifBlock(false, {{0x0112, 3, 1, 0}})), 1) << "0";
    EXPECT_EQ(Orientation(ExifBlock(true, {{0x0112, 4, 1, 6}})), 1) << "not a short";
    EXPECT_EQ(Orientation(ExifBlock(true, {{0x0112, 3, 2, 6}})), 1) << "two values";
    std::string cut = ExifBlock(false, {{0x0112, 3, 1, 6}});
    EXPECT_EQ(Orientation(cut.substr(0, cut.size() - 10)), 1) << "block ends inside the entry";
    std::string farAway = cut;
    farAway[10] = '\x7F'; // the directory's offset points far beyond the block
    EXPECT_EQ(Orientation(farAway), 1);
    std::string manyEntries = ExifBlock(false, {{0x010F, 2, 6, 0}});
    manyEntries[14] = '\xFF'; // a count far beyond the block
    EXPECT_EQ(Orientation(manyEntries), 1);
    std::string wrongOrder = cut;
    wrongOrder[6] = 'X';
    EXPECT_EQ(Orientation(wrongOrder), 1);
    EXPECT_EQ(Orientation("http://ns.adobe.com/xap/1.0/"), 1) << "XMP";
    EXPECT_EQ(ReadExifOrientation(nullptr, 0), 1);
}

TEST(ExifOrientation, TheHeaderOfAJpegNamesSizeAndOrientation)
{
    ScratchFolder scratch;
    WriteWithSegments(scratch / "turned.jpg",
                      {"http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", ExifBlock(true, {{0x0112, 3, 1, 6}})});
    JpegHeader header;
    ASSERT_TRUE(CBitmapEx::ReadJpegHeader(scratch / "turned.jpg", header));
    EXPECT_EQ(header.width, 64);
    EXPECT_EQ(header.height, 32);
    EXPECT_EQ(header.orientation, 6);
    // The pixels are read as stored; turning them is the drawing's business.
    CBitmapEx image;
    ASSERT_TRUE(image.LoadJpeg(scratch / "turned.jpg"));
    EXPECT_EQ(image.Width(), 64);

    WriteWithSegments(scratch / "plain.jpg", {});
    ASSERT_TRUE(CBitmapEx::ReadJpegHeader(scratch / "plain.jpg", header));
    EXPECT_EQ(header.orientation, 1);
    ScratchFolder::WriteBytes(scratch / "fake.jpg", "\xFF\xD8 not really");
    EXPECT_FALSE(CBitmapEx::ReadJpegHeader(scratch / "fake.jpg", header));
    EXPECT_FALSE(CBitmapEx::ReadJpegHeader(scratch / "missing.jpg", header));
}
