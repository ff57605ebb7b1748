#include "list/drawing/DrawPolygon.h"

#include "list/drawing/IDrawPropertyDialogs.h"

int CDrawPolygon::HitTest(int x, int y, int tolerance) const
{
    if (selected && IsNearVertex(x, y, tolerance)) {
        return HitCode::kVertex;
    }
    // Only the outline hits, filled or not.
    return IsNearEdge(x, y, tolerance, true) ? HitCode::kBody : HitCode::kNone;
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
