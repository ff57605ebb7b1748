#pragma once

#include "list/drawing/DrawShape.h"

#include <vector>

// What the shapes drawn as a path through points of their own share (line, freeline, polygon):
// hits on the vertices and the path, vertex handles, bounds, moving the whole or one vertex,
// flips, quarter turns and the outline of a drag.
class CDrawPathShape : public CDrawShape
{
  public:
    // A selected shape is grabbed by a vertex first; of a closed path, only the outline hits,
    // filled or not.
    int HitTest(int x, int y, int tolerance) const override;
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
    virtual int PointCount() const = 0;
    virtual const CPoint& PointAt(int index) const = 0;
    virtual CPoint& PointAt(int index) = 0;
    // Whether the path runs from its last point back to its first.
    virtual bool IsClosed() const { return false; }

    // Nothing with fewer than two points; a closed path is drawn closed but while it is made.
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;

    bool IsNearVertex(int x, int y, int tolerance) const;
    // Edges from each point to the next, and from the last back to the first when closed.
    bool IsNearEdge(int x, int y, int tolerance, bool closed) const;
    // The points as a vector, moved by an offset.
    std::vector<CPoint> PointsMovedBy(int dx, int dy) const;
    // The points in client coordinates as the drag of mode moves them: all for mode 1, the
    // first vertex near the press for the handle modes. Empty when nothing is to be drawn.
    std::vector<CPoint> FeedbackPoints(const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                                       int y1) const;
};
