#pragma once

#include "list/drawing/DrawRectShape.h"
#include "list/drawing/DrawShapeKind.h"
#include "list/drawing/OutlineStyle.h"

// A rectangle with a border of some pixels, an optional fill and a shadow.
class CDrawBox
    : public CDrawShapeKind<CDrawBox, CDrawRectShape, DrawKind::kBox, &IDrawPropertyDialogs::EditBox>,
      public COutlineStyle
{
  public:
    int HitTest(int x, int y, int tolerance) const override;
    bool IntersectsRect(const CRect& rect) override { return OverlapsRect(rect); }
    // Shadow, fill, then a border of one-pixel frames at 0, +1, -1, +2, -2 ... from the edge.
    void Draw(Canvas& dc) const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
};
