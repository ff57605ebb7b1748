#include "platform/Bitmap.h"

#include <utility>

Bitmap::Bitmap(Bitmap&& other) noexcept
    : m_width(std::exchange(other.m_width, 0)), m_height(std::exchange(other.m_height, 0)),
      m_bitCount(std::exchange(other.m_bitCount, 0)), m_pixels(std::move(other.m_pixels)),
      m_indices(std::move(other.m_indices)), m_palette(std::move(other.m_palette))
{
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    if (this != &other) {
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_bitCount = std::exchange(other.m_bitCount, 0);
        m_pixels = std::move(other.m_pixels);
        m_indices = std::move(other.m_indices);
        m_palette = std::move(other.m_palette);
    }
    return *this;
}

bool Bitmap::Create(int width, int height, int bitCount)
{
    Clear();
    bool validCount = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
    if (!validCount || width < 0 || height < 0 || static_cast<std::int64_t>(width) * height > kMaxPixels) {
        return false;
    }
    m_width = width;
    m_height = height;
    m_bitCount = bitCount;
    size_t count = static_cast<size_t>(width) * height;
    // Fresh buffers: the allocator hands out zeroed memory, so the image starts black.
    if (IsIndexed()) {
        m_indices = decltype(m_indices)(count);
        m_palette.assign(static_cast<size_t>(1) << bitCount, 0);
    } else {
        m_pixels = decltype(m_pixels)(count);
    }
    return true;
}

void Bitmap::Clear()
{
    m_width = m_height = m_bitCount = 0;
    m_pixels.clear();
    m_indices.clear();
    m_palette.clear();
}

Bitmap::Pixel Bitmap::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    if (IsIndexed()) {
        unsigned char index = IndexRow(y)[x];
        return index < m_palette.size() ? m_palette[index] : 0;
    }
    return Row(y)[x] & 0x00FFFFFF;
}

Bitmap Bitmap::ToTrueColor() const
{
    if (!IsIndexed()) {
        return *this;
    }
    Bitmap copy;
    copy.Create(m_width, m_height, 24);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            copy.Row(y)[x] = GetPixel(x, y);
        }
    }
    return copy;
}
