#include "list/drawing/DrawLine.h"

#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
#include "platform/canvas/Canvas.h"

int CDrawLine::HitTest(int x, int y, int tolerance) const
{
    if (selected &&
        (IsNearPoint(x, y, start.x, start.y, tolerance) || IsNearPoint(x, y, end.x, end.y, tolerance))) {
        return HitCode::kVertex;
    }
    return IsNearSegment(x, y, start.x, start.y, end.x, end.y, tolerance) ? HitCode::kBody : HitCode::kNone;
}

bool CDrawLine::IntersectsRect(const CRect& rect)
{
    return rect.PtInRect(start) || rect.PtInRect(end);
}

void CDrawLine::Draw(Canvas& dc) const
{
    DrawPath(dc, {start, end}, shadow, true);
}

void CDrawLine::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                             int qy) const
{
    CPoint from = ImageToClient(view, start);
    CPoint to = ImageToClient(view, end);
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        from.Offset(dx, dy);
        to.Offset(dx, dy);
    } else if (mode != HitCode::kNone && mode != HitCode::kCreating) {
        if (IsSmallDrag(dx, dy)) {
            return;
        }
        CPoint press = PressInImage(view, px, py);
        int tolerance = view.GetHitTolerance();
        if (IsNearPoint(press.x, press.y, start.x, start.y, tolerance)) {
            from.Offset(dx, dy);
        } else if (IsNearPoint(press.x, press.y, end.x, end.y, tolerance)) {
            to.Offset(dx, dy);
        }
    }
    dc.MoveTo(from);
    dc.LineTo(to);
}

void CDrawLine::AddHandlePoints(CPointArray& points) const
{
    points.AddPoint(start);
    points.AddPoint(end);
}

CRect CDrawLine::GetRect() const
{
    CRect r(start, end);
    r.NormalizeRect();
    return r;
}

void CDrawLine::MoveResize(int mode, int px, int py, int qx, int qy, int tolerance)
{
    int dx = qx - px;
    int dy = qy - py;
    if (mode == HitCode::kBody) {
        start.Offset(dx, dy);
        end.Offset(dx, dy);
    } else if (mode == HitCode::kVertex) {
        if (IsNearPoint(px, py, start.x, start.y, tolerance)) {
            start.Offset(dx, dy);
        } else if (IsNearPoint(px, py, end.x, end.y, tolerance)) {
            end.Offset(dx, dy);
        }
    }
}

void CDrawLine::FlipHorizontal(const CRect& frame)
{
    start.x = frame.left + frame.right - start.x;
    end.x = frame.left + frame.right - end.x;
}

void CDrawLine::FlipVertical(const CRect& frame)
{
    start.y = frame.top + frame.bottom - start.y;
    end.y = frame.top + frame.bottom - end.y;
}

void CDrawLine::Rotate(int quarterTurns, const CRect& frame)
{
    int c = NormalizeQuarterTurns(quarterTurns);
    start = RotatePoint(start, c, frame);
    end = RotatePoint(end, c, frame);
}

std::unique_ptr<CDrawShape> CDrawLine::Clone() const
{
    auto copy = std::make_unique<CDrawLine>();
    CopyBaseTo(*copy);
    copy->start = start;
    copy->end = end;
    static_cast<CLineStyle&>(*copy) = *this;
    return copy;
}

bool CDrawLine::Read(const CStringArray& fields)
{
    int pointCount = 0;
    int arrowCount = 0;
    ForEachKey(fields, false, [&](const CString& key, const CString& value) {
        if (ReadShadowKey(key, value) || ReadLineKey(key, value, arrowCount)) {
            return;
        }
        if (key == "ps") {
            // Without ":" only x is taken.
            if (pointCount < 2) {
                CPoint& point = pointCount == 0 ? start : end;
                bool hasColon = false;
                CPoint read = DrwValue::ToPoint(value, &hasColon);
                point.x = read.x;
                if (hasColon) {
                    point.y = read.y;
                }
            }
            ++pointCount;
        }
    });
    return true;
}

bool CDrawLine::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    out.AppendFormat("ps=%d:%d,ps=%d:%d,", start.x, start.y, end.x, end.y);
    AppendLineKeys(out);
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawLine::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditLine(*this);
}
