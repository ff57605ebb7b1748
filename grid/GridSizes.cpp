#include "grid/GridSizes.h"

#include "grid/CellGridCore.h"
#include "platform/TextMeasurer.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kMaxColumns = 32000;
// Above this many rows only a uniform height is kept.
constexpr int kMaxRowsWithHeights = 64000;
constexpr int kMaxHeadingSize = 1024;
constexpr int kMaxHeadingRows = 64;
// Sizes beyond this could make the sums of widths and heights overflow.
constexpr int kMaxCellSize = 32767;
constexpr int kFitWidthWithoutArea = 300;

} // namespace

int CGridSizes::SetRowCount(int count, int repaint)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (count < 0) {
        return 1;
    }
    // Capped also at 0 rows, so that nothing reads past the empty height array.
    if (sheet.lockedRows >= count) {
        sheet.lockedRows = std::max(count - 1, 0);
    }
    if (count > kMaxRowsWithHeights) {
        sheet.uniformRowHeight = 1;
    }
    if (sheet.uniformRowHeight) {
        sheet.rowHeights.clear();
    } else {
        sheet.rowHeights.resize(count, sheet.defaultRowHeight);
    }
    sheet.rowCount = count;
    const int oldTop = sheet.topRow;
    ClampTopRowLimit();
    if (sheet.topRow != oldTop) {
        m_grid.m_moves.NotifyScrollChange();
    }
    ClampToCount(sheet.currentRow, sheet.cursorRow, sheet.previousRow, count);
    RecomputeLockedHeight();
    UpdateLastVisible();
    m_grid.m_host->UpdateScrollBars();
    if (repaint) {
        m_grid.RepaintAllParts();
    }
    return 0;
}

int CGridSizes::SetColCount(int count, int repaint)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (count < 0 || count > kMaxColumns) {
        return 1;
    }
    if (sheet.lockedColumns >= count) {
        sheet.lockedColumns = std::max(count - 1, 0);
    }
    const int kept = std::min(count, sheet.colCount);
    sheet.columns.resize(kept);
    for (int column = kept; column < count; ++column) {
        CGridSheetInfo::Column added;
        added.width = sheet.defaultColumnWidth;
        added.dataSource = sheet.dataSource;
        added.defaultCell = sheet.columnTemplate;
        added.dataSourceId = column;
        sheet.columns.push_back(std::move(added));
    }
    sheet.colCount = count;
    const int oldLeft = sheet.leftColumn;
    ClampLeftColumnLimit();
    if (sheet.leftColumn != oldLeft) {
        m_grid.m_moves.NotifyScrollChange();
    }
    ClampToCount(sheet.currentColumn, sheet.cursorColumn, sheet.previousColumn, count);
    RecomputeLockedWidth();
    UpdateLastVisible();
    m_grid.m_host->UpdateScrollBars();
    if (repaint) {
        m_grid.RepaintAllParts();
    }
    return 0;
}

void CGridSizes::ClampToCount(int& current, int& cursor, int& previous, int count)
{
    current = std::min(current, count - 1);
    cursor = std::min(cursor, count - 1);
    previous = std::min(previous, count - 1);
    if (current < 0 && count > 0) {
        current = cursor = previous = 0;
    }
}

int CGridSizes::SetColumnWidth(int column, int width)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (column < 0) {
        SetSideHeadingColWidth(column, width);
        return 1;
    }
    if (column >= sheet.colCount || width < 0 || width > kMaxCellSize) {
        return 1;
    }
    sheet.columns[column].width = width;
    if (column < sheet.lockedColumns) {
        RecomputeLockedWidth();
    }
    ClampLeftColumnLimit();
    UpdateLastVisible();
    return 0;
}

int CGridSizes::GetColumnWidth(int column) const
{
    return column >= 0 ? m_grid.Sheet().ColumnWidth(column) : 0;
}

