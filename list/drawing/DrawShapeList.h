#pragma once

#include "foundation/ObArrayEx.h"
#include "list/drawing/DrawShape.h"

class CDrwLineReader;

// The shapes over a photo in stacking order (index 0 at the bottom), owned by the list: hit
// testing that cycles through overlapping shapes, selection, handles, bounds, drawing and the
// shape lines of a drw file.
class CDrawShapeList : public CObArrayEx
{
  public:
    // Set when an area is read into the list; the editor sets and clears it too.
    bool hasArea = false;
    // Where the next hit test resumes, counted from the top; -1 starts at the top.
    int resume = -1;

    CDrawShape* GetShape(int index) const { return static_cast<CDrawShape*>(m_items[index]); }
    // Appends a shape the list then owns; returns its index.
    int AddShape(std::unique_ptr<CDrawShape> shape) { return Add(shape.release()); }

    // Index of the shape hit, or -1 (hitCode untouched). Repeated tests at one spot, with the
    // hit shape deselected in between, walk down through the overlapping shapes and wrap round.
    int HitTest(int x, int y, int tolerance, int* hitCode = nullptr);
    // Selects every shape the rectangle catches; returns how many.
    int SelectInRect(const CRect& rect);
    // Empties points, then appends the handle points of every selected shape; returns the count.
    int GetHandlePoints(CPointArray& points) const;
    // Union of every shape's rectangle; empty for an empty list.
    CRect GetBounds() const;
    // Every shape in stacking order.
    void DrawAll(Canvas& dc) const;
    // Mode 1 moves every selected shape; modes 2 to 6 act on the first selected shape only.
    void MoveResize(int mode, int x0, int y0, int x1, int y1, int tolerance);
    void DeselectAll();
    int CountSelected() const;
    // Extent of the selected shapes' rectangles; 0, 0, 0, 0 when none is selected.
    CRect GetSelectedBounds() const;

    // Reads shape lines until the end or a "}" line; depth counts the groups around the list.
    bool Read(CDrwLineReader& reader, int depth = 0);
    bool Write(int indent, CString& out) const;
};
