#include "list/drawing/LineStroke.h"

#include "platform/canvas/Canvas.h"

#include <cmath>

namespace LineStroke {

namespace {

// π as the program has always taken it, so that barbs land on the same pixels.
constexpr double kPi = 3.1415926535;
constexpr double kRadiansPerDegree = 0.017453292519444445;

void DrawAt(Canvas& dc, const std::vector<CPoint>& points, int dx, int dy, const ArrowRecord& startArrow,
            const ArrowRecord& endArrow, int width, COLORREF color, bool setsEndPixel)
{
    std::vector<CPoint> moved = points;
    for (CPoint& p : moved) {
        p.Offset(dx, dy);
    }
    dc.SelectPen({PS_SOLID, width, color});
    dc.Polyline(moved.data(), static_cast<int>(moved.size()));
    const CPoint& first = moved[0];
    const CPoint& second = moved[1];
    const CPoint& last = moved[moved.size() - 1];
    const CPoint& beforeLast = moved[moved.size() - 2];
    bool anyArrow =
        (startArrow.length != 0 && startArrow.angle != 0) || (endArrow.length != 0 && endArrow.angle != 0);
    if (setsEndPixel && width == 1 && !anyArrow) {
        dc.SetPixel(last.x, last.y, color);
        return;
    }
    if (startArrow.IsDrawn()) {
        DrawArrowHead(dc, first, second, startArrow, color);
    }
    if (endArrow.IsDrawn()) {
        DrawArrowHead(dc, last, beforeLast, endArrow, color);
    }
}

} // namespace

void DrawArrowHead(Canvas& dc, const CPoint& tip, const CPoint& from, const ArrowRecord& arrow,
                   COLORREF color)
{
    double theta = std::atan2(double(tip.y) - from.y, double(tip.x) - from.x);
    double a = arrow.angle * kRadiansPerDegree;
    double length = arrow.length;
    CPoint head[3] = {
        tip,
        CPoint(tip.x + static_cast<int>(length * std::cos(theta + a + kPi)),
               tip.y + static_cast<int>(length * std::sin(theta + a + kPi))),
        CPoint(tip.x + static_cast<int>(length * std::cos(theta + kPi - a)),
               tip.y + static_cast<int>(length * std::sin(theta + kPi - a))),
    };
    if (arrow.filled) {
        Canvas::Brush previous = dc.SelectBrush(Canvas::Brush::Solid(color));
        dc.Polygon(head, 3);
        dc.SelectBrush(previous);
    } else {
        dc.MoveTo(head[1]);
        dc.LineTo(head[0]);
        dc.LineTo(head[2]);
    }
}

void DrawPath(Canvas& dc, const std::vector<CPoint>& points, const ArrowRecord& startArrow,
              const ArrowRecord& endArrow, int width, COLORREF color, const ShadowRecord& shadow,
              bool setsEndPixel)
{
    if (points.size() < 2 || width <= 0) {
        return;
    }
    int saved = dc.SaveDC();
    if (shadow.IsDrawn()) {
        DrawAt(dc, points, shadow.x, shadow.y, startArrow, endArrow, width, shadow.color, setsEndPixel);
    }
    if (color != kDefaultColor) {
        DrawAt(dc, points, 0, 0, startArrow, endArrow, width, color, setsEndPixel);
    }
    dc.RestoreDC(saved);
}

} // namespace LineStroke
