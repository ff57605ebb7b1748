#include "foundation/UIntArrayEx.h"

#include <algorithm>
#include <cstdint>

int CUIntArrayEx::AddUnique(unsigned int value)
{
    if (std::find(m_items.begin(), m_items.end(), value) != m_items.end()) {
        return -1;
    }
    return Add(value);
}

void CUIntArrayEx::Sort(bool descending)
{
    std::sort(m_items.begin(), m_items.end(), [descending](unsigned int a, unsigned int b) {
        auto sa = static_cast<int32_t>(a), sb = static_cast<int32_t>(b);
        return descending ? sa > sb : sa < sb;
    });
}
