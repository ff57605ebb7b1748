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

    int SetRowCount(int count, int repaint);
    int SetColCount(int count, int repaint);
    // Keeps the current cell's row (column) and its cursor inside a new count; with none current,
    // the first becomes current.
    static void ClampToCount(int& current, int& cursor, int& previous, int count);
    int SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int FitColWidths(int first, int last, int rowsToMeasure, int flags);
    int SetUniformRowSize(int height);
    void EnableUniformRowHeight(int flag);
    int SetRowSize(int row, int height);
    int GetRowSize(int row) const;
    void ScaleHeadingSizes(std::vector<int>& sizes, int total);
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
    void RecomputeLockedHeight();
    void LayoutParts();
    // Scrolling limits and visibility
    void ClampTopRowLimit();
    void ClampLeftColumnLimit();
    void UpdateLastVisible();
    // Left edge of a column (top of a row) in its part's coordinates.
    int ColumnLeft(int column) const;
    int RowTop(int row) const;
    int GetCellRect(int column, int row, CRect& rect);
    int GetRangeRect(int left, int top, int right, int bottom, CRect& rect);
    int HitTestCell(int x, int y, int& column, int& row);

  private:
    CCellGridCore& m_grid;
};
