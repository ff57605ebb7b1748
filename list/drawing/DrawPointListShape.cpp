#include "list/drawing/DrawPointListShape.h"

#include "list/drawing/EditViewMapping.h"

#include <algorithm>

bool CDrawPointListShape::IntersectsRect(const CRect& rect)
{
    for (int i = 0; i < points.GetSize(); ++i) {
        if (rect.PtInRect(points.Point(i))) {
            return true;
        }
    }
    return false;
}

void CDrawPointListShape::AddHandlePoints(CPointArray& handles) const
{
    for (int i = 0; i < points.GetSize(); ++i) {
        handles.AddPoint(points.Point(i));
    }
}

CRect CDrawPointListShape::GetRect() const
{
    CRect r = kNoPoints;
    for (int i = 0; i < points.GetSize(); ++i) {
        IncludePoint(r, points.Point(i));
    }
    return r;
}

void CDrawPointListShape::MoveResize(int mode, int px, int py, int qx, int qy, int tolerance)
{
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        for (int i = 0; i < points.GetSize(); ++i) {
            points.Point(i).Offset(dx, dy);
        }
    } else if (mode == HitCode::kVertex) {
        for (int i = 0; i < points.GetSize(); ++i) {
            CPoint& p = points.Point(i);
            if (IsNearPoint(px, py, p.x, p.y, tolerance)) {
                p.Offset(dx, dy);
                return;
            }
        }
    }
}

void CDrawPointListShape::FlipHorizontal(const CRect& frame)
{
    for (int i = 0; i < points.GetSize(); ++i) {
        points.Point(i).x = frame.left + frame.right - points.Point(i).x;
    }
}

void CDrawPointListShape::FlipVertical(const CRect& frame)
{
    for (int i = 0; i < points.GetSize(); ++i) {
        points.Point(i).y = frame.top + frame.bottom - points.Point(i).y;
    }
}

void CDrawPointListShape::Rotate(int quarterTurns, const CRect& frame)
{
    int c = NormalizeQuarterTurns(quarterTurns);
    for (int i = 0; i < points.GetSize() && c != 0; ++i) {
        points.Point(i) = RotatePoint(points.Point(i), c, frame);
    }
}

bool CDrawPointListShape::IsNearVertex(int x, int y, int tolerance) const
{
    for (int i = 0; i < points.GetSize(); ++i) {
        if (IsNearPoint(x, y, points.Point(i).x, points.Point(i).y, tolerance)) {
            return true;
        }
    }
    return false;
}

bool CDrawPointListShape::IsNearEdge(int x, int y, int tolerance, bool closed) const
{
    int count = points.GetSize();
    for (int i = 0; i + 1 < count; ++i) {
        const CPoint& a = points.Point(i);
        const CPoint& b = points.Point(i + 1);
        if (IsNearSegment(x, y, a.x, a.y, b.x, b.y, tolerance)) {
            return true;
        }
    }
    if (closed && count > 0) {
        const CPoint& last = points.Point(count - 1);
        const CPoint& first = points.Point(0);
        return IsNearSegment(x, y, last.x, last.y, first.x, first.y, tolerance);
    }
    return false;
}

std::vector<CPoint> CDrawPointListShape::PointsMovedBy(int dx, int dy) const
{
    std::vector<CPoint> moved;
    moved.reserve(points.GetSize());
    for (int i = 0; i < points.GetSize(); ++i) {
        moved.push_back(points.Point(i));
        moved.back().Offset(dx, dy);
    }
    return moved;
}

std::vector<CPoint> CDrawPointListShape::FeedbackPoints(const CEditViewMapping& view, int mode, int px,
                                                        int py, int qx, int qy) const
{
    std::vector<CPoint> client;
    for (int i = 0; i < points.GetSize(); ++i) {
        client.push_back(ImageToClient(view, points.Point(i)));
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
        for (int i = 0; i < points.GetSize(); ++i) {
            if (IsNearPoint(press.x, press.y, points.Point(i).x, points.Point(i).y, tolerance)) {
                client[i].Offset(dx, dy);
                break;
            }
        }
    }
    return client;
}

bool CDrawPointListShape::ReadPointKey(const CString& key, const CString& value)
{
    if (key != "ps") {
        return false;
    }
    bool hasColon = false;
    CPoint p = DrwValue::ToPoint(value, &hasColon);
    if (hasColon) {
        points.AddPoint(p);
    }
    return true;
}

void CDrawPointListShape::AppendPointKeys(CString& out) const
{
    for (int i = 0; i < points.GetSize(); ++i) {
        out.AppendFormat("ps=%d:%d,", points.Point(i).x, points.Point(i).y);
    }
}
