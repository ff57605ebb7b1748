#include "list/drawing/DrawPointListShape.h"

#include "list/drawing/DrwValues.h"

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
