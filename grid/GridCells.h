#pragma once

#include "grid/CellRecord.h"
#include "platform/CString.h"

class Bitmap;
class CCellDataSource;
class CCellGridCore;

// The cells of the grid's current sheet read and written through their data sources: the
// properties of single cells, column defaults, joins, rows inserted and deleted, columns moved.
class CGridCells
{
  public:
    explicit CGridCells(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names; DataSourceFor is the data source that
    // holds a column.
    CCellDataSource* DataSourceFor(int column) const;
    int DataSourceColumn(int column) const;
    int FindTextBefore(int column, int row);
    // The grid column that shows a data-source column id of a data source.
    int GridColumnOf(const CCellDataSource* source, int id) const;
    int ReadCell(int column, int row, CCellRecord& record);
    int ReadCellForDisplay(int column, int row, CCellRecord& record);
    int WriteCell(int column, int row, CCellRecord& record);
    CString GetCellText(int column, int row);
    int SetCellText(int column, int row, const CString& text);
    int GetCellBool(int column, int row);
    int SetCellBool(int column, int row, int flag);
    int SetCellTextColor(int column, int row, COLORREF color);
    int SetCellBackColor(int column, int row, COLORREF color);
    int SetCellBitmap(int column, int row, const Bitmap* bitmap);
    int SetCellBitmapIndex(int column, int row, int index);
    int GetColDefaultCell(int column, CCellRecord& record) const;
    int SetColDefaultCell(int column, const CCellRecord& record);
    int MergeCellRange(int left, int top, int right, int bottom);
    int GetJoinRange(int column, int row, int& left, int& top, int& right, int& bottom);
    int InsertRowAt(int row);
    int DeleteRowAt(int row);
    int MoveColumn(int from, int to, int before);

  private:
    CCellGridCore& m_grid;
};
