#pragma once

#include "foundation/GridFrameCells.h"

class Canvas;
class CCellGridCore;

// A dotted frame that callers move over a range of cells, for example over the cells a drag
// would drop on. It is drawn over the cells at every paint of the cell area; a scroll of the
// grid takes it away until it is moved again.
class CGridRangeFrame
{
  public:
    // Shows the frame round the range, taking it from where it was; a negative coordinate
    // only takes it away. The same range again changes nothing.
    void Move(CCellGridCore& grid, int left, int top, int right, int bottom);
    bool IsDrawn() const { return m_drawn; }

    // Before the cell area is painted: queues the cells under the frame.
    void QueueCells(CCellGridCore& grid);
    // After the cells: draws the frame.
    void Draw(CCellGridCore& grid, Canvas& dc);

  private:
    bool Scrolled(const CCellGridCore& grid) const;

    bool m_drawn = false;
    int m_leftColumn = 0;
    int m_topRow = 0;
    int m_range[4] = {-1, -1, -1, -1};
    CGridFrameCells m_cells;
};
