#pragma once

#include "platform/Arrays.h"

#include <vector>

// The choices of a column's drop-down list while a detail dialog edits them: one row per
// choice and an empty row after them, with add, insert, delete and moves by row.
class CDropChoiceList
{
  public:
    void Load(const CStringArray& entries);
    // Every row's text in order, empty rows included.
    void Store(CStringArray& entries) const;

    int Count() const { return static_cast<int>(m_rows.size()); }
    bool IsRow(int row) const { return row >= 0 && row < Count(); }
    CString Text(int row) const { return IsRow(row) ? m_rows[static_cast<size_t>(row)] : CString(); }
    // True when the text differs from what the row held.
    bool SetText(int row, const CString& text);
    bool IsChanged() const { return m_changed; }

    // Each returns the row that becomes current (it may be past the end when no row is left),
    // or -1 when nothing changed.
    int Add();
    int Insert(int row);
    int Delete(int row);
    int MoveUp(int row);
    int MoveDown(int row);

  private:
    std::vector<CString> m_rows;
    bool m_changed = false;
};
