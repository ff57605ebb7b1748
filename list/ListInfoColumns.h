#pragma once

#include "list/ColumnRecord.h"
#include "list/ListLimits.h"

#include <array>

class CZantobyDoc;
struct CellRecord;

// The column definitions of a list while the list information dialog edits them: a working copy
// of the 128 column records shown one per grid row (name, sub-name, type, width and a summary of
// the rest), with insert, delete and move, always ending in an empty row while fewer than 128
// exist; and their check and application to the document, which converts the cells of columns
// whose type changed and puts the columns in use first.
class CListInfoColumns
{
  public:
    // Columns of the dialog's grid.
    static constexpr int kName = 0;
    static constexpr int kSubName = 1;
    static constexpr int kType = 2;
    static constexpr int kWidth = 3;
    static constexpr int kSummary = 4;

    // Takes the document's columns, followed by the empty row for a new column.
    void Load(const CZantobyDoc& doc);

    int Count() const { return m_count; }
    bool IsRow(int row) const { return row >= 0 && row < m_count; }
    ColumnRecord& Record(int row) { return m_records[static_cast<size_t>(row)]; }
    const ColumnRecord& Record(int row) const { return m_records[static_cast<size_t>(row)]; }
    bool IsChanged() const { return m_changed; }
    void SetChanged() { m_changed = true; }

    // The text of a grid cell. A row without a type shows its names only.
    CString GetCellText(int row, int column) const;
    // The "その他" text: alignment, drop-down kind and the settings of the column's type.
    static CString Summary(const ColumnRecord& column);

    // Editing; each marks the columns changed when it changes something.
    // Adds the empty row for a new column when the last row is in use; true when it did.
    bool EnsureTrailingRow();
    // A finished edit of the name, the sub-name or the width (its integer, at least 0).
    void SetCellText(int row, int column, const CString& text);
    // A type chosen by its name; a name that is no type's gives none.
    void SetTypeByName(int row, const CString& typeName);
    // The Delete key: empties the name or the sub-name, or takes the type away.
    bool ClearCell(int row, int column);
    // F4: the name or the type of the row above.
    bool CopyFromAbove(int row, int column);
    // A new column at the row, made from the last record so that it keeps a cell slot of its own.
    bool Insert(int row);
    // The row's record goes to the end without a type; its values stay in the list's rows.
    bool Delete(int row);
    bool MoveUp(int row);
    bool MoveDown(int row);

    // 0 when the columns can be applied; else the number of the warning to show, with the
    // column's number from 1 and the text the warning names.
    int Validate(int& number, CString& text) const;
    // Puts the columns into the document: columns without a name lose their type, the cells of
    // every column whose type changed are converted, the columns in use come first and the sort
    // keys follow their columns. Also sets the title and the locked columns (at most the new
    // column count).
    void ApplyTo(CZantobyDoc& doc, const CString& title, int lockedColumns);

    // The values that a change of type would lose, one line per column that loses some: its
    // name, how many and the first of them as shown; empty when nothing is lost.
    CString LostValues(CZantobyDoc& doc) const;

    // Reads a cell's value under one column definition as the text of another's. False when
    // the new type cannot read the value the cell held, which is lost.
    static bool ConvertCell(const ColumnRecord& from, const ColumnRecord& to, CellRecord& cell);

  private:
    void ResetRecordAt(int index);
    // The working record at index keeps its slot's cells under another type, which converts them.
    bool ConvertsCells(const CZantobyDoc& doc, int index) const;

    std::array<ColumnRecord, kMaxColumns> m_records;
    // By cell slot: the slot's record was made new while the dialog is open, so a column given
    // it starts with empty cells whatever a deleted column left there.
    std::array<bool, kMaxColumns> m_freshSlots{};
    int m_count = 0;
    bool m_changed = false;
};
