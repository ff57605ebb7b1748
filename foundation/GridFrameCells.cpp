#include "foundation/GridFrameCells.h"

#include "grid/CellGridCore.h"

#include <algorithm>

namespace {

// One axis of a sheet as the cell area shows it: the locked part, then from first on.
struct Axis
{
    int count;
    int locked;
    int first;
    const CGridSheetInfo& sheet;
    bool columns;

    int Size(int index) const { return columns ? sheet.ColumnWidth(index) : sheet.RowHeight(index); }
    bool ScrolledAway(int index) const { return index >= locked && index < first; }

    // The nearest shown index before (after) index in the order the area shows them, skipping
    // scrolled-away and empty ones; index itself when there is none.
    int Before(int index) const
    {
        for (int i = index - 1; i >= 0; --i) {
            if (ScrolledAway(i)) {
                i = locked;
            } else if (Size(i) > 0) {
                return i;
            }
        }
        return index;
    }
    int After(int index) const
    {
        for (int i = index + 1; i < count; ++i) {
            if (ScrolledAway(i)) {
                i = first - 1;
            } else if (Size(i) > 0) {
                return i;
            }
        }
        return index;
    }
};

Axis ColumnAxis(const CGridSheetInfo& sheet)
{
    return {sheet.colCount, sheet.lockedColumns, std::max(sheet.leftColumn, sheet.lockedColumns), sheet,
            true};
}

Axis RowAxis(const CGridSheetInfo& sheet)
{
    return {sheet.rowCount, sheet.lockedRows, std::max(sheet.topRow, sheet.lockedRows), sheet, false};
}

// Narrows [low, high] to its shown part; false when all of it is scrolled away or outside.
bool ShownPart(const Axis& axis, int& low, int& high, bool& lowHidden)
{
    low = std::max(low, 0);
    high = std::min(high, axis.count - 1);
    if (low > high || (axis.ScrolledAway(low) && axis.ScrolledAway(high))) {
        return false;
    }
    lowHidden = axis.ScrolledAway(low);
    if (lowHidden) {
        low = axis.first;
    }
    if (axis.ScrolledAway(high)) {
        high = axis.locked - 1;
    }
    return low <= high;
}

} // namespace

CGridFrameCells::CGridFrameCells(CCellGridCore& grid, int left, int top, int right, int bottom,
                                 bool neighbours)
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    const Axis columns = ColumnAxis(sheet);
    const Axis rows = RowAxis(sheet);
    if (!ShownPart(columns, left, right, m_leftHidden) || !ShownPart(rows, top, bottom, m_topHidden)) {
        return;
    }
    m_hasCells = true;
    m_inner[0] = left;
    m_inner[1] = top;
    m_inner[2] = right;
    m_inner[3] = bottom;
    m_outer[0] = neighbours ? columns.Before(left) : left;
    m_outer[1] = neighbours ? rows.Before(top) : top;
    m_outer[2] = neighbours ? columns.After(right) : right;
    m_outer[3] = neighbours ? rows.After(bottom) : bottom;
    grid.GetRangeRect(left, top, right, bottom, m_rect);
    CRect shown;
    m_inView = shown.IntersectRect(m_rect, CRect(0, 0, sheet.areaWidth, sheet.areaHeight));
}

void CGridFrameCells::Queue(CCellGridCore& grid) const
{
    if (!m_hasCells) {
        return;
    }
    // The four edges with their outer neighbours; the inside of a block keeps its pixels.
    CCellRangeList& queue = grid.RangeList();
    queue.AddRange(m_outer[0], m_outer[1], m_outer[2], m_inner[1]);
    queue.AddRange(m_outer[0], m_inner[3], m_outer[2], m_outer[3]);
    queue.AddRange(m_outer[0], m_outer[1], m_inner[0], m_outer[3]);
    queue.AddRange(m_inner[2], m_outer[1], m_outer[2], m_outer[3]);
}
