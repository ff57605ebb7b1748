#pragma once

#include <cstdint>

// The Windows value types for points, sizes, rectangles and colours. A rectangle excludes its
// right and bottom edge.

using COLORREF = std::uint32_t; // 0x00BBGGRR

// The default colour of a cell, text or shape in stored files.
constexpr COLORREF kDefaultColor = static_cast<COLORREF>(-1);

constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return c & 0xFF; }
constexpr int GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }

// a * b / c in 64 bits, rounded half away from zero; -1 when c is 0 or the result overflows.
int MulDiv(int a, int b, int c);

struct CSize
{
    int cx = 0;
    int cy = 0;
    constexpr CSize() = default;
    constexpr CSize(int x, int y) : cx(x), cy(y) {}
    friend constexpr bool operator==(const CSize&, const CSize&) = default;
};

struct CPoint
{
    int x = 0;
    int y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(int px, int py) : x(px), y(py) {}
    void Offset(int dx, int dy)
    {
        x += dx;
        y += dy;
    }
    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;
    constexpr CPoint operator+(const CSize& s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(const CSize& s) const { return {x - s.cx, y - s.cy}; }
    constexpr CSize operator-(const CPoint& p) const { return {x - p.x, y - p.y}; }
};

struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy)
    {
    }
    constexpr CRect(CPoint topLeft, CPoint bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y)
    {
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { *this = CRect(); }
    void OffsetRect(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void NormalizeRect();
    // Intersection; an empty result becomes all zeros. False when empty.
    bool IntersectRect(const CRect& a, const CRect& b);
    // Smallest rectangle holding both; an empty operand is ignored. False when empty.
    bool UnionRect(const CRect& a, const CRect& b);

    friend constexpr bool operator==(const CRect&, const CRect&) = default;
};
