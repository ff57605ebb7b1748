#pragma once

#include "list/drawing/DrawShape.h"
#include "list/drawing/LineStyle.h"

// One straight segment with optional arrow heads at both ends.
class CDrawLine : public CDrawShape, public CLineStyle
{
  public:
    CPoint start;
    CPoint end;

    int HitTest(int x, int y, int tolerance) const override;
    // The start or the end point lies in the rectangle.
    bool IntersectsRect(const CRect& rect) override;
    void Draw(Canvas& dc) const override;
    void AddHandlePoints(CPointArray& points) const override;
    CRect GetRect() const override;
    void MoveResize(int mode, int px, int py, int qx, int qy, int tolerance) override;
    void FlipHorizontal(const CRect& frame) override;
    void FlipVertical(const CRect& frame) override;
    void Rotate(int quarterTurns, const CRect& frame) override;
    std::unique_ptr<CDrawShape> Clone() const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
    const char* KindName() const override { return DrawKind::kLine; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;
};
