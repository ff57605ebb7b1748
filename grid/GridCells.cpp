#include "grid/GridCells.h"

#include "grid/CellGridCore.h"
#include "grid/CellObject.h"
#include "platform/Bitmap.h"

#include <utility>

CCellDataSource* CGridCells::DataSourceFor(int column) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    if (column >= 0 && column < sheet.colCount && sheet.columns[column].dataSource != nullptr) {
        return sheet.columns[column].dataSource;
    }
    return sheet.dataSource;
}

int CGridCells::DataSourceColumn(int column) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    return column >= 0 && column < sheet.colCount ? sheet.columns[column].dataSourceId : column;
}

int CGridCells::FindTextBefore(int column, int row)
{
    CCellDataSource* source = DataSourceFor(column);
    int id = DataSourceColumn(column);
    if (source == nullptr || source->FindTextBefore(&id, row) != 0) {
        return -1;
    }
    return GridColumnOf(source, id);
}

int CGridCells::GridColumnOf(const CCellDataSource* source, int id) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    for (int column = 0; column < sheet.colCount; ++column) {
        if (sheet.columns[column].dataSourceId == id && DataSourceFor(column) == source) {
            return column;
        }
    }
    return id;
}

int CGridCells::ReadCell(int column, int row, CCellRecord& record)
{
    record.ClearProperties();
    if (column >= m_grid.Sheet().colCount) {
        return 1;
    }
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->GetCell(DataSourceColumn(column), row, record);
    }
    return 0;
}

int CGridCells::ReadCellForDisplay(int column, int row, CCellRecord& record)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    record.SetMaskBits(0);
    const bool realColumn = column >= 0 && column < sheet.colCount;
    if (!realColumn || row < 0) {
        sheet.headingDefault.MergePropertiesInto(record);
    } else {
        record.CopyPropertiesFrom(sheet.columns[column].defaultCell);
    }
    if (row >= sheet.rowCount) {
        return 0;
    }
    const int id = DataSourceColumn(column);
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->GetCell(id, row, record);
    }
    m_grid.OnGetCell(id, row, record);
    if (CCellObject* object = record.GetCellObject()) {
        object->FillCellRecord(record);
    }
    if (const CCellRecord* linked = record.GetLinkedRecord(); linked != nullptr && linked != &record) {
        linked->MergePropertiesInto(record);
    }
    return 0;
}

int CGridCells::WriteCell(int column, int row, CCellRecord& record)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    // Cells at or past the counts would come back as stray cells when the grid grows.
    if (column < -sheet.SideHeadingColumnCount() || column >= sheet.colCount ||
        row < -sheet.TopHeadingRowCount() || row >= sheet.rowCount) {
        return 1;
    }
    m_grid.OnSetCell(column, row, record);
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->SetCell(DataSourceColumn(column), row, record);
    }
    return 0;
}

CString CGridCells::GetCellText(int column, int row)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    return record.GetText();
}

int CGridCells::SetCellText(int column, int row, const CString& text)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetTextValue(text);
    return WriteCell(column, row, record);
}

int CGridCells::GetCellBool(int column, int row)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    return record.GetBoolValue();
}

int CGridCells::SetCellBool(int column, int row, int flag)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetBoolValue(flag);
    return WriteCell(column, row, record);
}

int CGridCells::SetCellTextColor(int column, int row, COLORREF color)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetForeColor(color);
    return WriteCell(column, row, record);
}

int CGridCells::SetCellBackColor(int column, int row, COLORREF color)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetFillColor(color);
    return WriteCell(column, row, record);
}

int CGridCells::SetCellBitmap(int column, int row, const Bitmap* bitmap)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetPicture(bitmap);
    return WriteCell(column, row, record);
}

int CGridCells::SetCellBitmapIndex(int column, int row, int index)
{
    return SetCellBitmap(column, row, m_grid.GetBitmapAt(index));
}

int CGridCells::GetColDefaultCell(int column, CCellRecord& record) const
{
    if (column < 0 || column >= m_grid.Sheet().colCount) {
        return 1;
    }
    record.CopyPropertiesFrom(m_grid.Sheet().columns[column].defaultCell);
    return 0;
}

int CGridCells::SetColDefaultCell(int column, const CCellRecord& record)
{
    if (column < 0 || column >= m_grid.Sheet().colCount) {
        return 1;
    }
    m_grid.Sheet().columns[column].defaultCell.CopyPropertiesFrom(record);
    return 0;
}

int CGridCells::MergeCellRange(int left, int top, int right, int bottom)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    if (right < left || bottom < top || right >= sheet.colCount || bottom >= sheet.rowCount ||
        left < -sheet.SideHeadingColumnCount() || top < -sheet.TopHeadingRowCount()) {
        return 1;
    }
    CCellRecord record;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            ReadCell(column, row, record);
            record.SetJoin(0, -(column - left), -(row - top));
            WriteCell(column, row, record);
        }
    }
    ReadCell(left, top, record);
    record.SetJoin(1, right - left, bottom - top);
    WriteCell(left, top, record);
    return 0;
}

int CGridCells::GetJoinRange(int column, int row, int& left, int& top, int& right, int& bottom)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    int first = 0, columns = 0, rows = 0;
    if (record.GetJoin(first, columns, rows) != 0) {
        return 1;
    }
    int firstColumn = column, firstRow = row;
    if (!first) {
        firstColumn = column + columns;
        firstRow = row + rows;
        ReadCellForDisplay(firstColumn, firstRow, record);
        if (record.GetJoin(first, columns, rows) != 0 || !first) {
            return 1;
        }
    }
    if (columns < 0 || rows < 0 || column > firstColumn + columns || row > firstRow + rows) {
        return 1;
    }
    left = firstColumn;
    top = firstRow;
    right = firstColumn + columns;
    bottom = firstRow + rows;
    return 0;
}

int CGridCells::InsertRowAt(int row)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (row < 0 || row > sheet.rowCount) {
        return 1;
    }
    if (sheet.dataSource == nullptr || sheet.dataSource->InsertRow(row) != 0) {
        return 2;
    }
    // The heights move with their rows.
    if (!sheet.uniformRowHeight && row <= static_cast<int>(sheet.rowHeights.size())) {
        sheet.rowHeights.insert(sheet.rowHeights.begin() + row, sheet.defaultRowHeight);
    }
    return m_grid.SetRowCount(sheet.rowCount + 1, 1);
}

int CGridCells::DeleteRowAt(int row)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (row < 0 || row >= sheet.rowCount) {
        return 1;
    }
    if (sheet.dataSource == nullptr || sheet.dataSource->DeleteRow(row) != 0) {
        return 2;
    }
    if (row < static_cast<int>(sheet.rowHeights.size())) {
        sheet.rowHeights.erase(sheet.rowHeights.begin() + row);
    }
    return m_grid.SetRowCount(sheet.rowCount - 1, 1);
}

int CGridCells::MoveColumn(int from, int to, int before)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (from < 0 || from >= sheet.colCount || to < 0 || to >= sheet.colCount) {
        return 1;
    }
    if (from == to) {
        return 0;
    }
    CGridSheetInfo::Column moved = std::move(sheet.columns[from]);
    sheet.columns.erase(sheet.columns.begin() + from);
    int target = to > from ? to - 1 : to;
    if (!before) {
        ++target;
    }
    sheet.columns.insert(sheet.columns.begin() + target, std::move(moved));
    m_grid.m_layout.RecomputeLockedWidth();
    return 0;
}
