#include "foundation/PackedDib.h"

#include "platform/canvas/ImageOps.h"

#include <bit>
#include <cstdlib>
#include <cstring>

namespace {

// Headers of this size and longer hold the three masks of a bit-field image themselves.
constexpr std::uint32_t kMasksInHeader = 52;

std::uint64_t StrideOf(std::int64_t width, int bitCount)
{
    return static_cast<std::uint64_t>((width * bitCount + 31) / 32) * 4;
}

std::uint32_t ReadWord(const unsigned char* p)
{
    std::uint32_t value;
    std::memcpy(&value, p, 4);
    return value;
}

// One colour channel cut out of a pixel by its mask and scaled to 0-255.
struct Channel
{
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m)
    {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    std::uint32_t Get(std::uint32_t pixel) const
    {
        if (max == 0) {
            return 0;
        }
        std::uint32_t value = (pixel & mask) >> shift;
        return max == 255 ? value : static_cast<std::uint32_t>((std::uint64_t{value} * 255 + max / 2) / max);
    }
};

} // namespace

size_t CPackedDib::GetBitsOffset(const unsigned char* block, size_t size)
{
    if (block == nullptr || size < sizeof(BITMAPINFOHEADER)) {
        return 0;
    }
    BITMAPINFOHEADER header;
    std::memcpy(&header, block, sizeof(header));
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size) {
        return 0;
    }
    std::uint64_t entries = header.biClrUsed;
    if (entries == 0 && header.biBitCount <= 8) {
        entries = std::uint64_t{1} << header.biBitCount;
    }
    // The three masks of a bit-field image follow a header too short to hold them, whatever
    // colour table comes after them.
    if (header.biCompression == BI_BITFIELDS && header.biSize < kMasksInHeader) {
        entries += 3;
    }
    std::uint64_t offset = header.biSize + entries * 4;
    return offset <= size ? static_cast<size_t>(offset) : 0;
}

bool CPackedDib::Attach(std::vector<unsigned char> block)
{
    m_block.clear();
    size_t offset = GetBitsOffset(block.data(), block.size());
    if (offset == 0) {
        return false;
    }
    BITMAPINFOHEADER header;
    std::memcpy(&header, block.data(), sizeof(header));
    int bits = header.biBitCount;
    bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    bool knownLayout = header.biCompression == BI_RGB ||
                       (header.biCompression == BI_BITFIELDS && (bits == 16 || bits == 32));
    std::int64_t width = header.biWidth;
    std::int64_t height = std::abs(static_cast<std::int64_t>(header.biHeight));
    if (!knownDepth || !knownLayout || width <= 0 || height <= 0 || width * height > Bitmap::kMaxPixels ||
        offset + StrideOf(width, bits) * height > block.size()) {
        return false;
    }
    m_block = std::move(block);
    return true;
}

BITMAPINFOHEADER CPackedDib::GetHeader() const
{
    BITMAPINFOHEADER header{};
    if (!m_block.empty()) {
        std::memcpy(&header, m_block.data(), sizeof(header));
    }
    return header;
}

void CPackedDib::SetHeader(const BITMAPINFOHEADER& header)
{
    std::memcpy(m_block.data(), &header, sizeof(header));
}

CSize CPackedDib::GetSize() const
{
    BITMAPINFOHEADER header = GetHeader();
    return {header.biWidth, std::abs(header.biHeight)};
}

int CPackedDib::GetBitCount() const
{
    return GetHeader().biBitCount;
}

bool CPackedDib::Free()
{
    m_block.clear();
    m_block.shrink_to_fit();
    return true;
}

size_t CPackedDib::Stride() const
{
    BITMAPINFOHEADER header = GetHeader();
    return static_cast<size_t>(StrideOf(header.biWidth, header.biBitCount));
}

unsigned char* CPackedDib::TopRow(int y)
{
    return const_cast<unsigned char*>(static_cast<const CPackedDib&>(*this).TopRow(y));
}

const unsigned char* CPackedDib::TopRow(int y) const
{
    BITMAPINFOHEADER header = GetHeader();
    int height = std::abs(header.biHeight);
    int row = header.biHeight > 0 ? height - 1 - y : y;
    return m_block.data() + GetBitsOffset(m_block.data(), m_block.size()) + Stride() * row;
}

