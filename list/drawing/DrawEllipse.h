#pragma once

#include "list/drawing/DrawBox.h"

// An ellipse in a rectangle, with the border, fill and shadow of the box.
class CDrawEllipse
    : public CDrawShapeKind<CDrawEllipse, CDrawBox, DrawKind::kEllipse, &IDrawPropertyDialogs::EditEllipse>
{
  public:
    int HitTest(int x, int y, int tolerance) const override;
    // One of the four edge midpoints lies in the rectangle.
    bool IntersectsRect(const CRect& rect) override;
    // Unlike the box, a border width of 0 draws no outline.
    void Draw(Canvas& dc) const override;

  protected:
    void DrawFeedbackOutline(Canvas& dc, const CRect& rect) const override;
};
