#include "grid/GridPainter.h"

#include "grid/CellGridCore.h"
#include "grid/CellRangeList.h"
#include "grid/CellRecord.h"
#include "grid/CellType.h"
#include "platform/Bitmap.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// The visible order of columns (rows): the locked ones, then from the first scrolled one on.
int NextVisible(int index, int locked, int first)
{
    ++index;
    return index == locked ? std::max(first, locked) : index;
}

int FirstVisible(int locked, int first)
{
    return locked > 0 ? 0 : std::max(first, 0);
}

} // namespace

CRect CGridPainter::PaintCellArea(Canvas& dc, CCellRangeList& queued, bool all)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const int width = sheet.areaWidth;
    const int height = sheet.areaHeight;
    if (all) {
        queued.Clear();
        queued.AddRange(0, 0, sheet.colCount, sheet.rowCount);
    }
    m_grid.OnPrepareDC(&dc, nullptr, GridSection::CellArea);
    if (sheet.defaultFont != nullptr) {
        dc.SelectFont(*sheet.defaultFont);
    }
    const bool wholeRows = sheet.selection.IsWholeRows();
    const int currentColumn = sheet.currentColumn;
    const int currentRow = sheet.currentRow;
    CRect changed(0, 0, 0, 0);
    CRect focus(-1, -1, -1, -1);
    bool everyColumn = true;
    bool everyRow = true;
    int rightEdge = 0;
    int y = 0;
    CCellRecord record;
    const COLORREF black = RGB(0, 0, 0);

    int row = FirstVisible(sheet.lockedRows, sheet.topRow);
    for (; row < sheet.rowCount; row = NextVisible(row, sheet.lockedRows, sheet.topRow)) {
        const int rowHeight = sheet.RowHeight(row);
        if (rowHeight == 0) {
            continue;
        }
        int x = 0;
        everyColumn = true;
        int column = FirstVisible(sheet.lockedColumns, sheet.leftColumn);
        for (; column < sheet.colCount; column = NextVisible(column, sheet.lockedColumns, sheet.leftColumn)) {
            const int columnWidth = sheet.columns[column].width;
            if (columnWidth == 0) {
                continue;
            }
            CRect rect(x, y, x + columnWidth, y + rowHeight);
            if (queued.Contains(column, row)) {
                m_grid.ReadCellForDisplay(column, row, record);
                int drawColumn = column;
                int drawRow = row;
                int first = 0, columns = 0, rows = 0;
                bool skip = false;
                if (sheet.joinsEnabled && record.GetJoin(first, columns, rows) == 0) {
                    if (!first) {
                        drawColumn = column + columns;
                        drawRow = row + rows;
                    }
                    if (queued.ContainsDrawnJoin(drawColumn, drawRow)) {
                        skip = true;
                    } else {
                        queued.AddDrawnJoin(drawColumn, drawRow);
                        if (!first) {
                            m_grid.ReadCellForDisplay(drawColumn, drawRow, record);
                        }
                        m_grid.GetCellRect(drawColumn, drawRow, rect);
                    }
                }
                if (!skip) {
                    CCellType* type = m_grid.GetCellType(record.GetTypeIndex());
                    const int saved = dc.SaveDC();
                    const bool current = drawRow == currentRow && (wholeRows || drawColumn == currentColumn);
                    if (current) {
                        type->Draw(dc, rect, drawColumn, drawRow, record, 0, 1);
                        focus = rect;
                    } else {
                        int block = 0;
                        const int selected =
                            sheet.selection.HitTest(drawColumn, drawRow, &block) ? block + 1 : 0;
                        type->Draw(dc, rect, drawColumn, drawRow, record, selected, 0);
                    }
                    // The edge between the locked and the scrolling part.
                    if (sheet.lockedColumns > 0 && column == sheet.lockedColumns - 1) {
                        dc.FillRect(CRect(rect.right - 1, rect.top, rect.right, rect.bottom + 1), black);
                    }
                    if (sheet.lockedRows > 0 && row == sheet.lockedRows - 1) {
                        dc.FillRect(CRect(rect.left, rect.bottom - 1, rect.right + 1, rect.bottom), black);
                    }
                    dc.RestoreDC(saved);
                    changed.UnionRect(changed, rect);
                }
            }
            x += columnWidth;
            if (x > width) {
                everyColumn = false;
                break;
            }
        }
        rightEdge = std::max(rightEdge, std::min(x, width));
        y += rowHeight;
        if (y > height) {
            everyRow = false;
            break;
        }
    }
    queued.Clear();

    const COLORREF back = m_grid.OnGetDefaultBackColor(GridSection::CellArea);
    if (everyColumn && rightEdge < width) {
        const CRect space(rightEdge, 0, width, height);
        dc.FillRect(space, back);
        changed.UnionRect(changed, space);
    }
    if (everyRow && y < height) {
        const CRect space(0, y, width, height);
        dc.FillRect(space, back);
        changed.UnionRect(changed, space);
    }
    if (wholeRows && focus.top >= 0) {
        focus.left = 0;
        focus.right = rightEdge;
        if (rightEdge >= width && !sheet.clipRowFrame) {
            int total = sheet.lockedWidth;
            for (int column = std::max(sheet.leftColumn, sheet.lockedColumns); column < sheet.colCount;
                 ++column) {
                total += sheet.columns[column].width;
            }
            focus.right = total;
        }
    }
    m_grid.OnDrawFocusRect(&dc, focus);
    changed.IntersectRect(changed, CRect(0, 0, width, height));
    return changed;
}

