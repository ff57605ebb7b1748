#pragma once

#include "grid/CellDataSource.h"
#include "grid/CellRecord.h"

#include <optional>
#include <vector>

// Keeps cell records in memory for a sheet: rows of cells, each row holding a cell slot for
// every column between its lowest and highest written column, and the rows likewise from the
// lowest to the highest written row (negative indexes are heading cells). A slot may hold no
// record.
class CMemoryDataSource : public CCellDataSource
{
  public:
    // The index of the last stored row, 0 when none.
    int GetRowCount() override;
    // 1 when the row has no slot; otherwise an empty row goes in before it.
    int InsertRow(int row) override;
    int InsertColumn(int id) override;
    // 0 also when the row has no slot (nothing to delete).
    int DeleteRow(int row) override;
    int DeleteColumn(int id) override;
    int DeleteCell(int column, int row) override;
    int DeleteAll() override;
    int GetCell(int column, int row, CCellRecord& record) override;
    // Creates the rows and cells up to the one written; stores a copy of the record.
    int SetCell(int column, int row, const CCellRecord& record) override;
    int FindFirst(const CString& text, int* column, int* row, int flags) override;
    int FindNext(const CString& text, int* column, int* row, int flags) override;
    // Stable sort of the rows from 0 to the end by the cells of the key columns, compared by the
    // grid's sort comparison; a missing key cell compares as an empty record.
    int SortRows(const int* ids, int count, int flags) override;
    int SortByColumn(int column, int flags) override { return SortRows(&column, 1, flags); }
    int FindTextBefore(int* column, int row) override;

    // Where the last unsuccessful search stopped.
    int LastSearchColumn() const { return m_searchColumn; }
    int LastSearchRow() const { return m_searchRow; }

  private:
    struct Row
    {
        int firstColumn = 0;
        std::vector<std::optional<CCellRecord>> cells;
    };

    Row* RowAt(int row);
    std::optional<CCellRecord>* SlotAt(int column, int row);
    Row& MakeRow(int row);
    std::optional<CCellRecord>& MakeSlot(Row& row, int column);
    bool Matches(int column, int row, const class CCellTextMatcher& matcher);
    int GridPosition(int id) const;
    void ShiftGridColumnIds(int position, int delta);
    int SearchColumnCount() const;
    int SearchRowCount() const;

    std::vector<Row> m_rows;
    int m_firstRow = 0;
    int m_searchColumn = 0;
    int m_searchRow = 0;
};
