#include "grid/GridLayout.h"

#include "grid/CellGridCore.h"

#include <algorithm>
#include <cstdint>

void CGridLayout::RecomputeLockedWidth()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.lockedColumns = std::min(sheet.lockedColumns, sheet.colCount);
    int width = 0;
    for (int column = 0; column < sheet.lockedColumns; ++column) {
        width += sheet.columns[column].width;
    }
    sheet.lockedWidth = width;
}

void CGridLayout::RecomputeLockedHeight()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.lockedRows = std::min(sheet.lockedRows, sheet.rowCount);
    int height = 0;
    for (int row = 0; row < sheet.lockedRows; ++row) {
        height += sheet.RowHeight(row);
    }
    sheet.lockedHeight = height;
}

void CGridLayout::LayoutParts()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (m_grid.m_inLayout) {
        return;
    }
    m_grid.m_inLayout = true;
    const CSize client = m_grid.m_host->GetClientSize();
    const int width = client.cx;
    const int height = client.cy;
    const int side = sheet.sideHeadingWidth;
    const int top = sheet.topHeadingHeight;
    // The bars are hidden for this layout only; the sheet keeps their sizes.
    int vBar = sheet.vScrollBarWidth;
    int hBar = sheet.hScrollBarHeight;
    int tab = sheet.tabBarWidth;
    if (tab > 0 && width - side - tab < 20) {
        tab = std::max(width - side - 20, 0);
    }
    std::int64_t columnsWidth = 0;
    for (int column = 0; column < sheet.colCount && columnsWidth <= width - side; ++column) {
        columnsWidth += sheet.columns[column].width;
    }
    std::int64_t rowsHeight = 0;
    if (sheet.uniformRowHeight) {
        rowsHeight = static_cast<std::int64_t>(sheet.rowCount) * sheet.defaultRowHeight;
    } else {
        for (int row = 0; row < sheet.rowCount && rowsHeight <= height - top; ++row) {
            rowsHeight += sheet.rowHeights[row];
        }
    }
    if (columnsWidth + vBar < width - side && tab > 0) {
        tab = width - vBar + 3;
    }
    if (rowsHeight <= height - top) {
        vBar = 0;
    }
    if (columnsWidth <= width - side - vBar && tab == 0) {
        hBar = 0;
    }

    CGridPartRects rects;
    rects.cellArea = CRect(side, top, width - vBar, height - hBar);
    rects.topHeading = CRect(side, 0, width - vBar, top);
    rects.sideHeading = CRect(0, top, side, height - hBar);
    rects.corner = CRect(0, 0, side, top);
    rects.vScrollBar = CRect(width - vBar, 0, width, height - hBar);
    rects.tabBar = CRect(0, height - hBar, tab, height);
    rects.hScrollBar = CRect(tab, height - hBar, width - vBar, height);
    m_grid.OnLayoutParts(rects.cellArea, rects.topHeading, rects.sideHeading, rects.corner, rects.vScrollBar,
                         rects.hScrollBar, rects.tabBar);
    // A client smaller than the headings and bars would give parts negative sizes.
    for (CRect* rect : {&rects.cellArea, &rects.topHeading, &rects.sideHeading, &rects.corner,
                        &rects.vScrollBar, &rects.hScrollBar, &rects.tabBar}) {
        rect->right = std::max(rect->right, rect->left);
        rect->bottom = std::max(rect->bottom, rect->top);
    }
    sheet.areaWidth = std::max(rects.cellArea.Width(), 0);
    sheet.areaHeight = std::max(rects.cellArea.Height(), 0);
    sheet.parts = rects;
    m_grid.m_host->MoveParts(rects);
    ClampLeftColumnLimit();
    ClampTopRowLimit();
    UpdateLastVisible();
    m_grid.m_host->UpdateScrollBars();
    m_grid.RepaintAllParts();
    sheet.previousLeftColumn = sheet.leftColumn;
    sheet.previousTopRow = sheet.topRow;
    m_grid.m_inLayout = false;
}

