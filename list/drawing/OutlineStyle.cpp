#include "list/drawing/OutlineStyle.h"

#include "list/drawing/DrawShape.h"
#include "list/drawing/DrwValues.h"
#include "platform/canvas/Canvas.h"

bool COutlineStyle::ReadOutlineKey(const CString& key, const CString& value)
{
    if (key == "bd.w") {
        borderWidth = DrwValue::ToPenWidth(value);
    } else if (key == "bd.c") {
        borderColor = static_cast<COLORREF>(DrwValue::ToInt(value));
    } else if (key == "bk.c") {
        fillColor = static_cast<COLORREF>(DrwValue::ToInt(value));
    } else {
        return false;
    }
    return true;
}

void COutlineStyle::AppendOutlineKeys(CString& out) const
{
    out.AppendFormat("bd.w=%d,bd.c=%d,bk.c=%d,", borderWidth, static_cast<int>(borderColor),
                     static_cast<int>(fillColor));
}

void COutlineStyle::SelectShadowTools(Canvas& dc, COLORREF color) const
{
    CDrawShape::SelectSolidPen(dc, borderWidth, color);
    dc.SelectBrush(Canvas::Brush::Solid(color));
}

bool COutlineStyle::SelectBodyTools(Canvas& dc) const
{
    bool outlined = borderColor != kDefaultColor && borderWidth > 0;
    if (!outlined && fillColor == kDefaultColor) {
        return false;
    }
    if (outlined) {
        CDrawShape::SelectSolidPen(dc, borderWidth, borderColor);
    } else {
        dc.SelectPen({PS_NULL, 0, 0});
    }
    dc.SelectBrush(fillColor == kDefaultColor ? Canvas::Brush::Null() : Canvas::Brush::Solid(fillColor));
    return true;
}
