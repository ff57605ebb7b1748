#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The header of a device-independent bitmap, in the layout the clipboard and BMP files use.
struct BITMAPINFOHEADER
{
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight; // positive: rows bottom-up
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

// Holds one image as a packed DIB: a BITMAPINFOHEADER, the colour table and the rows, bottom-up
// and each padded to 4 bytes, in one block (the clipboard's CF_DIB layout). Mirrors and turns it.
class CPackedDib
{
  public:
    CPackedDib() = default;
    virtual ~CPackedDib() = default;

    // Builds the DIB from a bitmap, only when none is held: indexed images keep their bit count
    // and palette, true-colour images become 24 bits per pixel. False for an empty bitmap.
    bool CreateFromBitmap(const Bitmap& bitmap);
    // Takes a packed DIB made elsewhere (the clipboard, a BMP file). False, holding nothing,
    // when the block is not a DIB this class reads: 1, 4, 8, 16, 24 or 32 bits per pixel,
    // uncompressed or with bit fields, at most Bitmap::kMaxPixels pixels, rows all present.
    bool Attach(std::vector<unsigned char> block);
    // The image as a bitmap: indexed for 8 bits per pixel and below, else true colour.
    bool ToBitmap(Bitmap& bitmap) const;

    // Width and height; (0, 0) without an image.
    CSize GetSize() const;
    int GetBitCount() const;
    bool IsEmpty() const { return m_block.empty(); }
    // Lets go of the image; true, as nothing is held afterwards.
    bool Free();

    const unsigned char* GetData() const { return m_block.data(); }
    size_t GetDataSize() const { return m_block.size(); }
    // A copy of the header; all zero without an image.
    BITMAPINFOHEADER GetHeader() const;

    // The transforms rebuild the DIB: an image below 8 bits per pixel becomes 24 bits, an 8-bit
    // image keeps its colour table, 16- and 32-bit images become 24 bits.
    // Mirrors every row (left and right change places).
    void FlipHorizontal();
    // Reverses the order of the rows (top and bottom change places).
    void FlipVertical();
    // Turns the image by quarterTurns modulo 4: 1 a quarter to the left (counter-clockwise),
    // 3 (or -1) a quarter to the right, 2 half round.
    void Rotate(int quarterTurns);

    // Bytes of header and colour table before the rows of the DIB at block; 0 when the block
    // does not start with a usable header.
    static size_t GetBitsOffset(const unsigned char* block, size_t size);

  private:
    // Row stride of the held image in bytes.
    size_t Stride() const;
    // Pointer to the row y counted from the top of the image.
    unsigned char* TopRow(int y);
    const unsigned char* TopRow(int y) const;
    void SetHeader(const BITMAPINFOHEADER& header);
    // Runs a whole-image operation on the image as a bitmap and rebuilds the DIB from the result.
    void Transform(const std::function<void(Bitmap&)>& operation);

    std::vector<unsigned char> m_block;
};
