#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/PixelAllocator.h"

// A device-independent bitmap in memory: the program's stand-in for a bitmap section.
// Images of 24 and 32 bits keep their pixels as 32-bit words 0x00RRGGBB, top row first, in the
// layout of a cairo RGB24 image surface, so that the Canvas draws straight into them. Images of
// 1, 4 and 8 bits keep one palette index byte per pixel and a colour table of 0x00RRGGBB words.
class Bitmap
{
  public:
    using Pixel = std::uint32_t; // 0x00RRGGBB

    // Images above this many pixels are refused, so that crafted files cannot exhaust memory.
    static constexpr std::int64_t kMaxPixels = 100'000'000;

    Bitmap() = default;
    Bitmap(const Bitmap&) = default;
    Bitmap& operator=(const Bitmap&) = default;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // Makes a black image; false (and empty) for a bit count other than 1, 4, 8, 24 or 32, a
    // negative size or more than kMaxPixels pixels. A size of 0 gives an empty image.
    bool Create(int width, int height, int bitCount);
    void Clear();

    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitCount() const { return m_bitCount; }
    bool IsIndexed() const { return m_bitCount <= 8 && m_bitCount > 0; }

    // True-colour rows (24 and 32 bits). Stride is in bytes.
    int Stride() const { return m_width * 4; }
    Pixel* Row(int y) { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const Pixel* Row(int y) const { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    unsigned char* Data() { return reinterpret_cast<unsigned char*>(m_pixels.data()); }

    // Indexed rows (1, 4 and 8 bits): one index byte per pixel.
    unsigned char* IndexRow(int y) { return m_indices.data() + static_cast<size_t>(y) * m_width; }
    const unsigned char* IndexRow(int y) const { return m_indices.data() + static_cast<size_t>(y) * m_width; }
    std::vector<Pixel>& Palette() { return m_palette; }
    const std::vector<Pixel>& Palette() const { return m_palette; }

    // The colour of a pixel, through the palette for indexed images; 0 outside the image.
    Pixel GetPixel(int x, int y) const;

    // A true-colour copy: indexed images resolved through their palette, other images copied.
    // The bit count becomes 24 for indexed images.
    Bitmap ToTrueColor() const;

  private:
    int m_width = 0;
    int m_height = 0;
    int m_bitCount = 0;
    std::vector<Pixel, PixelAllocator<Pixel>> m_pixels;
    std::vector<unsigned char, PixelAllocator<unsigned char>> m_indices;
    std::vector<Pixel> m_palette;
};
