#include "list/drawing/DrawShape.h"

#include "list/drawing/DrwValues.h"
#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Products of coordinates exceed 32 bits long before the coordinates do.
using Wide = std::int64_t;

} // namespace

bool CDrawShape::Properties(IDrawPropertyDialogs& dialogs)
{
    try {
        return RunPropertyDialog(dialogs);
    } catch (...) {
        dialogs.ReportError(nullptr, "EditPhotoDoc", __LINE__);
        return true;
    }
}

void CDrawShape::DrawDragFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                                  int y1) const
{
    int saved = dc.SaveDC();
    dc.SelectPen({PS_DOT, 0, RGB(0, 0, 0)});
    dc.SelectBrush(Canvas::Brush::Null());
    dc.SetROP2(R2_NOT);
    DrawFeedback(dc, view, mode, x0, y0, x1, y1);
    dc.RestoreDC(saved);
}

void CDrawShape::SelectSolidPen(Canvas& dc, int width, COLORREF color)
{
    dc.SelectPen({PS_SOLID, std::max(width, 0), color});
}

CPoint CDrawShape::ImageToClient(const CEditViewMapping& view, CPoint point)
{
    view.ImageToView(point);
    view.ViewToClient(point);
    return point;
}

CPoint CDrawShape::PressInImage(const CEditViewMapping& view, int x0, int y0)
{
    CPoint press(x0, y0);
    view.ViewToImage(press);
    return press;
}

bool CDrawShape::IsNearPoint(int x, int y, int px, int py, int tolerance)
{
    return std::llabs(Wide(x) - px) <= tolerance && std::llabs(Wide(y) - py) <= tolerance;
}

bool CDrawShape::IsNearSegment(int x, int y, int x1, int y1, int x2, int y2, int tolerance)
{
    // The span tests below guard the divisions only for a tolerance of 0 or more.
    tolerance = std::max(tolerance, 0);
    if (x < Wide(std::min(x1, x2)) - tolerance || x > Wide(std::max(x1, x2)) + tolerance ||
        y < Wide(std::min(y1, y2)) - tolerance || y > Wide(std::max(y1, y2)) + tolerance) {
        return false;
    }
    if (std::llabs(Wide(x1) - x2) > tolerance) {
        Wide d = y - (Wide(x) - x1) * (Wide(y2) - y1) / (Wide(x2) - x1) - y1;
        if (std::llabs(d) <= tolerance) {
            return true;
        }
    }
    if (std::llabs(Wide(y1) - y2) > tolerance) {
        Wide d = x - ((Wide(y) - y1) * (Wide(x2) - x1) / (Wide(y2) - y1) + x1);
        if (std::llabs(d) <= tolerance) {
            return true;
        }
    }
    // A segment no longer than the tolerance either way is hit only by its end handles.
    return false;
}

bool CDrawShape::IsOnInnerSide(int x, int y, int x1, int y1, int x2, int y2, int tolerance)
{
    tolerance = std::max(tolerance, 0);
    Wide spanX = std::llabs(Wide(x1) - x2);
    Wide spanY = std::llabs(Wide(y1) - y2);
    if (spanX <= tolerance && spanY <= tolerance) {
        return false;
    }
    if (spanX > spanY) {
        Wide yl = (Wide(y2) - y1) * (Wide(x) - x1) / (Wide(x2) - x1) + y1;
        return x1 < x2 ? y <= yl : y >= yl;
    }
    Wide xl = (Wide(y) - y1) * (Wide(x2) - x1) / (Wide(y2) - y1) + x1;
    return y1 < y2 ? x >= xl : x <= xl;
}

void CDrawShape::IncludePoint(CRect& extent, const CPoint& p)
{
    extent.left = std::min(extent.left, p.x);
    extent.top = std::min(extent.top, p.y);
    extent.right = std::max(extent.right, p.x);
    extent.bottom = std::max(extent.bottom, p.y);
}

int CDrawShape::NormalizeQuarterTurns(int quarterTurns)
{
    return ((quarterTurns % 4) + 4) % 4;
}

CPoint CDrawShape::RotatePoint(const CPoint& p, int c, const CRect& r)
{
    switch (c) {
    case 1:
        return {r.left + p.y - r.top, r.top + r.right - p.x};
    case 2:
        return {r.left + r.right - p.x, r.top + r.bottom - p.y};
    case 3:
        return {r.left + r.bottom - p.y, r.top + p.x - r.left};
    default:
        return p;
    }
}

void CDrawShape::AddRectHandlePoints(CPointArray& points, const CRect& r)
{
    int midX = (r.left + r.right) / 2;
    int midY = (r.top + r.bottom) / 2;
    points.AddPoint(r.left, r.top);
    points.AddPoint(r.right, r.top);
    points.AddPoint(r.right, r.bottom);
    points.AddPoint(r.left, r.bottom);
    points.AddPoint(midX, r.top);
    points.AddPoint(midX, r.bottom);
    points.AddPoint(r.right, midY);
    points.AddPoint(r.left, midY);
}

void CDrawShape::BeginLine(int indent, CString& out) const
{
    out.AppendFormat("%*s%s,", indent, "", KindName());
}

void CDrawShape::AppendShadowKeys(CString& out) const
{
    out.AppendFormat("sd.x=%d,sd.y=%d,sd.c=%d,sd.s=%d", shadow.x, shadow.y, static_cast<int>(shadow.color),
                     shadow.size);
}

bool CDrawShape::ReadShadowKey(const CString& key, const CString& value)
{
    if (key == "sd.x") {
        shadow.x = DrwValue::ToCoordinate(value);
    } else if (key == "sd.y") {
        shadow.y = DrwValue::ToCoordinate(value);
    } else if (key == "sd.c") {
        shadow.color = static_cast<COLORREF>(DrwValue::ToInt(value));
    } else if (key == "sd.s") {
        shadow.size = DrwValue::ToInt(value);
    } else {
        return false;
    }
    return true;
}
