#include "list/drawing/DrawPolygon.h"

#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
#include "list/drawing/LineStroke.h"
#include "platform/canvas/Canvas.h"

int CDrawPolygon::HitTest(int x, int y, int tolerance) const
{
    if (selected && IsNearVertex(x, y, tolerance)) {
        return HitCode::kVertex;
    }
    // Only the outline hits, filled or not.
    return IsNearEdge(x, y, tolerance, true) ? HitCode::kBody : HitCode::kNone;
}

void CDrawPolygon::Draw(Canvas& dc) const
{
    if (points.GetSize() < 3) {
        return;
    }
    int saved = dc.SaveDC();
    dc.SetPolyFillMode(WINDING);
    if (shadow.IsDrawn()) {
        std::vector<CPoint> cast = PointsMovedBy(shadow.x, shadow.y);
        SelectSolidPen(dc, borderWidth, shadow.color);
        dc.SelectBrush(Canvas::Brush::Solid(shadow.color));
        dc.Polygon(cast.data(), static_cast<int>(cast.size()));
    }
    bool outlined = borderColor != kDefaultColor && borderWidth > 0;
    if (outlined || fillColor != kDefaultColor) {
        if (outlined) {
            SelectSolidPen(dc, borderWidth, borderColor);
        } else {
            dc.SelectPen({PS_NULL, 0, 0});
        }
        dc.SelectBrush(fillColor == kDefaultColor ? Canvas::Brush::Null() : Canvas::Brush::Solid(fillColor));
        std::vector<CPoint> body = PointsMovedBy(0, 0);
        dc.Polygon(body.data(), static_cast<int>(body.size()));
    }
    dc.RestoreDC(saved);
}

void CDrawPolygon::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                                int qy) const
{
    if (points.GetSize() < 2) {
        return;
    }
    std::vector<CPoint> outline = FeedbackPoints(view, mode, px, py, qx, qy);
    if (outline.empty()) {
        return;
    }
    // Closed but while it is being made; a dragged first vertex takes its closing copy along.
    if (mode != HitCode::kCreating) {
        outline.push_back(outline.front());
    }
    dc.Polyline(outline.data(), static_cast<int>(outline.size()));
}

std::unique_ptr<CDrawShape> CDrawPolygon::Clone() const
{
    auto copy = std::make_unique<CDrawPolygon>();
    CopyBaseTo(*copy);
    copy->points.CopyFrom(points);
    copy->borderWidth = borderWidth;
    copy->borderColor = borderColor;
    copy->fillColor = fillColor;
    return copy;
}

bool CDrawPolygon::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        if (ReadPointKey(key, value) || ReadShadowKey(key, value)) {
            return;
        }
        if (key == "bd.w") {
            borderWidth = DrwValue::ToPenWidth(value);
        } else if (key == "bd.c") {
            borderColor = static_cast<COLORREF>(DrwValue::ToInt(value));
        } else if (key == "bk.c") {
            fillColor = static_cast<COLORREF>(DrwValue::ToInt(value));
        }
    });
    return true;
}

bool CDrawPolygon::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendPointKeys(out);
    out.AppendFormat("bd.w=%d,bd.c=%d,bk.c=%d,", borderWidth, static_cast<int>(borderColor),
                     static_cast<int>(fillColor));
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawPolygon::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditPolygon(*this);
}
