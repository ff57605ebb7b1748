#pragma once

#include "list/drawing/DrawPointListShape.h"
#include "list/drawing/DrawShapeKind.h"
#include "list/drawing/OutlineStyle.h"

// A closed outline through three or more points, optionally filled, with a shadow.
class CDrawPolygon : public CDrawShapeKind<CDrawPolygon, CDrawPointListShape, DrawKind::kPolygon,
                                           &IDrawPropertyDialogs::EditPolygon>,
                     public COutlineStyle
{
  public:
    // Nothing with fewer than three points.
    void Draw(Canvas& dc) const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;

  protected:
    bool IsClosed() const override { return true; }
};