int CGridSizes::FitColWidths(int first, int last, int rowsToMeasure, int flags)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (first < -sheet.SideHeadingColumnCount()) {
        return 1;
    }
    if (last >= sheet.colCount) {
        return 2;
    }
    if (last < first) {
        return 3;
    }
    int limit = sheet.areaWidth > 0 ? sheet.areaWidth - sheet.vScrollBarWidth : kFitWidthWithoutArea;
    limit = std::max(limit, 5);

    // Rows as painting visits them: heading rows when asked, the locked rows, then from the top.
    std::vector<int> rows;
    if (flags & 1) {
        for (int row = -sheet.TopHeadingRowCount(); row < 0; ++row) {
            rows.push_back(row);
        }
    }
    for (int row = 0; row < sheet.lockedRows && row < sheet.rowCount; ++row) {
        rows.push_back(row);
    }
    for (int row = std::max(sheet.topRow, sheet.lockedRows); row < sheet.rowCount; ++row) {
        if (rowsToMeasure > 0 && static_cast<int>(rows.size()) >= rowsToMeasure) {
            break;
        }
        rows.push_back(row);
    }
    if (rowsToMeasure > 0 && static_cast<int>(rows.size()) > rowsToMeasure) {
        rows.resize(rowsToMeasure);
    }

    std::vector<int> widest(last - first + 1, 3);
    CCellRecord record;
    for (int row : rows) {
        for (int column = first; column <= last; ++column) {
            m_grid.ReadCellForDisplay(column, row, record);
            if (record.TestMaskBits(CellMask::Join)) {
                continue;
            }
            const LogFont* font = record.GetFont() != nullptr ? record.GetFont() : sheet.defaultFont;
            CSize size;
            m_grid.GetCellType(record.GetTypeIndex())
                ->GetBestSize(m_grid.m_host->GetMeasurer(font), size, record);
            widest[column - first] = std::max(widest[column - first], size.cx);
        }
    }
    bool sideHeading = false;
    for (int column = first; column <= last; ++column) {
        const int width = std::min(widest[column - first] + 2, limit);
        if (column >= 0) {
            sheet.columns[column].width = width;
        } else {
            sheet.sideHeadingWidths[-column - 1] = width;
            sideHeading = true;
        }
    }
    if (sideHeading) {
        int total = 0;
        for (int width : sheet.sideHeadingWidths) {
            total += width;
        }
        sheet.sideHeadingWidth = total;
    }
    RecomputeLockedWidth();
    LayoutParts();
    return 0;
}

int CGridSizes::SetUniformRowSize(int height)
{
    if (height < 1 || height > kMaxHeadingSize) {
        return 1;
    }
    m_grid.Sheet().defaultRowHeight = height;
    RecomputeLockedHeight();
    ClampTopRowLimit();
    UpdateLastVisible();
    m_grid.RepaintAllParts();
    return 0;
}

void CGridSizes::EnableUniformRowHeight(int flag)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.uniformRowHeight = flag ? 1 : 0;
    if (flag) {
        sheet.rowHeights.clear();
    } else {
        sheet.rowHeights.assign(sheet.rowCount, sheet.defaultRowHeight);
    }
    RecomputeLockedHeight();
    ClampTopRowLimit();
    UpdateLastVisible();
}

int CGridSizes::SetRowSize(int row, int height)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (row < 0 || row >= sheet.rowCount || height > kMaxCellSize) {
        return 1;
    }
    if (sheet.uniformRowHeight) {
        if (height >= 0) {
            sheet.defaultRowHeight = height;
        }
    } else {
        sheet.rowHeights[row] = height < 0 ? sheet.defaultRowHeight : height;
    }
    RecomputeLockedHeight();
    ClampTopRowLimit();
    UpdateLastVisible();
    return 0;
}

int CGridSizes::GetRowSize(int row) const
{
    return row >= 0 ? m_grid.Sheet().RowHeight(row) : 0;
}

void CGridSizes::ScaleHeadingSizes(std::vector<int>& sizes, int total)
{
    std::int64_t sum = 0;
    for (int size : sizes) {
        sum += size;
    }
    if (sum > 0) {
        for (int& size : sizes) {
            size = static_cast<int>(static_cast<double>(size) * total / static_cast<double>(sum) + 0.5);
        }
        return;
    }
    // All sizes 0 (the corner was dragged shut): share the new total, the rest to the outermost.
    const int count = static_cast<int>(sizes.size());
    for (int& size : sizes) {
        size = total / count;
    }
    sizes.back() += total - total / count * count;
}

int CGridSizes::SetTopHeadingHeight(int height)
{
    if (height < 0 || height > kMaxHeadingSize) {
        return 1;
    }
    ScaleHeadingSizes(m_grid.Sheet().topHeadingHeights, height);
    m_grid.Sheet().topHeadingHeight = height;
    LayoutParts();
    return 0;
}

