#pragma once

class CCellGridCore;
class TextMeasurer;
struct GridColumnDef;

// Builds a grid's columns from a column table: the counts, the heading rows with their joined
// cells, the widths in character units and each column's default cell.
class CGridColumnSetup
{
  public:
    // The width of a half-width character: half the width of "あ", rounded up.
    static int CharUnit(const TextMeasurer& measurer);
    // Replaces the columns of the grid's current sheet; returns the number of columns built.
    static int Apply(CCellGridCore& grid, const GridColumnDef* table, int lockedColumns, int charUnit);
};
