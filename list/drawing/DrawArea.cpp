#include "list/drawing/DrawArea.h"

#include "list/drawing/IDrawPropertyDialogs.h"

#include <cstdint>
#include <cstdlib>

int CDrawArea::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    // Its inside never hits, so shapes within the area stay reachable.
    return IsNearEdge(x, y, tolerance) ? HitCode::kBody : HitCode::kNone;
}

bool CDrawArea::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) { ReadRectKey(key, value); });
    return true;
}

bool CDrawArea::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out += ",\n";
    return true;
}

void CDrawArea::DragCornerKeepAspect(int refWidth, int refHeight, int x, int y, bool free)
{
    x2 = x;
    y2 = y;
    if (free || refWidth <= 0 || refHeight <= 0) {
        return;
    }
    std::int64_t dx = std::llabs(std::int64_t(x) - x1);
    std::int64_t dy = std::llabs(std::int64_t(y) - y1);
    if (refHeight * dx < refWidth * dy) {
        int w = MulDiv(refWidth, static_cast<int>(dy), refHeight);
        x2 = x1 < x2 ? x1 + w : x1 - w;
    } else {
        int h = MulDiv(refHeight, static_cast<int>(dx), refWidth);
        y2 = y1 < y2 ? y1 + h : y1 - h;
    }
}

bool CDrawArea::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditArea(*this);
}
