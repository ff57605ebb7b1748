#include "grid/GridSheetInfo.h"

#include "platform/SystemColors.h"

CGridSheetInfo::CGridSheetInfo()
    : vScrollBarWidth(GetSystemMetrics(SM_CXVSCROLL)), hScrollBarHeight(GetSystemMetrics(SM_CYHSCROLL))
{
    headingDefault.SetFillColor(GetSysColor(COLOR_BTNFACE));
    headingDefault.SetBorderStyle(0x2000);
    headingDefault.SetAlignFlags(36);
    dataSource = &memoryDataSource;
}

int CGridSheetInfo::RowHeight(int row) const
{
    if (row < 0) {
        int index = -row - 1;
        return index < TopHeadingRowCount() ? topHeadingHeights[index] : 0;
    }
    if (row >= rowCount) {
        return 0;
    }
    if (uniformRowHeight || row >= static_cast<int>(rowHeights.size())) {
        return defaultRowHeight;
    }
    return rowHeights[row];
}

int CGridSheetInfo::ColumnWidth(int column) const
{
    if (column < 0) {
        int index = -column - 1;
        return index < SideHeadingColumnCount() ? sideHeadingWidths[index] : 0;
    }
    return column < colCount ? columns[column].width : 0;
}
