#include "foundation/GridColumnSetup.h"

#include "foundation/GridColumnDef.h"
#include "foundation/StringArrayEx.h"
#include "grid/CellGridCore.h"
#include "platform/TextMeasurer.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSideHeadingWidth = 20;

struct Join
{
    int left;
    int top;
    int right;
    int bottom;
};

// Cuts a heading part at its vertical tab: the text before it stays, the number after it is
// returned (0 when there is none).
int TakeJoinCount(CString& text)
{
    const int mark = text.Find('\v');
    if (mark < 0) {
        return 0;
    }
    const int count = std::atoi(text.Mid(mark + 1));
    text = text.Left(mark);
    return count;
}

} // namespace

int CGridColumnSetup::CharUnit(const TextMeasurer& measurer)
{
    return (measurer.GetTextExtent("あ", 2).cx + 1) / 2;
}

int CGridColumnSetup::Apply(CCellGridCore& grid, const GridColumnDef* table, int lockedColumns, int charUnit)
{
    int count = 0;
    while (table != nullptr && table[count].heading != nullptr) {
        ++count;
    }
    grid.SetColCount(count);
    grid.SetLockedColCount(lockedColumns);
    grid.SetSideHeadingColWidth(-1, kSideHeadingWidth);
    if (count == 0) {
        grid.RepaintGrid();
        return 0;
    }

    // The first heading alone decides how many heading rows there are.
    CStringArrayEx parts;
    parts.Split(table[0].heading, '\t');
    const int headingRows = std::max(static_cast<int>(parts.GetSize()), 1);
    grid.SetTopHeadingRowCount(headingRows);

    // Every heading cell is written anew, so that joins of an earlier table do not survive;
    // the joins follow once all texts stand.
    std::vector<Join> joins;
    for (int column = 0; column < count; ++column) {
        const GridColumnDef& def = table[column];
        if (headingRows == 1) {
            parts.RemoveAll();
            parts.Add(def.heading);
        } else {
            parts.Split(def.heading, '\t');
        }
        for (int part = 0; part < headingRows; ++part) {
            const int row = part - headingRows;
            CString text = part < parts.GetSize() ? parts[part] : CString();
            const int join = TakeJoinCount(text);
            if (join > 0) {
                joins.push_back(headingRows == 1 ? Join{column, row, column + join, row}
                                                 : Join{column, row, column + join % 100, row + join / 100});
            }
            CCellRecord heading;
            heading.SetTextValue(text);
            grid.WriteCell(column, row, heading);
        }
        grid.SetColumnWidth(column, (def.width + 2) * charUnit);
        CCellRecord cell;
        cell.SetAlignFlags(static_cast<unsigned short>(def.alignment));
        cell.SetTypeIndex(def.typeIndex);
        if (def.typeStyle != 0) {
            cell.SetTypeStyle(static_cast<std::uint32_t>(def.typeStyle));
        }
        grid.SetColDefaultCell(column, cell);
    }
    // A join never reaches past the last column nor out of the heading rows into the cells.
    for (const Join& join : joins) {
        const int right = std::min(join.right, count - 1);
        const int bottom = std::min(join.bottom, -1);
        if (right > join.left || bottom > join.top) {
            grid.MergeCellRange(join.left, join.top, right, bottom);
        }
    }
    grid.RepaintGrid();
    return count;
}
