#include "list/drawing/LineStyle.h"

#include "list/drawing/DrwValues.h"
#include "platform/canvas/Canvas.h"

#include <cmath>

namespace {

// π as the program has always taken it, so that barbs land on the same pixels.
constexpr double kPi = 3.1415926535;
constexpr double kRadiansPerDegree = 0.017453292519444445;

void AppendArrowKey(CString& out, const ArrowRecord& arrow)
{
    out.AppendFormat("ar=%d:%d:%d,", arrow.length, arrow.angle, arrow.filled ? 1 : 0);
}

} // namespace

void CLineStyle::DrawArrowHead(Canvas& dc, const CPoint& tip, const CPoint& from, const ArrowRecord& arrow,
                               COLORREF headColor)
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
        Canvas::Brush previous = dc.SelectBrush(Canvas::Brush::Solid(headColor));
        dc.Polygon(head, 3);
        dc.SelectBrush(previous);
    } else {
        dc.MoveTo(head[1]);
        dc.LineTo(head[0]);
        dc.LineTo(head[2]);
    }
}

bool CLineStyle::ReadLineKey(const CString& key, const CString& value, int& arrowsRead)
{
    if (key == "ar") {
        if (arrowsRead == 0) {
            startArrow = DrwValue::ToArrow(value);
        } else if (arrowsRead == 1) {
            endArrow = DrwValue::ToArrow(value);
        }
        ++arrowsRead;
    } else if (key == "bd.w") {
        width = DrwValue::ToPenWidth(value);
    } else if (key == "bd.c") {
        color = static_cast<COLORREF>(DrwValue::ToInt(value));
    } else {
        return false;
    }
    return true;
}

void CLineStyle::AppendLineKeys(CString& out) const
{
    AppendArrowKey(out, startArrow);
    AppendArrowKey(out, endArrow);
    out.AppendFormat("bd.w=%d,bd.c=%d,", width, static_cast<int>(color));
}

void CLineStyle::DrawPath(Canvas& dc, const std::vector<CPoint>& points, const ShadowRecord& shadow,
                          bool setsEndPixel) const
{
    if (points.size() < 2 || width <= 0) {
        return;
    }
    int saved = dc.SaveDC();
    if (shadow.IsDrawn()) {
        DrawPathAt(dc, points, shadow.x, shadow.y, shadow.color, setsEndPixel);
    }
    if (color != kDefaultColor) {
        DrawPathAt(dc, points, 0, 0, color, setsEndPixel);
    }
    dc.RestoreDC(saved);
}

void CLineStyle::DrawPathAt(Canvas& dc, const std::vector<CPoint>& points, int dx, int dy, COLORREF pathColor,
                            bool setsEndPixel) const
{
    std::vector<CPoint> moved = points;
    for (CPoint& p : moved) {
        p.Offset(dx, dy);
    }
    dc.SelectPen({PS_SOLID, width, pathColor});
    dc.Polyline(moved.data(), static_cast<int>(moved.size()));
    const CPoint& last = moved[moved.size() - 1];
    bool anyArrow =
        (startArrow.length != 0 && startArrow.angle != 0) || (endArrow.length != 0 && endArrow.angle != 0);
    if (setsEndPixel && width == 1 && !anyArrow) {
        dc.SetPixel(last.x, last.y, pathColor);
        return;
    }
    if (startArrow.IsDrawn()) {
        DrawArrowHead(dc, moved[0], moved[1], startArrow, pathColor);
    }
    if (endArrow.IsDrawn()) {
        DrawArrowHead(dc, last, moved[moved.size() - 2], endArrow, pathColor);
    }
}
