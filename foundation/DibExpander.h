#pragma once

#include <span>
#include <vector>

// Turns the forms of a device-independent bitmap that CPackedDib does not hold into the plain
// form it holds: the OS/2 header of 12 bytes, with colours of three bytes, becomes the 40-byte
// header with colours of four, and rows in run-length encoding (RLE8, RLE4) are expanded into
// plain rows. Runs and jumps that would leave the image are cut at its edge.
class CDibExpander
{
  public:
    // info: the header and colour table as a BMP file holds them; bits: the pixel data from
    // where the file says it begins. The packed DIB; empty when the header is too short, of
    // an unknown size or contradicts itself. The plain forms pass unchanged, for
    // CPackedDib::Attach to check.
    static std::vector<unsigned char> Expand(std::span<const unsigned char> info,
                                             std::span<const unsigned char> bits);
};
