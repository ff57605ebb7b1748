#include "list/drawing/DrawEllipse.h"

#include "platform/canvas/Canvas.h"

int CDrawEllipse::HitTest(int x, int y, int tolerance) const
{
    CRect grown = GetRect();
    grown.InflateRect(tolerance, tolerance);
    if (x < grown.left || x > grown.right || y < grown.top || y > grown.bottom) {
        return HitCode::kNone;
    }
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
        if (IsNearEdge(x, y, tolerance)) {
            return HitCode::kBody;
        }
    }
    double rx = (x2 - x1) * 0.5;
    double ry = (y2 - y1) * 0.5;
    if (rx == 0 || ry == 0) {
        // A flat ellipse is a line: the press is already within the tolerance of it.
        return HitCode::kBody;
    }
    double dx = (x1 + x2) / 2 - x;
    double dy = (y1 + y2) / 2 - y;
    // The fill does not matter: an unfilled ellipse is hit anywhere inside.
    return dy * dy / (ry * ry) + dx * dx / (rx * rx) > 1 ? HitCode::kNone : HitCode::kBody;
}

bool CDrawEllipse::IntersectsRect(const CRect& rect)
{
    int midX = (x1 + x2) / 2;
    int midY = (y1 + y2) / 2;
    return rect.PtInRect(CPoint(midX, y1)) || rect.PtInRect(CPoint(midX, y2)) ||
           rect.PtInRect(CPoint(x1, midY)) || rect.PtInRect(CPoint(x2, midY));
}

void CDrawEllipse::Draw(Canvas& dc) const
{
    int saved = dc.SaveDC();
    if (shadow.IsDrawn()) {
        CRect cast = GetRect();
        cast.OffsetRect(shadow.x, shadow.y);
        SelectShadowTools(dc, shadow.color);
        dc.Ellipse(cast);
    }
    if (SelectBodyTools(dc)) {
        dc.Ellipse(GetRect());
    }
    dc.RestoreDC(saved);
}

void CDrawEllipse::DrawFeedbackOutline(Canvas& dc, const CRect& rect) const
{
    dc.Ellipse(rect);
}
