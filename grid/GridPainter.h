#pragma once

#include "platform/Geometry.h"

class Bitmap;
class Canvas;
class CCellGridCore;
class CCellRangeList;

// Paints the grid's cells, headings and corner through their cell types onto a canvas, and
// keeps the cell area's off-screen picture in step when the grid scrolls. Painting only reads:
// it never asks for rows past the last one and never changes data or geometry.
class CGridPainter
{
  public:
    explicit CGridPainter(CCellGridCore& grid) : m_grid(grid) {}

    // Paints the queued cells of the cell area (all cells when all is set) on a canvas the size of
    // the area, fills the space without cells and draws the focus frame. The queue is emptied.
    // Returns the rectangle that changed.
    CRect PaintCellArea(Canvas& dc, CCellRangeList& queued, bool all);
    // The heading rows above the visible columns; the dragged column's cells are drawn selected
    // while a drop position is shown (draggedColumn -1 for none).
    void PaintTopHeading(Canvas& dc, CSize size, int draggedColumn);
    // The heading columns left of the visible rows.
    void PaintSideHeading(Canvas& dc, CSize size);
    // The corner cell over the whole corner button.
    void PaintCorner(Canvas& dc, CSize size);

    // Moves the pixels of the cell area's picture by the scroll since the last update (from the
    // sheet's previous left column and top row) and queues the cells of the uncovered strips.
    // False when the picture cannot be moved and the whole area must be painted.
    bool ScrollPicture(Bitmap& picture, CCellRangeList& queued);

  private:
    // One heading cell, or the whole join it belongs to when that was not drawn yet; the cells of
    // selectedColumn are drawn selected.
    void DrawHeadingCell(Canvas& dc, CCellRangeList& drawn, int column, int row, CRect rect,
                         int selectedColumn);
    // Pixels between two column (row) positions of the scrolling part; positive going forward.
    int ColumnShift(int from, int to) const;
    int RowShift(int from, int to) const;
    // Queues the visible columns (rows) that cross the pixel range [from, to).
    void QueueColumns(CCellRangeList& queued, int from, int to) const;
    void QueueRows(CCellRangeList& queued, int from, int to) const;

    CCellGridCore& m_grid;
};
