#pragma once

#include "platform/Geometry.h"

class CCellGridCore;

// A frame round a block of cells as the grid shows it: the rectangle of the block's visible
// part, which of its edges lie in scrolled-away columns and rows, and the cells the frame
// covers, which painting again clears the frame from.
class CGridFrameCells
{
  public:
    // No block: nothing in view and no cells.
    CGridFrameCells() = default;
    // The block as the grid shows it now; with neighbours, the frame also covers the visible
    // cells just outside the block.
    CGridFrameCells(CCellGridCore& grid, int left, int top, int right, int bottom, bool neighbours);

    // Whether some part of the block is in view.
    bool InView() const { return m_inView; }
    // The visible part in the cell area's coordinates: from the locked columns (rows) on when
    // the block begins in scrolled-away ones.
    const CRect& Rect() const { return m_rect; }
    bool LeftHidden() const { return m_leftHidden; }
    bool TopHidden() const { return m_topHidden; }

    // Queues the covered cells for painting.
    void Queue(CCellGridCore& grid) const;

  private:
    bool m_inView = false;
    CRect m_rect;
    bool m_leftHidden = false;
    bool m_topHidden = false;
    // The block's visible edge cells, and the cells round them the frame reaches.
    bool m_hasCells = false;
    int m_inner[4] = {};
    int m_outer[4] = {};
};