void CGridLayout::ClampTopRowLimit()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    const int old = sheet.maxTopRow;
    const int free = sheet.areaHeight - sheet.lockedHeight;
    int limit = sheet.lockedRows;
    if (sheet.uniformRowHeight) {
        const int rowHeight = std::max(sheet.defaultRowHeight, 1);
        limit = sheet.rowCount - (free > 0 ? free / rowHeight : 0);
    } else {
        int remaining = free;
        for (int row = sheet.rowCount - 1; row >= sheet.lockedRows; --row) {
            remaining -= sheet.RowHeight(row);
            if (remaining < 0) {
                limit = row + 1;
                break;
            }
        }
    }
    limit = std::max(std::min(limit, sheet.rowCount - 1), sheet.lockedRows);
    sheet.maxTopRow = limit;
    sheet.topRow = std::max(std::min(sheet.topRow, limit), sheet.lockedRows);
    if ((old == 0) != (limit == 0) && !m_grid.m_inLayout) {
        LayoutParts();
    }
}

void CGridLayout::ClampLeftColumnLimit()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    const int old = sheet.maxLeftColumn;
    int remaining = sheet.areaWidth - sheet.lockedWidth;
    int limit = sheet.lockedColumns;
    for (int column = sheet.colCount - 1; column >= sheet.lockedColumns; --column) {
        remaining -= sheet.columns[column].width;
        if (remaining < 0) {
            limit = column + 1;
            break;
        }
    }
    limit = std::max(std::min(limit, sheet.colCount - 1), sheet.lockedColumns);
    sheet.maxLeftColumn = limit;
    sheet.leftColumn = std::max(std::min(sheet.leftColumn, limit), sheet.lockedColumns);
    if ((old == 0) != (limit == 0) && !m_grid.m_inLayout) {
        LayoutParts();
    }
}

void CGridLayout::UpdateLastVisible()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    // As painting finds them: the first column (row) whose far edge passes the area.
    sheet.lastVisibleColumn = sheet.colCount;
    int x = 0;
    for (int column = 0; column < sheet.colCount; ++column) {
        if (column == sheet.lockedColumns) {
            column = std::max(sheet.leftColumn, sheet.lockedColumns);
            if (column >= sheet.colCount) {
                break;
            }
        }
        x += sheet.columns[column].width;
        if (x > sheet.areaWidth) {
            sheet.lastVisibleColumn = column;
            break;
        }
    }
    sheet.lastVisibleRow = sheet.rowCount;
    int y = 0;
    for (int row = 0; row < sheet.rowCount; ++row) {
        if (row == sheet.lockedRows) {
            row = std::max(sheet.topRow, sheet.lockedRows);
            if (row >= sheet.rowCount) {
                break;
            }
        }
        if (sheet.uniformRowHeight && row >= sheet.lockedRows) {
            const int rowHeight = std::max(sheet.defaultRowHeight, 1);
            const int fit = (sheet.areaHeight - y) / rowHeight;
            sheet.lastVisibleRow = std::min(sheet.rowCount, row + std::max(fit, 0));
            break;
        }
        y += sheet.RowHeight(row);
        if (y > sheet.areaHeight) {
            sheet.lastVisibleRow = row;
            break;
        }
    }
}

int CGridLayout::ColumnLeft(int column) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int x = 0;
    if (column < 0) {
        for (int heading = -sheet.SideHeadingColumnCount(); heading < column; ++heading) {
            x += sheet.ColumnWidth(heading);
        }
        return x;
    }
    if (column < sheet.lockedColumns) {
        for (int c = 0; c < column; ++c) {
            x += sheet.columns[c].width;
        }
        return x;
    }
    x = sheet.lockedWidth;
    if (column >= sheet.leftColumn) {
        for (int c = sheet.leftColumn; c < column; ++c) {
            x += sheet.ColumnWidth(c);
        }
    } else {
        for (int c = column; c < sheet.leftColumn; ++c) {
            x -= sheet.ColumnWidth(c);
        }
    }
    return x;
}

