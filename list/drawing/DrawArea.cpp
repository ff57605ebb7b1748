#include "list/drawing/DrawArea.h"

#include "list/drawing/IDrawPropertyDialogs.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int CDrawArea::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    // Its inside never hits, so shapes within the area stay reachable.
    return IsNearEdge(x, y, tolerance) ? HitCode::kBody : HitCode::kNone;
}

namespace {

// Anti-diagonals x + y = band.left + band.top + off for off = first, first + 8, ... below the
// band's width + height, each from the band's top or right side to its left or bottom side.
// Diagonals that cannot reach the clip box are left out: they would invert nothing.
void Hatch(Canvas& dc, const CRect& band, int first, const CRect& clip)
{
    long long w = band.Width();
    long long h = band.Height();
    long long origin = static_cast<long long>(band.left) + band.top;
    long long lowest = static_cast<long long>(clip.left) + clip.top - origin - 1;
    long long highest = static_cast<long long>(clip.right) + clip.bottom - origin + 1;
    long long off = first;
    if (lowest > off) {
        off += (lowest - off) / 8 * 8;
    }
    for (; off < w + h && off <= highest; off += 8) {
        CPoint from = off < w ? CPoint(static_cast<int>(band.left + off), band.top)
                              : CPoint(band.right, static_cast<int>(band.top + off - w));
        CPoint to = off < h ? CPoint(band.left, static_cast<int>(band.top + off))
                            : CPoint(static_cast<int>(band.left + off - h), band.bottom);
        dc.MoveTo(from);
        dc.LineTo(to);
    }
}

} // namespace

void CDrawArea::Draw(Canvas& dc) const
{
    int saved = dc.SaveDC();
    dc.SetROP2(R2_NOT);
    SelectSolidPen(dc, 1, RGB(0, 0, 0));
    CRect frame = GetRect();
    frame.InflateRect(1, 1);
    dc.MoveTo(frame.left, frame.top);
    dc.LineTo(frame.right, frame.top);
    dc.LineTo(frame.right, frame.bottom);
    dc.LineTo(frame.left, frame.bottom);
    dc.LineTo(frame.left, frame.top);
    // Both passes run on the same diagonals, so inside the inner band the lines are inverted
    // twice and vanish.
    CRect clip = dc.GetClipBox();
    CRect outer = GetRect();
    outer.InflateRect(20, 20);
    Hatch(dc, outer, 4, clip);
    Hatch(dc, CRect(x1 - 2, y1 - 1, x2 + 1, y2 + 2), 7, clip);
    dc.RestoreDC(saved);
}

bool CDrawArea::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) { ReadRectKey(key, value); });
    return true;
}

bool CDrawArea::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out += ",\n";
    return true;
}

void CDrawArea::DragCornerKeepAspect(int refWidth, int refHeight, int x, int y, bool free)
{
    x2 = x;
    y2 = y;
    if (free || refWidth <= 0 || refHeight <= 0) {
        return;
    }
    std::int64_t dx = std::llabs(std::int64_t(x) - x1);
    std::int64_t dy = std::llabs(std::int64_t(y) - y1);
    if (refHeight * dx < refWidth * dy) {
        int w = MulDiv(refWidth, static_cast<int>(dy), refHeight);
        x2 = x1 < x2 ? x1 + w : x1 - w;
    } else {
        int h = MulDiv(refHeight, static_cast<int>(dx), refWidth);
        y2 = y1 < y2 ? y1 + h : y1 - h;
    }
}

bool CDrawArea::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditArea(*this);
}
