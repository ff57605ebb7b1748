#include "list/drawing/DrawPolygon.h"

#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
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
        SelectShadowTools(dc, shadow.color);
        dc.Polygon(cast.data(), static_cast<int>(cast.size()));
    }
    if (SelectBodyTools(dc)) {
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
    static_cast<COutlineStyle&>(*copy) = *this;
    return copy;
}

bool CDrawPolygon::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        ReadPointKey(key, value) || ReadShadowKey(key, value) || ReadOutlineKey(key, value);
    });
    return true;
}

bool CDrawPolygon::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendPointKeys(out);
    AppendOutlineKeys(out);
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawPolygon::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditPolygon(*this);
}