int CGridLayout::RowTop(int row) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    std::int64_t y = 0;
    if (row < 0) {
        // Heading row -n is at the top, -1 next to the cells.
        for (int heading = -sheet.TopHeadingRowCount(); heading < row; ++heading) {
            y += sheet.RowHeight(heading);
        }
        return static_cast<int>(y);
    }
    if (row < sheet.lockedRows) {
        for (int r = 0; r < row; ++r) {
            y += sheet.RowHeight(r);
        }
        return static_cast<int>(y);
    }
    y = sheet.lockedHeight;
    const int from = std::min(row, sheet.topRow);
    const int to = std::max(row, sheet.topRow);
    std::int64_t span = 0;
    if (sheet.uniformRowHeight) {
        span = static_cast<std::int64_t>(to - from) * sheet.defaultRowHeight;
    } else {
        for (int r = from; r < to; ++r) {
            span += sheet.RowHeight(r);
        }
    }
    y += row >= sheet.topRow ? span : -span;
    return static_cast<int>(std::max<std::int64_t>(std::min<std::int64_t>(y, INT32_MAX), INT32_MIN));
}

int CGridLayout::GetCellRect(int column, int row, CRect& rect)
{
    int left, top, right, bottom;
    if (m_grid.Sheet().joinsEnabled && m_grid.GetJoinRange(column, row, left, top, right, bottom) == 0) {
        return GetRangeRect(left, top, right, bottom, rect);
    }
    const int x = ColumnLeft(column);
    const int y = RowTop(row);
    rect = CRect(x, y, x + m_grid.Sheet().ColumnWidth(column), y + m_grid.Sheet().RowHeight(row));
    return 0;
}

int CGridLayout::GetRangeRect(int left, int top, int right, int bottom, CRect& rect)
{
    const int x = ColumnLeft(left);
    const int y = RowTop(top);
    rect = CRect(x, y, ColumnLeft(right) + m_grid.Sheet().ColumnWidth(right),
                 RowTop(bottom) + m_grid.Sheet().RowHeight(bottom));
    return 0;
}

int CGridLayout::HitTestCell(int x, int y, int& column, int& row)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    if (x < 0 || y < 0 || x >= sheet.areaWidth || y >= sheet.areaHeight) {
        return 1;
    }
    int hitColumn = -1;
    int edge = 0;
    for (int c = 0; c < sheet.colCount && hitColumn < 0 && edge <= x; ++c) {
        if (c == sheet.lockedColumns) {
            c = std::max(sheet.leftColumn, sheet.lockedColumns);
            if (c >= sheet.colCount) {
                break;
            }
        }
        edge += sheet.columns[c].width;
        if (x < edge) {
            hitColumn = c;
        }
    }
    int hitRow = -1;
    edge = 0;
    for (int r = 0; r < sheet.rowCount && hitRow < 0 && edge <= y; ++r) {
        if (r == sheet.lockedRows) {
            r = std::max(sheet.topRow, sheet.lockedRows);
            if (r >= sheet.rowCount) {
                break;
            }
        }
        const int rowHeight = sheet.RowHeight(r);
        if (sheet.uniformRowHeight && r >= sheet.lockedRows && rowHeight > 0) {
            const int candidate = r + (y - edge) / rowHeight;
            hitRow = candidate < sheet.rowCount ? candidate : -1;
            break;
        }
        edge += rowHeight;
        if (y < edge) {
            hitRow = r;
        }
    }
    if (hitColumn < 0 || hitRow < 0) {
        return 1;
    }
    int left, top, right, bottom;
    if (sheet.joinsEnabled && m_grid.GetJoinRange(hitColumn, hitRow, left, top, right, bottom) == 0) {
        hitColumn = left;
        hitRow = top;
    }
    column = hitColumn;
    row = hitRow;
    return 0;
}
