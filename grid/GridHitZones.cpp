#include "grid/GridHitZones.h"

#include "grid/CellGridCore.h"

#include <algorithm>
#include <cstdlib>

CGridHitZones::Block CGridHitZones::BlockZone(const CRect& block, CPoint point)
{
    const int right = block.right - 1;
    const int bottom = block.bottom - 1;
    if (point.x < block.left || point.x > right || point.y < block.top || point.y > bottom) {
        return Block::None;
    }
    if (point.x > right - kBlockEdgeDepth && point.y > bottom - kBlockEdgeDepth) {
        return Block::Corner;
    }
    if (point.x < block.left + kBlockEdgeDepth || point.x > right - kBlockEdgeDepth ||
        point.y < block.top + kBlockEdgeDepth || point.y > bottom - kBlockEdgeDepth) {
        return Block::Edge;
    }
    return Block::None;
}

CGridHitZones::Hit CGridHitZones::TopHeading(CCellGridCore& grid, CPoint point)
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    Hit hit;
    int x = 0;
    int column = sheet.lockedColumns > 0 ? 0 : sheet.leftColumn;
    while (column < sheet.colCount) {
        x += sheet.columns[column].width;
        if (x > sheet.areaWidth) {
            break;
        }
        if (std::abs(point.x - x) <= kEdgeReach) {
            int sized = column;
            // A hidden column right of the edge is pulled open from here.
            const int next =
                column + 1 == sheet.lockedColumns ? std::max(sheet.leftColumn, column + 1) : column + 1;
            if (next < sheet.colCount && sheet.columns[next].width == 0) {
                sized = next;
            }
            if (grid.OnCanSizeColumn(sized)) {
                hit.mode = Sizing::Column;
                hit.index = sized;
                return hit;
            }
        }
        ++column;
        if (column == sheet.lockedColumns) {
            column = std::max(sheet.leftColumn, sheet.lockedColumns);
        }
    }
    int bottom = sheet.topHeadingHeight;
    for (int row = -1; row >= -sheet.TopHeadingRowCount(); --row) {
        if (std::abs(point.y - bottom) <= kEdgeReach && grid.OnCanSizeTopHeading()) {
            hit.mode = Sizing::HeadingRow;
            hit.index = row;
            return hit;
        }
        bottom -= sheet.RowHeight(row);
    }
    return hit;
}

CGridHitZones::Hit CGridHitZones::SideHeading(CCellGridCore& grid, CPoint point)
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    Hit hit;
    int right = sheet.sideHeadingWidth;
    for (int column = -1; column >= -sheet.SideHeadingColumnCount(); --column) {
        if (std::abs(point.x - right) <= kEdgeReach && grid.OnCanSizeSideHeading()) {
            hit.mode = Sizing::HeadingColumn;
            hit.index = column;
            return hit;
        }
        right -= sheet.ColumnWidth(column);
    }
    int y = 0;
    int row = sheet.lockedRows > 0 ? 0 : sheet.topRow;
    while (row < sheet.rowCount && y <= sheet.areaHeight) {
        y += sheet.RowHeight(row);
        if (std::abs(point.y - y) <= kEdgeReach) {
            int sized = row;
            const int next = row + 1 == sheet.lockedRows ? std::max(sheet.topRow, row + 1) : row + 1;
            if (next < sheet.rowCount && sheet.RowHeight(next) == 0) {
                sized = next;
            }
            if (grid.OnCanSizeRow(sized)) {
                hit.mode = Sizing::Row;
                hit.index = sized;
                return hit;
            }
        }
        ++row;
        if (row == sheet.lockedRows) {
            row = std::max(sheet.topRow, sheet.lockedRows);
        }
    }
    return hit;
}

int CGridHitZones::CornerZone(CCellGridCore& grid, CSize corner, CPoint point)
{
    if (point.x >= corner.cx - kCornerEdgeDepth && point.x < corner.cx + 1 && grid.OnCanSizeSideHeading()) {
        return CornerWidth;
    }
    if (point.y >= corner.cy - kCornerEdgeDepth && point.y < corner.cy + 1 && grid.OnCanSizeTopHeading()) {
        return CornerHeight;
    }
    return CornerNone;
}

namespace {

// The visible column (row) whose extent holds position, walking the locked ones and then those
// from the first scrolled one; -1 when none does.
template <typename Size> int VisibleAt(int position, int count, int locked, int first, Size size)
{
    int edge = 0;
    for (int index = locked > 0 ? 0 : first; index < count && edge <= position; ++index) {
        if (index == locked && index < first) {
            index = first;
        }
        if (position < edge + size(index)) {
            return index;
        }
        edge += size(index);
    }
    return -1;
}

// The heading row (column), from the outermost -count to -1, whose extent holds position; 0 when
// none does.
template <typename Size> int HeadingAt(int position, int count, Size size)
{
    int edge = 0;
    for (int index = -count; index < 0; ++index) {
        if (position >= edge && position < edge + size(index)) {
            return index;
        }
        edge += size(index);
    }
    return 0;
}

} // namespace

bool CGridHitZones::HeadingCell(CCellGridCore& grid, int section, CPoint point, int& column, int& row,
                                CRect& rect)
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    if (point.x < 0 || point.y < 0) {
        return false;
    }
    auto width = [&](int c) { return sheet.ColumnWidth(c); };
    auto height = [&](int r) { return sheet.RowHeight(r); };
    if (section == GridSection::TopHeading) {
        if (point.x >= sheet.areaWidth) {
            return false;
        }
        row = HeadingAt(point.y, sheet.TopHeadingRowCount(), height);
        column = VisibleAt(point.x, sheet.colCount, sheet.lockedColumns, sheet.leftColumn, width);
        if (row == 0 || column < 0) {
            return false;
        }
    } else {
        if (point.y >= sheet.areaHeight) {
            return false;
        }
        column = HeadingAt(point.x, sheet.SideHeadingColumnCount(), width);
        row = VisibleAt(point.y, sheet.rowCount, sheet.lockedRows, sheet.topRow, height);
        if (column == 0 || row < 0) {
            return false;
        }
    }
    int left, top, right, bottom;
    if (sheet.joinsEnabled && grid.GetJoinRange(column, row, left, top, right, bottom) == 0) {
        column = left;
        row = top;
    }
    grid.GetCellRect(column, row, rect);
    return true;
}
