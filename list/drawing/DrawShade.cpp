#include "list/drawing/DrawShade.h"

#include "list/drawing/IDrawPropertyDialogs.h"

#include <algorithm>

int CDrawShade::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    return Contains(x, y) ? HitCode::kBody : HitCode::kNone;
}

std::unique_ptr<CDrawShape> CDrawShade::Clone() const
{
    auto copy = std::make_unique<CDrawShade>();
    CopyRectTo(*copy);
    copy->dot = dot;
    return copy;
}

bool CDrawShade::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        if (ReadRectKey(key, value)) {
            return;
        }
        if (key == "dot") {
            // A cell below one pixel would never finish drawing.
            dot = std::max(1, DrwValue::ToCoordinate(value));
        }
    });
    return true;
}

bool CDrawShade::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out.AppendFormat(",dot=%d\n", dot);
    return true;
}

bool CDrawShade::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditShade(*this);
}