bool CPackedDib::CreateFromBitmap(const Bitmap& bitmap)
{
    if (!m_block.empty() || bitmap.IsEmpty()) {
        return false;
    }
    int bits = bitmap.IsIndexed() ? bitmap.BitCount() : 24;
    int width = bitmap.Width();
    int height = bitmap.Height();
    size_t entries = bits <= 8 ? size_t{1} << bits : 0;
    size_t stride = static_cast<size_t>(StrideOf(width, bits));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<std::uint16_t>(bits);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<std::uint32_t>(stride * height);
    m_block.assign(sizeof(header) + entries * 4 + stride * height, 0);
    SetHeader(header);

    unsigned char* table = m_block.data() + sizeof(header);
    const auto& palette = bitmap.Palette();
    for (size_t i = 0; i < entries && i < palette.size(); ++i) {
        table[i * 4] = palette[i] & 0xFF;
        table[i * 4 + 1] = (palette[i] >> 8) & 0xFF;
        table[i * 4 + 2] = (palette[i] >> 16) & 0xFF;
    }
    for (int y = 0; y < height; ++y) {
        unsigned char* row = TopRow(y);
        if (bits == 24) {
            const Bitmap::Pixel* source = bitmap.Row(y);
            for (int x = 0; x < width; ++x) {
                row[x * 3] = source[x] & 0xFF;
                row[x * 3 + 1] = (source[x] >> 8) & 0xFF;
                row[x * 3 + 2] = (source[x] >> 16) & 0xFF;
            }
            continue;
        }
        const unsigned char* indices = bitmap.IndexRow(y);
        int perByte = 8 / bits;
        for (int x = 0; x < width; ++x) {
            int shift = 8 - bits * (x % perByte + 1);
            row[x / perByte] |= static_cast<unsigned char>((indices[x] & ((1 << bits) - 1)) << shift);
        }
    }
    return true;
}

bool CPackedDib::ToBitmap(Bitmap& bitmap) const
{
    if (m_block.empty()) {
        return false;
    }
    BITMAPINFOHEADER header = GetHeader();
    int bits = header.biBitCount;
    int width = header.biWidth;
    int height = std::abs(header.biHeight);
    size_t offset = GetBitsOffset(m_block.data(), m_block.size());
    const unsigned char* table = m_block.data() + header.biSize;
    size_t entries = (offset - header.biSize) / 4;

    if (bits <= 8) {
        if (!bitmap.Create(width, height, bits)) {
            return false;
        }
        auto& palette = bitmap.Palette();
        for (size_t i = 0; i < palette.size() && i < entries; ++i) {
            palette[i] = table[i * 4 + 2] << 16 | table[i * 4 + 1] << 8 | table[i * 4];
        }
        int perByte = 8 / bits;
        for (int y = 0; y < height; ++y) {
            const unsigned char* row = TopRow(y);
            unsigned char* indices = bitmap.IndexRow(y);
            for (int x = 0; x < width; ++x) {
                int shift = 8 - bits * (x % perByte + 1);
                indices[x] = (row[x / perByte] >> shift) & ((1 << bits) - 1);
            }
        }
        return true;
    }

    if (!bitmap.Create(width, height, bits == 32 ? 32 : 24)) {
        return false;
    }
    // Masks of 16- and 32-bit images: the bit fields (in the header or as the three table
    // entries), else 5-5-5 and 8-8-8.
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bits == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (header.biCompression == BI_BITFIELDS) {
        const unsigned char* fields = header.biSize >= kMasksInHeader ? m_block.data() + 40 : table;
        for (int i = 0; i < 3; ++i) {
            masks[i] = ReadWord(fields + i * 4);
        }
    }
    Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = TopRow(y);
        Bitmap::Pixel* out = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                out[x] = row[x * 3 + 2] << 16 | row[x * 3 + 1] << 8 | row[x * 3];
                continue;
            }
            std::uint32_t pixel = bits == 16 ? static_cast<std::uint32_t>(row[x * 2] | row[x * 2 + 1] << 8)
                                             : ReadWord(row + x * 4);
            out[x] = red.Get(pixel) << 16 | green.Get(pixel) << 8 | blue.Get(pixel);
        }
    }
    return true;
}

void CPackedDib::Transform(const std::function<void(Bitmap&)>& operation)
{
    Bitmap bitmap;
    if (!ToBitmap(bitmap)) {
        return;
    }
    if (bitmap.IsIndexed() && bitmap.BitCount() < 8) {
        bitmap = bitmap.ToTrueColor();
    }
    operation(bitmap);
    m_block.clear();
    CreateFromBitmap(bitmap);
}

void CPackedDib::FlipHorizontal()
{
    Transform([](Bitmap& bitmap) { ImageOps::FlipHorizontal(bitmap); });
}

void CPackedDib::FlipVertical()
{
    Transform([](Bitmap& bitmap) { ImageOps::FlipVertical(bitmap); });
}

void CPackedDib::Rotate(int quarterTurns)
{
    if (quarterTurns % 4 != 0) {
        Transform([quarterTurns](Bitmap& bitmap) { bitmap = ImageOps::Rotate(bitmap, quarterTurns); });
    }
}
