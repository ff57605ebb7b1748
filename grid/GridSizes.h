#pragma once

#include "platform/Geometry.h"

#include <vector>

class CCellGridCore;
struct LogFont;

// The counts and sizes of the grid's current sheet: columns, rows, headings and locked
// ranges, the layout of the parts, the last visible cells and the geometry of cells.
class CGridSizes
{
  public:
    explicit CGridSizes(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names, and the last visible cells and the
    // locked width, which moves recompute.
    int SetRowCount(int count, int repaint);
    int SetColCount(int count, int repaint);
    int SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int FitColWidths(int first, int last, int rowsToMeasure, int flags);
    int SetUniformRowSize(int height);
    void EnableUniformRowHeight(int flag);
    int SetRowSize(int row, int height);
    int GetRowSize(int row) const;
    int SetTopHeadingHeight(int height);
    int SetSideHeadingWidth(int width);
    int SetTopHeadingRowCount(int count);
    int SetTopHeadingRowHeight(int headingRow, int height);
    int SetSideHeadingColWidth(int headingColumn, int width);
    int SetLockedColCount(int count);
    int SetLockedRowCount(int count);
    int SetDefaultFont(const LogFont* font);
    static int UniformRowHeightForDrag(int pointerY, int rowsAbove);
    void RecomputeLockedWidth();
    void LayoutParts();
    void UpdateLastVisible();
    int GetCellRect(int column, int row, CRect& rect);
    int GetRangeRect(int left, int top, int right, int bottom, CRect& rect);
    int HitTestCell(int x, int y, int& column, int& row);

  private:
    // Keeps the current cell's row (column) and its cursor inside a new count; with none current,
    // the first becomes current.
    static void ClampToCount(int& current, int& cursor, int& previous, int count);
    void ScaleHeadingSizes(std::vector<int>& sizes, int total);
    void RecomputeLockedHeight();
    // The top row and left column kept within the rows and columns that can come first.
    void ClampTopRowLimit();
    void ClampLeftColumnLimit();
    // Left edge of a column (top of a row) in its part's coordinates.
    int ColumnLeft(int column) const;
    int RowTop(int row) const;

    CCellGridCore& m_grid;
};
