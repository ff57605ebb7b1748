#include "foundation/GridRangeFrame.h"

#include "grid/CellGridCore.h"
#include "platform/canvas/Canvas.h"

void CGridRangeFrame::Move(CCellGridCore& grid, int left, int top, int right, int bottom)
{
    const bool scrolled = Scrolled(grid);
    if (m_drawn && !scrolled && m_range[0] == left && m_range[1] == top && m_range[2] == right &&
        m_range[3] == bottom) {
        return;
    }
    // A scroll has painted the old frame away already.
    if (m_drawn && !scrolled) {
        m_cells.Queue(grid);
    }
    m_drawn = false;
    m_cells = CGridFrameCells();
    if (left >= 0 && top >= 0 && right >= 0 && bottom >= 0) {
        m_drawn = true;
        m_leftColumn = grid.FirstVisibleColumn();
        m_topRow = grid.FirstVisibleRow();
        m_range[0] = left;
        m_range[1] = top;
        m_range[2] = right;
        m_range[3] = bottom;
        m_cells = CGridFrameCells(grid, left, top, right, bottom, false);
        m_cells.Queue(grid);
    }
    grid.Host().UpdateCellArea(grid.RangeList());
}

void CGridRangeFrame::QueueCells(CCellGridCore& grid)
{
    if (!m_drawn) {
        return;
    }
    // The frame's pixels moved with a scroll; painting its cells clears them, and the frame
    // stays away.
    m_cells.Queue(grid);
    if (Scrolled(grid)) {
        m_drawn = false;
        m_cells = CGridFrameCells();
    }
}

void CGridRangeFrame::Draw(CCellGridCore& grid, Canvas& dc)
{
    if (!m_drawn) {
        return;
    }
    // Measured anew: sizes may have changed since the frame was moved.
    m_cells = CGridFrameCells(grid, m_range[0], m_range[1], m_range[2], m_range[3], false);
    if (m_cells.InView()) {
        dc.DrawFocusRect(m_cells.Rect());
    }
}

bool CGridRangeFrame::Scrolled(const CCellGridCore& grid) const
{
    return grid.FirstVisibleColumn() != m_leftColumn || grid.FirstVisibleRow() != m_topRow;
}
