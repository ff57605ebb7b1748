#pragma once

#include "list/drawing/DrawRectShape.h"
#include "list/drawing/DrawShapeKind.h"

// A mosaic: coarsens the picture under its rectangle into square cells of one colour.
class CDrawShade
    : public CDrawShapeKind<CDrawShade, CDrawRectShape, DrawKind::kShade, &IDrawPropertyDialogs::EditShade>
{
  public:
    // Cell size in pixels, at least 1.
    int dot = 8;

    int HitTest(int x, int y, int tolerance) const override;
    bool IntersectsRect(const CRect& rect) override { return OverlapsRect(rect); }
    // Each cell takes the colour under its centre from what the canvas holds: the photo and the
    // shapes below. Needs a canvas that can be read back.
    void Draw(Canvas& dc) const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
};