void CGridPainter::DrawHeadingCell(Canvas& dc, CCellRangeList& drawn, int column, int row, CRect rect,
                                   int selectedColumn)
{
    CCellRecord record;
    m_grid.ReadCellForDisplay(column, row, record);
    int left, top, right, bottom;
    if (m_grid.CurrentSheet()->joinsEnabled &&
        m_grid.GetJoinRange(column, row, left, top, right, bottom) == 0) {
        if (drawn.ContainsDrawnJoin(left, top)) {
            return;
        }
        drawn.AddDrawnJoin(left, top);
        if (left != column || top != row) {
            column = left;
            row = top;
            m_grid.ReadCellForDisplay(column, row, record);
        }
        m_grid.GetRangeRect(left, top, right, bottom, rect);
    }
    if (rect.IsRectEmpty()) {
        return;
    }
    const int saved = dc.SaveDC();
    m_grid.GetCellType(record.GetTypeIndex())
        ->Draw(dc, rect, column, row, record, column == selectedColumn ? 1 : 0, 0);
    dc.RestoreDC(saved);
}

void CGridPainter::PaintTopHeading(Canvas& dc, CSize size, int draggedColumn)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.OnPrepareDC(&dc, nullptr, GridSection::TopHeading);
    if (sheet.defaultFont != nullptr) {
        dc.SelectFont(*sheet.defaultFont);
    }
    CCellRangeList drawn;
    int right = 0;
    int y = 0;
    for (int row = -sheet.TopHeadingRowCount(); row < 0; ++row) {
        const int rowHeight = sheet.RowHeight(row);
        int x = 0;
        int column = FirstVisible(sheet.lockedColumns, sheet.leftColumn);
        for (; column < sheet.colCount && x < size.cx;
             column = NextVisible(column, sheet.lockedColumns, sheet.leftColumn)) {
            const int columnWidth = sheet.columns[column].width;
            CRect rect(x, y, x + columnWidth, y + rowHeight);
            x += columnWidth;
            DrawHeadingCell(dc, drawn, column, row, rect, draggedColumn);
        }
        right = std::max(right, x);
        y += rowHeight;
    }
    const COLORREF back = m_grid.OnGetDefaultBackColor(GridSection::TopHeading);
    if (right < size.cx) {
        dc.FillRect(CRect(right, 0, size.cx, size.cy), back);
    }
    if (y < size.cy) {
        dc.FillRect(CRect(0, y, std::min(right, size.cx), size.cy), back);
    }
}

void CGridPainter::PaintSideHeading(Canvas& dc, CSize size)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.OnPrepareDC(&dc, nullptr, GridSection::SideHeading);
    if (sheet.defaultFont != nullptr) {
        dc.SelectFont(*sheet.defaultFont);
    }
    CCellRangeList drawn;
    int bottom = 0;
    int right = 0;
    int row = FirstVisible(sheet.lockedRows, sheet.topRow);
    for (; row < sheet.rowCount && bottom < size.cy; row = NextVisible(row, sheet.lockedRows, sheet.topRow)) {
        const int rowHeight = sheet.RowHeight(row);
        if (rowHeight == 0) {
            continue;
        }
        int x = 0;
        for (int column = -sheet.SideHeadingColumnCount(); column < 0; ++column) {
            const int columnWidth = sheet.ColumnWidth(column);
            CRect rect(x, bottom, x + columnWidth, bottom + rowHeight);
            x += columnWidth;
            // Heading columns are negative, so no column index can mark one as dragged.
            DrawHeadingCell(dc, drawn, column, row, rect, INT_MIN);
        }
        right = std::max(right, x);
        bottom += rowHeight;
    }
    const COLORREF back = m_grid.OnGetDefaultBackColor(GridSection::SideHeading);
    if (bottom < size.cy) {
        dc.FillRect(CRect(0, bottom, size.cx, size.cy), back);
    }
    if (right < size.cx) {
        dc.FillRect(CRect(right, 0, size.cx, std::min(bottom, size.cy)), back);
    }
}

