#pragma once

#include "list/drawing/DrawPathShape.h"
#include "list/drawing/DrawShapeKind.h"
#include "list/drawing/LineStyle.h"

// One straight segment with optional arrow heads at both ends.
class CDrawLine
    : public CDrawShapeKind<CDrawLine, CDrawPathShape, DrawKind::kLine, &IDrawPropertyDialogs::EditLine>,
      public CLineStyle
{
  public:
    CPoint start;
    CPoint end;

    void Draw(Canvas& dc) const override;
    // The rectangle of the two ends, however far out they lie.
    CRect GetRect() const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;

  protected:
    int PointCount() const override { return 2; }
    const CPoint& PointAt(int index) const override { return index == 0 ? start : end; }
    CPoint& PointAt(int index) override { return index == 0 ? start : end; }
};
