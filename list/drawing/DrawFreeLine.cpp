#include "list/drawing/DrawFreeLine.h"

#include "platform/canvas/Canvas.h"

void CDrawFreeLine::Draw(Canvas& dc) const
{
    DrawPath(dc, PointsMovedBy(0, 0), shadow, false);
}

bool CDrawFreeLine::Read(const CStringArray& fields)
{
    int arrows = 0;
    ForEachKey(fields, false, [&](const CString& key, const CString& value) {
        ReadPointKey(key, value) || ReadShadowKey(key, value) || ReadLineKey(key, value, arrows);
    });
    return true;
}

bool CDrawFreeLine::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendPointKeys(out);
    AppendLineKeys(out);
    AppendShadowKeys(out);
    out += '\n';
    return true;
}
