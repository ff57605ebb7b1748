#include "list/drawing/DrawPathShape.h"

#include "list/drawing/EditViewMapping.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

int CDrawPathShape::HitTest(int x, int y, int tolerance) const
{
    if (selected && IsNearVertex(x, y, tolerance)) {
        return HitCode::kVertex;
    }
    return IsNearEdge(x, y, tolerance, IsClosed()) ? HitCode::kBody : HitCode::kNone;
}

bool CDrawPathShape::IntersectsRect(const CRect& rect)
{
    for (int i = 0; i < PointCount(); ++i) {
        if (rect.PtInRect(PointAt(i))) {
            return true;
        }
    }
    return false;
}

void CDrawPathShape::AddHandlePoints(CPointArray& handles) const
{
    for (int i = 0; i < PointCount(); ++i) {
        handles.AddPoint(PointAt(i));
    }
}

CRect CDrawPathShape::GetRect() const
{
    CRect r = kNoPoints;
    for (int i = 0; i < PointCount(); ++i) {
        IncludePoint(r, PointAt(i));
    }
    return r;
}

void CDrawPathShape::MoveResize(int mode, int px, int py, int qx, int qy, int tolerance)
{
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        for (int i = 0; i < PointCount(); ++i) {
            PointAt(i).Offset(dx, dy);
        }
    } else if (mode == HitCode::kVertex) {
        for (int i = 0; i < PointCount(); ++i) {
            CPoint& p = PointAt(i);
            if (IsNearPoint(px, py, p.x, p.y, tolerance)) {
                p.Offset(dx, dy);
                return;
            }
        }
    }
}

void CDrawPathShape::FlipHorizontal(const CRect& frame)
{
    for (int i = 0; i < PointCount(); ++i) {
        PointAt(i).x = frame.left + frame.right - PointAt(i).x;
    }
}

void CDrawPathShape::FlipVertical(const CRect& frame)
{
    for (int i = 0; i < PointCount(); ++i) {
        PointAt(i).y = frame.top + frame.bottom - PointAt(i).y;
    }
}

void CDrawPathShape::Rotate(int quarterTurns, const CRect& frame)
{
    int c = NormalizeQuarterTurns(quarterTurns);
    for (int i = 0; i < PointCount() && c != 0; ++i) {
        PointAt(i) = RotatePoint(PointAt(i), c, frame);
    }
}

bool CDrawPathShape::IsNearVertex(int x, int y, int tolerance) const
{
    for (int i = 0; i < PointCount(); ++i) {
        if (IsNearPoint(x, y, PointAt(i).x, PointAt(i).y, tolerance)) {
            return true;
        }
    }
    return false;
}

bool CDrawPathShape::IsNearEdge(int x, int y, int tolerance, bool closed) const
{
    int count = PointCount();
    for (int i = 0; i + 1 < count; ++i) {
        const CPoint& a = PointAt(i);
        const CPoint& b = PointAt(i + 1);
        if (IsNearSegment(x, y, a.x, a.y, b.x, b.y, tolerance)) {
            return true;
        }
    }
    if (closed && count > 0) {
        const CPoint& last = PointAt(count - 1);
        const CPoint& first = PointAt(0);
        return IsNearSegment(x, y, last.x, last.y, first.x, first.y, tolerance);
    }
    return false;
}

std::vector<CPoint> CDrawPathShape::PointsMovedBy(int dx, int dy) const
{
    std::vector<CPoint> moved;
    moved.reserve(PointCount());
    for (int i = 0; i < PointCount(); ++i) {
        moved.push_back(PointAt(i));
        moved.back().Offset(dx, dy);
    }
    return moved;
}

std::vector<CPoint> CDrawPathShape::FeedbackPoints(const CEditViewMapping& view, int mode, int px, int py,
                                                   int qx, int qy) const
{
    std::vector<CPoint> client;
    for (int i = 0; i < PointCount(); ++i) {
        client.push_back(ImageToClient(view, PointAt(i)));
    }
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        for (CPoint& p : client) {
            p.Offset(dx, dy);
        }
    } else if (mode != HitCode::kNone && mode != HitCode::kCreating) {
        if (IsSmallDrag(dx, dy)) {
            return {};
        }
        CPoint press = PressInImage(view, px, py);
        int tolerance = view.GetHitTolerance();
        for (int i = 0; i < PointCount(); ++i) {
            if (IsNearPoint(press.x, press.y, PointAt(i).x, PointAt(i).y, tolerance)) {
                client[i].Offset(dx, dy);
                break;
            }
        }
    }
    return client;
}

void CDrawPathShape::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                                  int qy) const
{
    if (PointCount() < 2) {
        return;
    }
    std::vector<CPoint> outline = FeedbackPoints(view, mode, px, py, qx, qy);
    if (outline.empty()) {
        return;
    }
    // A dragged first vertex takes its closing copy along.
    if (IsClosed() && mode != HitCode::kCreating) {
        outline.push_back(outline.front());
    }
    dc.Polyline(outline.data(), static_cast<int>(outline.size()));
}
