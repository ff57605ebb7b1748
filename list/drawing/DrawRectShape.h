#pragma once

#include "list/drawing/DrawShape.h"

// What the shapes defined by one rectangle share: the rectangle, its eight handles, edge tests,
// moving and resizing by handles, flips and quarter turns.
class CDrawRectShape : public CDrawShape
{
  public:
    // Kept normalised by editing; values read from a file are taken as they are.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    void SetRect(const CRect& rect);
    void AddHandlePoints(CPointArray& points) const override;
    CRect GetRect() const override { return CRect(x1, y1, x2, y2); }
    void MoveResize(int mode, int px, int py, int qx, int qy, int tolerance) override;
    void FlipHorizontal(const CRect& frame) override;
    void FlipVertical(const CRect& frame) override;
    void Rotate(int quarterTurns, const CRect& frame) override;
    // Exchanges coordinates where x1 > x2 or y1 > y2.
    void Normalize();

  protected:
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;
    // The outline of the feedback: a rectangle, or what the kind looks like.
    virtual void DrawFeedbackOutline(Canvas& dc, const CRect& rect) const;

    // Hit code of the handle at (x, y): corners 5 and 6, edge middles 3 and 4; 0 for none.
    int HandleHit(int x, int y, int tolerance) const;
    // Whether (x, y) lies within the tolerance of one of the four edges.
    bool IsNearEdge(int x, int y, int tolerance) const;
    // x1 <= x < x2 and y1 <= y < y2.
    bool Contains(int x, int y) const;
    // Whether the rectangle and rect overlap.
    bool OverlapsRect(const CRect& rect) const;
    // Takes ps.x1, ps.y1, ps.x2 or ps.y2; false for any other key.
    bool ReadRectKey(const CString& key, const CString& value);
    // "ps.x1=%d,ps.y1=%d,ps.x2=%d,ps.y2=%d", no comma behind.
    void AppendRectKeys(CString& out) const;
};
