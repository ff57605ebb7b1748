#pragma once

#include "foundation/GridFrameCells.h"
#include "platform/Geometry.h"

class Canvas;
class CCellGridCore;

// The grid list's own focus frame: black and white rings with a grey shadow round the current
// cell, or round the selection block being built, with an optional mark in its bottom-right
// corner. The frame reaches into the neighbouring cells, so those are painted again before each
// frame is drawn.
class CGridFocusFrame
{
  public:
    void SetCornerMark(bool on) { m_cornerMark = on; }
    bool HasCornerMark() const { return m_cornerMark; }

    // Before the cell area is painted: queues the cells under the frame drawn last and under
    // the frame to draw now.
    void QueueCells(CCellGridCore& grid);
    // After the cells: draws the frame. rect is the current cell's rectangle as the painter
    // found it, empty when the current cell was not painted.
    void Draw(CCellGridCore& grid, Canvas& dc, const CRect& rect);

  private:
    // The frame the grid's state asks for now; block tells whether it is the block being built.
    CGridFrameCells FramedCells(CCellGridCore& grid, bool& block) const;
    void DrawRings(Canvas& dc, CRect rect, bool outerRing, bool leftHidden, bool topHidden) const;

    bool m_cornerMark = false;
    CGridFrameCells m_drawn;
};
