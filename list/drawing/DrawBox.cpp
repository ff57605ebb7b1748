#include "list/drawing/DrawBox.h"

#include "platform/canvas/Canvas.h"

namespace {

CRect InflatedBy(CRect rect, int amount)
{
    rect.InflateRect(amount, amount);
    return rect;
}

} // namespace

int CDrawBox::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    bool hit = fillColor == kDefaultColor ? IsNearEdge(x, y, tolerance) : Contains(x, y);
    return hit ? HitCode::kBody : HitCode::kNone;
}

void CDrawBox::Draw(Canvas& dc) const
{
    CRect rect = GetRect();
    if (shadow.IsDrawn()) {
        CRect cast = rect;
        cast.OffsetRect(shadow.x, shadow.y);
        if (borderWidth != 0) {
            cast.InflateRect(borderWidth / 2, borderWidth / 2);
        }
        dc.FillRect(cast, shadow.color);
    }
    if (fillColor != kDefaultColor) {
        dc.FillRect(rect, fillColor);
    }
    if (borderColor == kDefaultColor) {
        return;
    }
    // The frames of a wide border alternate outside and inside the rectangle. Where they all are
    // whole rings they make one band, filled at once, so that on a reduced picture the frames'
    // shares of a pixel add up instead of each covering part of the others'.
    const CRect outer = InflatedBy(rect, borderWidth / 2);
    const CRect inner = InflatedBy(rect, -((borderWidth - 1) / 2 + 1));
    if (borderWidth > 1 && inner.Width() > 0 && inner.Height() > 0) {
        dc.FillRect(CRect(outer.left, outer.top, outer.right, inner.top), borderColor);
        dc.FillRect(CRect(outer.left, inner.bottom, outer.right, outer.bottom), borderColor);
        dc.FillRect(CRect(outer.left, inner.top, inner.left, inner.bottom), borderColor);
        dc.FillRect(CRect(inner.right, inner.top, outer.right, inner.bottom), borderColor);
        return;
    }
    CRect frame = rect;
    dc.FrameRect(frame, borderColor);
    for (int k = 1; k < borderWidth; ++k) {
        int step = k % 2 == 1 ? k : -k;
        frame.InflateRect(step, step);
        dc.FrameRect(frame, borderColor);
    }
}

bool CDrawBox::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        ReadRectKey(key, value) || ReadShadowKey(key, value) || ReadOutlineKey(key, value);
    });
    return true;
}

bool CDrawBox::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out += ',';
    AppendOutlineKeys(out);
    AppendShadowKeys(out);
    out += '\n';
    return true;
}
