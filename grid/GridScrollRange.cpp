#include "grid/GridScrollRange.h"

#include <algorithm>

CGridScrollRange::Bar CGridScrollRange::Horizontal(int columnCount, int lockedColumns, int areaWidth,
                                                   int lockedWidth, int defaultColumnWidth, int leftColumn)
{
    Bar bar;
    const int page = std::max((areaWidth - lockedWidth) / std::max(defaultColumnWidth, 1), 0);
    // Windows ranges run from 0 to count + page - locked - 1 with the page as thumb.
    bar.thumb = std::max(page, 1);
    bar.range = std::max(columnCount + page - lockedColumns, bar.thumb);
    bar.position = std::clamp(leftColumn - lockedColumns, 0, bar.range - bar.thumb);
    return bar;
}

CGridScrollRange::Bar CGridScrollRange::Vertical(int rowCount, int lockedRows, int areaHeight,
                                                 int defaultRowHeight, int thumbMode, int topRow)
{
    Bar bar;
    if (thumbMode == kCentredThumb) {
        bar.range = 3;
        bar.thumb = 1;
        bar.position = 1;
        return bar;
    }
    if (rowCount > kMaxRowPositions) {
        bar.range = kMaxRowPositions + 1;
        bar.thumb = 1;
        const double perRow = static_cast<double>(kMaxRowPositions) / rowCount;
        bar.position = std::clamp(static_cast<int>(topRow * perRow), 0, kMaxRowPositions);
        return bar;
    }
    const int page = std::max(areaHeight / std::max(defaultRowHeight, 1), 0);
    bar.thumb = std::max(page, 1);
    // From the locked rows to rows + page - 1: positions are row numbers less the locked ones.
    bar.range = std::max(rowCount + page - lockedRows, bar.thumb);
    bar.position = std::clamp(topRow - lockedRows, 0, bar.range - bar.thumb);
    return bar;
}

int CGridScrollRange::RowAtPosition(int rowCount, int lockedRows, int thumbMode, int position)
{
    if (thumbMode == kCentredThumb) {
        return lockedRows;
    }
    if (rowCount > kMaxRowPositions) {
        const double rowsPerPosition = rowCount * 0.001;
        return std::clamp(static_cast<int>(position * rowsPerPosition), 0, std::max(rowCount - 1, 0));
    }
    return position + lockedRows;
}
