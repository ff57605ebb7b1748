#pragma once

#include "platform/Geometry.h"

class CCellGridCore;

// Where the grid's parts and cells lie: the rectangles of the parts for the client size, the
// locked width and height, the first row and column that may come first, the last visible cells,
// and the rectangles and hit tests of cells.
class CGridLayout
{
  public:
    explicit CGridLayout(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names.
    void LayoutParts();
    int GetCellRect(int column, int row, CRect& rect);
    int GetRangeRect(int left, int top, int right, int bottom, CRect& rect);
    int HitTestCell(int x, int y, int& column, int& row);

    // Kept up to date after counts, sizes, moves and scrolls change.
    void RecomputeLockedWidth();
    void RecomputeLockedHeight();
    // The top row and left column kept within the rows and columns that can come first.
    void ClampTopRowLimit();
    void ClampLeftColumnLimit();
    void UpdateLastVisible();

  private:
    // Left edge of a column (top of a row) in its part's coordinates.
    int ColumnLeft(int column) const;
    int RowTop(int row) const;

    CCellGridCore& m_grid;
};
