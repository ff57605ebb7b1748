#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <string>
#include <vector>

// Test images written on the spot with libjpeg and libpng, so that no test needs image files.
namespace TestImages {

// A JPEG of one colour per pixel given by pixel(x, y) as components (1 gray, 3 RGB, 4 CMYK),
// sequential or progressive.
void WriteJpeg(const CString& path, int width, int height, int components,
               std::uint32_t (*pixel)(int x, int y), int quality = 95, bool progressive = false);

struct Png
{
    int width = 0;
    int height = 0;
    int colorType = 0; // PNG_COLOR_TYPE_*
    int depth = 8;
    bool interlaced = false;
    std::vector<std::vector<std::uint8_t>> rows; // packed as PNG stores them
    std::vector<std::uint32_t> palette;          // 0x00RRGGBB
};
void WritePng(const CString& path, const Png& png);

// The bytes of a PNG that has only a signature, an IHDR of the given size and an IEND.
std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height);

} // namespace TestImages
