#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CGridSheetInfo;

// The print layout settings a grid keeps for its owner: margins, scale, two lists of fixed-size
// entries, the second of which stores itself as a byte stream.
class CGridPrintSettings
{
  public:
    using LayoutEntry = std::array<unsigned char, 24>;
    using PageEntry = std::array<unsigned char, 16>;

    // Appends the page entries to out: their count (32 bits, little-endian), then their bytes.
    void StorePageEntries(std::vector<unsigned char>& out) const;
    // Reads what StorePageEntries wrote; false (entries unchanged) when the bytes are short.
    bool LoadPageEntries(const unsigned char* data, std::size_t size, std::size_t* used = nullptr);

    CGridSheetInfo* sheet = nullptr;
    std::vector<LayoutEntry> layoutEntries;
    int marginLeft = 25;
    int marginTop = 25;
    int marginRight = 25;
    int marginBottom = 25;
    int scale = 100;
    int option = 7;
    int flag = 1;
    std::vector<PageEntry> pageEntries;
};
