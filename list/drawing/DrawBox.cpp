#include "list/drawing/DrawBox.h"

#include "list/drawing/IDrawPropertyDialogs.h"

int CDrawBox::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        if (int code = HandleHit(x, y, tolerance)) {
            return code;
        }
    }
    bool hit = fillColor == kDefaultColor ? IsNearEdge(x, y, tolerance) : Contains(x, y);
    return hit ? HitCode::kBody : HitCode::kNone;
}

std::unique_ptr<CDrawShape> CDrawBox::Clone() const
{
    auto copy = std::make_unique<CDrawBox>();
    CopyBoxTo(*copy);
    return copy;
}

void CDrawBox::CopyBoxTo(CDrawBox& copy) const
{
    CopyRectTo(copy);
    copy.borderWidth = borderWidth;
    copy.borderColor = borderColor;
    copy.fillColor = fillColor;
}

bool CDrawBox::Read(const CStringArray& fields)
{
    ForEachKey(fields, false, [this](const CString& key, const CString& value) {
        if (ReadRectKey(key, value) || ReadShadowKey(key, value)) {
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

bool CDrawBox::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendRectKeys(out);
    out.AppendFormat(",bd.w=%d,bd.c=%d,bk.c=%d,", borderWidth, static_cast<int>(borderColor),
                     static_cast<int>(fillColor));
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawBox::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditBox(*this);
}
