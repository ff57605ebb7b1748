#pragma once

// The ranges, pages and positions of the grid's two scroll bars, in the form the toolkit's bars
// take them: positions 0 to range - thumb, the thumb as wide as a page.
class CGridScrollRange
{
  public:
    // Thumb modes of the vertical bar: 1 scrolls while the thumb is dragged, 2 keeps the thumb
    // in the middle of a three-position bar.
    static constexpr int kLiveThumb = 1;
    static constexpr int kCentredThumb = 2;
    // Above this many rows a position stands for several rows.
    static constexpr int kMaxRowPositions = 1000;

    struct Bar
    {
        int range = 0;    // number of thumb positions + thumb - 1
        int thumb = 1;    // thumb size (page)
        int position = 0; // thumb position
    };

    // Columns: page = (area width - locked width) / default width, positions 0 to
    // count - locked.
    static Bar Horizontal(int columnCount, int lockedColumns, int areaWidth, int lockedWidth,
                          int defaultColumnWidth, int leftColumn);
    // Rows: above kMaxRowPositions a thousand positions for all rows; the centred mode three.
    static Bar Vertical(int rowCount, int lockedRows, int areaHeight, int defaultRowHeight, int thumbMode,
                        int topRow);
    // The row a vertical thumb position shows.
    static int RowAtPosition(int rowCount, int lockedRows, int thumbMode, int position);
    // The first column a horizontal thumb position shows.
    static int ColumnAtPosition(int lockedColumns, int position) { return lockedColumns + position; }
};
