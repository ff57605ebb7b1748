#include "foundation/DibExpander.h"

#include "foundation/PackedDib.h"
#include "platform/Bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;

std::uint32_t ReadShort(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0] | p[1] << 8);
}

size_t StrideOf(std::int64_t width, int bitCount)
{
    return static_cast<size_t>((width * bitCount + 31) / 32) * 4;
}

std::vector<unsigned char> FromCoreHeader(std::span<const unsigned char> info,
                                          std::span<const unsigned char> bits)
{
    if (info.size() < kCoreHeaderSize) {
        return {};
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<std::int32_t>(ReadShort(&info[4]));
    header.biHeight = static_cast<std::int32_t>(ReadShort(&info[6])); // always bottom-up
    header.biPlanes = 1;
    header.biBitCount = static_cast<std::uint16_t>(ReadShort(&info[10]));
    header.biCompression = BI_RGB;
    const int depth = header.biBitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24) {
        return {};
    }
    const size_t entries = depth <= 8 ? size_t{1} << depth : 0;
    std::vector<unsigned char> block(sizeof header + entries * 4, 0);
    std::memcpy(block.data(), &header, sizeof header);
    // A table cut short where the rows begin leaves its last colours black.
    const size_t given = std::min(entries, (info.size() - kCoreHeaderSize) / 3);
    for (size_t i = 0; i < given; ++i) {
        std::memcpy(&block[sizeof header + i * 4], &info[kCoreHeaderSize + i * 3], 3);
    }
    block.insert(block.end(), bits.begin(), bits.end());
    return block;
}

// Writes one pixel of 8 or 4 bits into bottom-up rows; pixels beyond the image are dropped.
class RowWriter
{
  public:
    RowWriter(unsigned char* rows, std::int64_t width, std::int64_t height, int depth)
        : m_rows(rows), m_width(width), m_height(height), m_depth(depth), m_stride(StrideOf(width, depth))
    {
    }

    void Put(std::int64_t x, std::int64_t y, unsigned value) const
    {
        if (x >= m_width || y >= m_height) {
            return;
        }
        unsigned char* row = m_rows + static_cast<size_t>(y) * m_stride;
        if (m_depth == 8) {
            row[x] = static_cast<unsigned char>(value);
            return;
        }
        unsigned char& pair = row[x / 2];
        pair = x % 2 == 0 ? static_cast<unsigned char>((pair & 0x0F) | value << 4)
                          : static_cast<unsigned char>((pair & 0xF0) | value);
    }

  private:
    unsigned char* m_rows;
    std::int64_t m_width;
    std::int64_t m_height;
    int m_depth;
    size_t m_stride;
};

// The runs from the bottom row up: a count and a colour (RLE4: two colours that alternate), or
// 0 and an escape: 0 ends the line, 1 the image, 2 jumps right and up by the next two bytes, and
// 3 or more is a count of literal pixels padded to a 16-bit boundary. Pixels no run reaches keep
// colour 0. Runs that end before the image's end mark are a damaged file.
std::vector<unsigned char> FromRunLengths(const BITMAPINFOHEADER& header,
                                          std::span<const unsigned char> table,
                                          std::span<const unsigned char> bits)
{
    const int depth = header.biBitCount;
    if ((header.biCompression == BI_RLE8) != (depth == 8) ||
        (header.biCompression == BI_RLE4) != (depth == 4)) {
        return {};
    }
    // Runs start at the bottom row: a top-down image has no run-length form.
    const std::int64_t width = header.biWidth;
    const std::int64_t height = header.biHeight;
    if (width <= 0 || height <= 0 || width * height > Bitmap::kMaxPixels) {
        return {};
    }
    const size_t stride = StrideOf(width, depth);
    std::vector<unsigned char> block(table.begin(), table.end());
    BITMAPINFOHEADER plain = header;
    plain.biCompression = BI_RGB;
    plain.biSizeImage = static_cast<std::uint32_t>(stride * static_cast<size_t>(height));
    std::memcpy(block.data(), &plain, sizeof plain);
    block.resize(table.size() + stride * static_cast<size_t>(height), 0);
    const RowWriter writer(block.data() + table.size(), width, height, depth);

    auto pixelOf = [depth](unsigned byte, unsigned index) {
        return depth == 8 ? byte : index % 2 == 0 ? byte >> 4 : byte & 0x0F;
    };
    size_t at = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    while (y < height) {
        if (at + 2 > bits.size()) {
            return {};
        }
        const unsigned count = bits[at];
        const unsigned value = bits[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) {
                writer.Put(x++, y, pixelOf(value, i));
            }
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > bits.size()) {
                return {};
            }
            x += bits[at];
            y += bits[at + 1];
            at += 2;
        } else {
            const size_t bytes = depth == 8 ? value : (value + 1) / 2;
            if (at + bytes > bits.size()) {
                return {};
            }
            for (unsigned i = 0; i < value; ++i) {
                writer.Put(x++, y, pixelOf(bits[at + (depth == 8 ? i : i / 2)], i));
            }
            at += bytes + bytes % 2;
        }
    }
    return block;
}

} // namespace

std::vector<unsigned char> CDibExpander::Expand(std::span<const unsigned char> info,
                                                std::span<const unsigned char> bits)
{
    std::uint32_t headerSize = 0;
    if (info.size() >= 4) {
        std::memcpy(&headerSize, info.data(), 4);
    }
    if (headerSize == kCoreHeaderSize) {
        return FromCoreHeader(info, bits);
    }
    const size_t tableEnd = CPackedDib::GetBitsOffset(info.data(), info.size());
    if (tableEnd == 0) {
        return {};
    }
    BITMAPINFOHEADER header;
    std::memcpy(&header, info.data(), sizeof header);
    if (header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4) {
        return FromRunLengths(header, info.first(tableEnd), bits);
    }
    std::vector<unsigned char> block(info.begin(), info.begin() + static_cast<std::ptrdiff_t>(tableEnd));
    block.insert(block.end(), bits.begin(), bits.end());
    return block;
}
