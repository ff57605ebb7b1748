#pragma once

#include "list/drawing/DrawBox.h"

// An ellipse in a rectangle, with the border, fill and shadow of the box.
class CDrawEllipse : public CDrawBox
{
  public:
    int HitTest(int x, int y, int tolerance) const override;
    // One of the four edge midpoints lies in the rectangle.
    bool IntersectsRect(const CRect& rect) override;
    // Unlike the box, a border width of 0 draws no outline.
    void Draw(Canvas& dc) const override;
    std::unique_ptr<CDrawShape> Clone() const override;
    const char* KindName() const override { return DrawKind::kEllipse; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
    void DrawFeedbackOutline(Canvas& dc, const CRect& rect) const override;
};
