#include "list/drawing/DrawPolygon.h"

#include "platform/canvas/Canvas.h"

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
