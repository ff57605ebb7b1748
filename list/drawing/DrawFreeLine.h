#pragma once

#include "list/drawing/DrawPointListShape.h"
#include "list/drawing/DrawShapeKind.h"
#include "list/drawing/LineStyle.h"

// An open polyline through two or more points with optional arrow heads at both ends.
class CDrawFreeLine : public CDrawShapeKind<CDrawFreeLine, CDrawPointListShape, DrawKind::kFreeLine,
                                            &IDrawPropertyDialogs::EditFreeLine>,
                      public CLineStyle
{
  public:
    // Nothing with fewer than two points.
    void Draw(Canvas& dc) const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
};
