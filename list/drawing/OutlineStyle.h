#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

class Canvas;

// Border and fill of the outlined shapes (box, ellipse, polygon): their drw keys, and the pens
// and brushes their bodies and shadows are drawn with.
class COutlineStyle
{
  public:
    int borderWidth = 1;
    COLORREF borderColor = RGB(0, 0, 0); // -1: no border
    COLORREF fillColor = kDefaultColor;  // -1: not filled

  protected:
    // Takes bd.w, bd.c or bk.c; false for any other key.
    bool ReadOutlineKey(const CString& key, const CString& value);
    // "bd.w=%d,bd.c=%d,bk.c=%d,"
    void AppendOutlineKeys(CString& out) const;
    // A pen of the border width and a brush, both in the shadow colour.
    void SelectShadowTools(Canvas& dc, COLORREF color) const;
    // The pen (none without a border colour or width) and brush (none without a fill) of the
    // body; false when the body has neither.
    bool SelectBodyTools(Canvas& dc) const;
};
