#include "grid/GridPrintSettings.h"

#include <cstring>

void CGridPrintSettings::StorePageEntries(std::vector<unsigned char>& out) const
{
    auto count = static_cast<std::uint32_t>(pageEntries.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(count >> shift));
    }
    for (const PageEntry& entry : pageEntries) {
        out.insert(out.end(), entry.begin(), entry.end());
    }
}

bool CGridPrintSettings::LoadPageEntries(const unsigned char* data, std::size_t size, std::size_t* used)
{
    if (data == nullptr || size < 4) {
        return false;
    }
    std::uint32_t count = 0;
    for (int i = 0; i < 4; ++i) {
        count |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    }
    // The count is checked against the bytes present before anything is allocated.
    if ((size - 4) / sizeof(PageEntry) < count) {
        return false;
    }
    pageEntries.assign(count, PageEntry{});
    if (count > 0) {
        std::memcpy(pageEntries.data(), data + 4, count * sizeof(PageEntry));
    }
    if (used != nullptr) {
        *used = 4 + count * sizeof(PageEntry);
    }
    return true;
}
