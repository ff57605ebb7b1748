#include "list/drawing/DrawLine.h"

#include "platform/canvas/Canvas.h"

void CDrawLine::Draw(Canvas& dc) const
{
    DrawPath(dc, {start, end}, shadow, true);
}

CRect CDrawLine::GetRect() const
{
    CRect r(start, end);
    r.NormalizeRect();
    return r;
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
