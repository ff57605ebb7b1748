#include "list/drawing/DrawRectShape.h"

#include "list/drawing/DrwValues.h"
#include "list/drawing/EditViewMapping.h"
#include "platform/canvas/Canvas.h"

#include <utility>

void CDrawRectShape::SetRect(const CRect& rect)
{
    x1 = rect.left;
    y1 = rect.top;
    x2 = rect.right;
    y2 = rect.bottom;
}

void CDrawRectShape::AddHandlePoints(CPointArray& points) const
{
    AddRectHandlePoints(points, GetRect());
}

int CDrawRectShape::HandleHit(int x, int y, int tolerance) const
{
    int midX = (x1 + x2) / 2;
    int midY = (y1 + y2) / 2;
    const struct
    {
        int px;
        int py;
        int code;
    } handles[] = {
        {x1, y1, HitCode::kTopLeftBottomRight}, {x2, y1, HitCode::kTopRightBottomLeft},
        {x2, y2, HitCode::kTopLeftBottomRight}, {x1, y2, HitCode::kTopRightBottomLeft},
        {midX, y1, HitCode::kTopBottom},        {x2, midY, HitCode::kLeftRight},
        {midX, y2, HitCode::kTopBottom},        {x1, midY, HitCode::kLeftRight},
    };
    for (const auto& handle : handles) {
        if (IsNearPoint(x, y, handle.px, handle.py, tolerance)) {
            return handle.code;
        }
    }
    return HitCode::kNone;
}

bool CDrawRectShape::IsNearEdge(int x, int y, int tolerance) const
{
    return IsNearSegment(x, y, x1, y1, x2, y1, tolerance) || IsNearSegment(x, y, x2, y1, x2, y2, tolerance) ||
           IsNearSegment(x, y, x2, y2, x1, y2, tolerance) || IsNearSegment(x, y, x1, y2, x1, y1, tolerance);
}

bool CDrawRectShape::Contains(int x, int y) const
{
    return x1 <= x && x < x2 && y1 <= y && y < y2;
}

bool CDrawRectShape::OverlapsRect(const CRect& rect) const
{
    CRect overlap;
    return overlap.IntersectRect(GetRect(), rect);
}

void CDrawRectShape::MoveResize(int mode, int px, int py, int qx, int qy, int tolerance)
{
    int dx = qx - px;
    int dy = qy - py;
    int midX = (x1 + x2) / 2;
    int midY = (y1 + y2) / 2;
    switch (mode) {
    case HitCode::kBody:
        x1 += dx;
        x2 += dx;
        y1 += dy;
        y2 += dy;
        break;
    case HitCode::kTopBottom:
        if (IsNearPoint(px, py, midX, y1, tolerance)) {
            y1 += dy;
        } else if (IsNearPoint(px, py, midX, y2, tolerance)) {
            y2 += dy;
        }
        break;
    case HitCode::kLeftRight:
        if (IsNearPoint(px, py, x2, midY, tolerance)) {
            x2 += dx;
        } else if (IsNearPoint(px, py, x1, midY, tolerance)) {
            x1 += dx;
        }
        break;
    case HitCode::kTopLeftBottomRight:
        if (IsNearPoint(px, py, x1, y1, tolerance)) {
            x1 += dx;
            y1 += dy;
        } else if (IsNearPoint(px, py, x2, y2, tolerance)) {
            x2 += dx;
            y2 += dy;
        }
        break;
    case HitCode::kTopRightBottomLeft:
        if (IsNearPoint(px, py, x2, y1, tolerance)) {
            x2 += dx;
            y1 += dy;
        } else if (IsNearPoint(px, py, x1, y2, tolerance)) {
            x1 += dx;
            y2 += dy;
        }
        break;
    default:
        return;
    }
    // Dragging an edge across the opposite one turns the rectangle over.
    Normalize();
}

void CDrawRectShape::Normalize()
{
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    if (y1 > y2) {
        std::swap(y1, y2);
    }
}

void CDrawRectShape::FlipHorizontal(const CRect& frame)
{
    if (GetRect() == frame) {
        return;
    }
    int x = frame.left + frame.right - x2;
    MoveResize(HitCode::kBody, x1, 0, x, 0, 0);
}

void CDrawRectShape::FlipVertical(const CRect& frame)
{
    if (GetRect() == frame) {
        return;
    }
    int y = frame.top + frame.bottom - y2;
    MoveResize(HitCode::kBody, 0, y1, 0, y, 0);
}

void CDrawRectShape::Rotate(int quarterTurns, const CRect& frame)
{
    int c = NormalizeQuarterTurns(quarterTurns);
    if (c == 0) {
        return;
    }
    CPoint a = RotatePoint(CPoint(x1, y1), c, frame);
    CPoint b = RotatePoint(CPoint(x2, y2), c, frame);
    SetRect(CRect(a, b));
    Normalize();
}

bool CDrawRectShape::ReadRectKey(const CString& key, const CString& value)
{
    if (key == "ps.x1") {
        x1 = DrwValue::ToCoordinate(value);
    } else if (key == "ps.y1") {
        y1 = DrwValue::ToCoordinate(value);
    } else if (key == "ps.x2") {
        x2 = DrwValue::ToCoordinate(value);
    } else if (key == "ps.y2") {
        y2 = DrwValue::ToCoordinate(value);
    } else {
        return false;
    }
    return true;
}

void CDrawRectShape::AppendRectKeys(CString& out) const
{
    out.AppendFormat("ps.x1=%d,ps.y1=%d,ps.x2=%d,ps.y2=%d", x1, y1, x2, y2);
}

void CDrawRectShape::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                                  int qy) const
{
    CRect r = GetRect();
    view.ImageToViewRect(r);
    view.ViewToClientRect(r);
    r.NormalizeRect();
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        r.OffsetRect(dx, dy);
    } else if (mode != HitCode::kNone && mode != HitCode::kCreating) {
        if (IsSmallDrag(dx, dy)) {
            return;
        }
        CPoint press = PressInImage(view, px, py);
        int tolerance = view.GetHitTolerance();
        int midX = (x1 + x2) / 2;
        int midY = (y1 + y2) / 2;
        // Each handle with the sides of the client rectangle it drags.
        const struct
        {
            int hx;
            int hy;
            int* side;
            int* end;
        } handles[] = {
            {x1, y1, &r.left, &r.top},      {x2, y1, &r.right, &r.top},   {x2, y2, &r.right, &r.bottom},
            {x1, y2, &r.left, &r.bottom},   {midX, y1, nullptr, &r.top},  {x2, midY, &r.right, nullptr},
            {midX, y2, nullptr, &r.bottom}, {x1, midY, &r.left, nullptr},
        };
        for (const auto& handle : handles) {
            if (IsNearPoint(press.x, press.y, handle.hx, handle.hy, tolerance)) {
                if (handle.side != nullptr) {
                    *handle.side += dx;
                }
                if (handle.end != nullptr) {
                    *handle.end += dy;
                }
                break;
            }
        }
        // Dragged across the opposite side, it still shows where the rectangle will lie.
        r.NormalizeRect();
    }
    if (r.IsRectEmpty()) {
        return;
    }
    DrawFeedbackOutline(dc, r);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.bottom);
    dc.MoveTo(r.right, r.top);
    dc.LineTo(r.left, r.bottom);
}

void CDrawRectShape::DrawFeedbackOutline(Canvas& dc, const CRect& rect) const
{
    dc.Rectangle(rect);
}
