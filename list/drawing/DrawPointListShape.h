#pragma once

#include "list/drawing/DrawShape.h"

#include <vector>

// What the shapes made of a list of points share: vertex handles, bounds, moving the whole or
// one vertex, flips and quarter turns.
class CDrawPointListShape : public CDrawShape
{
  public:
    CPointArray points;

    // Any point lies in the rectangle.
    bool IntersectsRect(const CRect& rect) override;
    void AddHandlePoints(CPointArray& handles) const override;
    // Extent of the points; (9999, 9999, -9999, -9999) without points.
    CRect GetRect() const override;
    void MoveResize(int mode, int px, int py, int qx, int qy, int tolerance) override;
    void FlipHorizontal(const CRect& frame) override;
    void FlipVertical(const CRect& frame) override;
    void Rotate(int quarterTurns, const CRect& frame) override;

  protected:
    bool IsNearVertex(int x, int y, int tolerance) const;
    // The points as a vector, moved by an offset.
    std::vector<CPoint> PointsMovedBy(int dx, int dy) const;
    // The points in client coordinates as the drag of mode moves them: all for mode 1, the
    // first vertex near the press for the handle modes. Empty when nothing is to be drawn.
    std::vector<CPoint> FeedbackPoints(const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                                       int y1) const;
    // Edges from each point to the next, and from the last back to the first when closed.
    bool IsNearEdge(int x, int y, int tolerance, bool closed) const;
    // Takes a "ps" value with ":" as a new point; false for any other key.
    bool ReadPointKey(const CString& key, const CString& value);
    // "ps=%d:%d," for every point.
    void AppendPointKeys(CString& out) const;
};
