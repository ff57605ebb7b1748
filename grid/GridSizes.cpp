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
    m_grid.m_layout.ClampTopRowLimit();
    if (sheet.topRow != oldTop) {
        m_grid.m_moves.NotifyScrollChange();
    }
    ClampToCount(sheet.currentRow, sheet.cursorRow, sheet.previousRow, count);
    m_grid.m_layout.RecomputeLockedHeight();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.m_layout.ClampLeftColumnLimit();
    if (sheet.leftColumn != oldLeft) {
        m_grid.m_moves.NotifyScrollChange();
    }
    ClampToCount(sheet.currentColumn, sheet.cursorColumn, sheet.previousColumn, count);
    m_grid.m_layout.RecomputeLockedWidth();
    m_grid.m_layout.UpdateLastVisible();
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
        m_grid.m_layout.RecomputeLockedWidth();
    }
    m_grid.m_layout.ClampLeftColumnLimit();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.m_layout.RecomputeLockedWidth();
    m_grid.LayoutParts();
    return 0;
}

int CGridSizes::SetUniformRowSize(int height)
{
    if (height < 1 || height > kMaxHeadingSize) {
        return 1;
    }
    m_grid.Sheet().defaultRowHeight = height;
    m_grid.m_layout.RecomputeLockedHeight();
    m_grid.m_layout.ClampTopRowLimit();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.m_layout.RecomputeLockedHeight();
    m_grid.m_layout.ClampTopRowLimit();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.m_layout.RecomputeLockedHeight();
    m_grid.m_layout.ClampTopRowLimit();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.LayoutParts();
    return 0;
}

int CGridSizes::SetSideHeadingWidth(int width)
{
    if (width < 0 || width > kMaxHeadingSize) {
        return 1;
    }
    ScaleHeadingSizes(m_grid.Sheet().sideHeadingWidths, width);
    m_grid.Sheet().sideHeadingWidth = width;
    m_grid.LayoutParts();
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
    m_grid.LayoutParts();
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
        m_grid.LayoutParts();
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
    m_grid.m_layout.RecomputeLockedWidth();
    sheet.leftColumn = sheet.previousLeftColumn = count;
    m_grid.m_layout.ClampLeftColumnLimit();
    m_grid.m_layout.UpdateLastVisible();
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
    m_grid.m_layout.RecomputeLockedHeight();
    sheet.topRow = sheet.previousTopRow = count;
    m_grid.m_layout.ClampTopRowLimit();
    m_grid.m_layout.UpdateLastVisible();
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
