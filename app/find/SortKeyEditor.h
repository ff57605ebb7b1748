#pragma once

#include "list/ListLimits.h"
#include "list/SortKeyEntry.h"
#include "platform/CString.h"

#include <array>
#include <vector>

class CZantobyDoc;

// The sort detail dialog's work on a list's sort keys: one row per column in use in key order,
// rows moved up and down and directions changed, and the new key order written back as one
// undo step.
class CSortKeyEditor
{
  public:
    struct Row
    {
        int column = 0;
        bool descending = false;
    };

    explicit CSortKeyEditor(CZantobyDoc& doc);

    const std::vector<Row>& Rows() const { return m_rows; }
    // The texts of the grid's three columns: "№", "名称" and "並替".
    CString NumberText(int row) const;
    CString NameText(int row) const;
    static CString DirectionText(bool descending);
    static bool IsDescendingText(const CString& text) { return text != DirectionText(false); }

    // Each false, changing nothing, at the first or last row or outside the rows.
    bool MoveUp(int row);
    bool MoveDown(int row);
    void SetDescending(int row, bool descending);
    bool IsChanged() const { return m_orderChanged || m_directionChanged; }

    // The 128 keys: the rows from the top, then every column not listed, ascending.
    std::array<SortKeyEntry, kMaxColumns> BuildKeys() const;
    // Writes the keys into the list, as one undo step and marking it modified, when anything
    // changed.
    void Apply();
    // Esc or the close box: with changes, asks whether to keep them (question 20800; Yes
    // applies them). Returns the dialog's end, IDOK or IDCANCEL, or 0 when it stays open.
    int CloseByEscape();

  private:
    CZantobyDoc& m_doc;
    std::vector<Row> m_rows;
    bool m_orderChanged = false;
    bool m_directionChanged = false;
};
