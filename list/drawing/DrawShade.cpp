#include "list/drawing/DrawShade.h"

#include "platform/canvas/Canvas.h"

#include <algorithm>

int CDrawShade::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    return Contains(x, y) ? HitCode::kBody : HitCode::kNone;
}

void CDrawShade::Draw(Canvas& dc) const
{
    // A one-pixel cell is its own pixel: nothing changes.
    int d = dot;
    if (d <= 1) {
        return;
    }
    // Only cells that reach the surface are painted; their grid still starts at (x1, y1).
    CRect clip = dc.GetClipBox();
    auto firstCell = [d](int start, int visible) {
        return visible > start ? start + static_cast<long long>(visible - start) / d * d : start;
    };
    long long right = std::min(x2, clip.right);
    long long bottom = std::min(y2, clip.bottom);
    long long top = firstCell(y1, clip.top);
    for (long long a = firstCell(x1, clip.left); a < right; a += d) {
        for (long long b = top; b < bottom; b += d) {
            // A centre beyond the surface takes the nearest pixel on it.
            int sx = static_cast<int>(std::clamp<long long>(a + d / 2, clip.left, clip.right - 1));
            int sy = static_cast<int>(std::clamp<long long>(b + d / 2, clip.top, clip.bottom - 1));
            COLORREF color = dc.GetPixel(sx, sy);
            if (color == CLR_INVALID) {
                return;
            }
            dc.FillRect(CRect(static_cast<int>(a), static_cast<int>(b), static_cast<int>(a + d),
                              static_cast<int>(b + d)),
                        color);
        }
    }
}

bool CDrawShade::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        if (ReadRectKey(key, value)) {
            return;
        }
        if (key == "dot") {
            // A cell below one pixel would never finish drawing.
            dot = std::max(1, DrwValue::ToCoordinate(value));
        }
    });
    return true;
}

bool CDrawShade::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out.AppendFormat(",dot=%d\n", dot);
    return true;
}