void CGridPainter::PaintCorner(Canvas& dc, CSize size)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.OnPrepareDC(&dc, nullptr, GridSection::Corner);
    const CRect rect(0, 0, size.cx, size.cy);
    dc.FillRect(rect, m_grid.OnGetDefaultBackColor(GridSection::Corner));
    if (sheet.defaultFont != nullptr) {
        dc.SelectFont(*sheet.defaultFont);
    }
    CCellRecord record;
    m_grid.ReadCellForDisplay(-1, -1, record);
    const int saved = dc.SaveDC();
    m_grid.GetCellType(record.GetTypeIndex())->Draw(dc, rect, -1, -1, record, 0, 0);
    dc.RestoreDC(saved);
}

int CGridPainter::ColumnShift(int from, int to) const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    long long shift = 0;
    for (int column = std::min(from, to); column < std::max(from, to) && column < sheet.colCount; ++column) {
        shift += sheet.ColumnWidth(column);
    }
    shift = std::min<long long>(shift, 1 << 30);
    return static_cast<int>(to >= from ? shift : -shift);
}

int CGridPainter::RowShift(int from, int to) const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    long long shift = 0;
    if (sheet.uniformRowHeight) {
        shift = static_cast<long long>(std::abs(to - from)) * sheet.defaultRowHeight;
    } else {
        for (int row = std::min(from, to); row < std::max(from, to) && row < sheet.rowCount; ++row) {
            shift += sheet.RowHeight(row);
        }
    }
    shift = std::min<long long>(shift, 1 << 30);
    return static_cast<int>(to >= from ? shift : -shift);
}

void CGridPainter::QueueColumns(CCellRangeList& queued, int from, int to) const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    int x = 0;
    int column = FirstVisible(sheet.lockedColumns, sheet.leftColumn);
    for (; column < sheet.colCount && x < to;
         column = NextVisible(column, sheet.lockedColumns, sheet.leftColumn)) {
        const int right = x + sheet.columns[column].width;
        if (right > from && sheet.rowCount > 0) {
            queued.AddRange(column, 0, column, sheet.rowCount - 1);
        }
        x = right;
    }
}

void CGridPainter::QueueRows(CCellRangeList& queued, int from, int to) const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    int y = 0;
    int row = FirstVisible(sheet.lockedRows, sheet.topRow);
    for (; row < sheet.rowCount && y < to; row = NextVisible(row, sheet.lockedRows, sheet.topRow)) {
        const int bottom = y + sheet.RowHeight(row);
        if (bottom > from && sheet.colCount > 0) {
            queued.AddRange(0, row, sheet.colCount - 1, row);
        }
        y = bottom;
    }
}

bool CGridPainter::ScrollPicture(Bitmap& picture, CCellRangeList& queued)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const int dx = ColumnShift(sheet.previousLeftColumn, sheet.leftColumn);
    const int dy = RowShift(sheet.previousTopRow, sheet.topRow);
    if (dx == 0 && dy == 0) {
        return true;
    }
    const int width = std::min(sheet.areaWidth, picture.Width());
    const int height = std::min(sheet.areaHeight, picture.Height());
    if (picture.IsEmpty() || picture.IsIndexed() || (dx != 0 && dy != 0)) {
        return false;
    }
    if (dx != 0) {
        const int left = sheet.lockedWidth;
        const int span = width - left;
        if (std::abs(dx) >= span) {
            return false;
        }
        for (int y = 0; y < height; ++y) {
            Bitmap::Pixel* line = picture.Row(y) + left;
            if (dx > 0) {
                std::memmove(line, line + dx, sizeof(Bitmap::Pixel) * (span - dx));
            } else {
                std::memmove(line - dx, line, sizeof(Bitmap::Pixel) * (span + dx));
            }
        }
        if (dx > 0) {
            QueueColumns(queued, width - dx, width);
        } else {
            QueueColumns(queued, left, left - dx);
        }
    } else {
        const int top = sheet.lockedHeight;
        const int span = height - top;
        if (std::abs(dy) >= span) {
            return false;
        }
        const size_t rowBytes = sizeof(Bitmap::Pixel) * width;
        if (dy > 0) {
            for (int y = top; y < height - dy; ++y) {
                std::memcpy(picture.Row(y), picture.Row(y + dy), rowBytes);
            }
            QueueRows(queued, height - dy, height);
        } else {
            for (int y = height - 1; y >= top - dy; --y) {
                std::memcpy(picture.Row(y), picture.Row(y + dy), rowBytes);
            }
            QueueRows(queued, top, top - dy);
        }
    }
    return true;
}
