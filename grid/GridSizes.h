#pragma once

#include <vector>

class CCellGridCore;
struct LogFont;

// The counts and sizes of the grid's current sheet: columns, rows, heading rows and columns,
// locked ranges and the default font, with the widths that fit a column's cells.
class CGridSizes
{
  public:
    explicit CGridSizes(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names.
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

  private:
    // Keeps the current cell's row (column) and its cursor inside a new count; with none current,
    // the first becomes current.
    static void ClampToCount(int& current, int& cursor, int& previous, int count);
    void ScaleHeadingSizes(std::vector<int>& sizes, int total);

    CCellGridCore& m_grid;
};