int CGridSizes::SetSideHeadingWidth(int width)
{
    if (width < 0 || width > kMaxHeadingSize) {
        return 1;
    }
    ScaleHeadingSizes(m_grid.Sheet().sideHeadingWidths, width);
    m_grid.Sheet().sideHeadingWidth = width;
    LayoutParts();
    return 0;
}

int CGridSizes::SetTopHeadingRowCount(int count)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (count < 1 || count > kMaxHeadingRows) {
        return 1;
    }
    sheet.topHeadingHeights.resize(count, sheet.defaultRowHeight);
    int total = 0;
    for (int height : sheet.topHeadingHeights) {
        total += height;
    }
    sheet.topHeadingHeight = total;
    LayoutParts();
    return 0;
}

int CGridSizes::SetTopHeadingRowHeight(int headingRow, int height)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (headingRow >= 0 || -headingRow > sheet.TopHeadingRowCount()) {
        return 1;
    }
    if (height < 0 || height > kMaxHeadingSize) {
        return 2;
    }
    sheet.topHeadingHeights[-headingRow - 1] = height;
    m_grid.m_host->RepaintTopHeading();
    return 0;
}

int CGridSizes::SetSideHeadingColWidth(int headingColumn, int width)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (headingColumn >= 0 || -headingColumn > sheet.SideHeadingColumnCount()) {
        return 1;
    }
    if (width < 0 || width > kMaxHeadingSize) {
        return 2;
    }
    sheet.sideHeadingWidths[-headingColumn - 1] = width;
    if (sheet.SideHeadingColumnCount() == 1) {
        sheet.sideHeadingWidth = width;
        LayoutParts();
    } else {
        m_grid.m_host->RepaintSideHeading();
    }
    return 0;
}

int CGridSizes::SetLockedColCount(int count)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (count < 0 || count > sheet.colCount) {
        return 1;
    }
    if (count == sheet.lockedColumns) {
        return 0;
    }
    sheet.lockedColumns = count;
    RecomputeLockedWidth();
    sheet.leftColumn = sheet.previousLeftColumn = count;
    ClampLeftColumnLimit();
    UpdateLastVisible();
    return 0;
}

int CGridSizes::SetLockedRowCount(int count)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (count < 0 || count > sheet.rowCount) {
        return 1;
    }
    if (count == sheet.lockedRows) {
        return 0;
    }
    sheet.lockedRows = count;
    RecomputeLockedHeight();
    sheet.topRow = sheet.previousTopRow = count;
    ClampTopRowLimit();
    UpdateLastVisible();
    return 0;
}

int CGridSizes::SetDefaultFont(const LogFont* font)
{
    if (font == nullptr) {
        return 1;
    }
    m_grid.Sheet().defaultFont = font;
    return 0;
}

int CGridSizes::UniformRowHeightForDrag(int pointerY, int rowsAbove)
{
    // The pointer may sit above the first whole row, leaving no row to share the distance.
    return std::max(pointerY, 1) / std::max(rowsAbove, 1);
}

void CGridSizes::RecomputeLockedWidth()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.lockedColumns = std::min(sheet.lockedColumns, sheet.colCount);
    int width = 0;
    for (int column = 0; column < sheet.lockedColumns; ++column) {
        width += sheet.columns[column].width;
    }
    sheet.lockedWidth = width;
}

void CGridSizes::RecomputeLockedHeight()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.lockedRows = std::min(sheet.lockedRows, sheet.rowCount);
    int height = 0;
    for (int row = 0; row < sheet.lockedRows; ++row) {
        height += sheet.RowHeight(row);
    }
    sheet.lockedHeight = height;
}

void CGridSizes::LayoutParts()
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

void CGridSizes::ClampTopRowLimit()
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

void CGridSizes::ClampLeftColumnLimit()
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

void CGridSizes::UpdateLastVisible()
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

int CGridSizes::ColumnLeft(int column) const
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

int CGridSizes::RowTop(int row) const
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

int CGridSizes::GetCellRect(int column, int row, CRect& rect)
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

int CGridSizes::GetRangeRect(int left, int top, int right, int bottom, CRect& rect)
{
    const int x = ColumnLeft(left);
    const int y = RowTop(top);
    rect = CRect(x, y, ColumnLeft(right) + m_grid.Sheet().ColumnWidth(right),
                 RowTop(bottom) + m_grid.Sheet().RowHeight(bottom));
    return 0;
}

int CGridSizes::HitTestCell(int x, int y, int& column, int& row)
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
