#include "platform/Geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

int MulDiv(int a, int b, int c)
{
    if (c == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = product < 0 ? -product : product;
    std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > INT_MAX) {
        return -1;
    }
    return static_cast<int>(negative ? -quotient : quotient);
}

void CRect::NormalizeRect()
{
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

bool CRect::IntersectRect(const CRect& a, const CRect& b)
{
    CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom));
    if (r.IsRectEmpty()) {
        SetRectEmpty();
        return false;
    }
    *this = r;
    return true;
}

bool CRect::UnionRect(const CRect& a, const CRect& b)
{
    if (a.IsRectEmpty()) {
        *this = b.IsRectEmpty() ? CRect() : b;
    } else if (b.IsRectEmpty()) {
        *this = a;
    } else {
        *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                      std::max(a.bottom, b.bottom));
    }
    return !IsRectEmpty();
}
