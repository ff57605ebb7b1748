#pragma once

#include "foundation/ui/GridList.h"

#include <functional>

class CListInfoColumns;

// The column grid of the list information dialog: one row per working column record with its
// name, sub-name, type (a drop list), width and summary. Typing, the Delete, F2 and F4 keys,
// Enter and the type list edit the working records; a double click opens the row's details.
class CListInfoGrid : public CGridList
{
  public:
    explicit CListInfoGrid(CListInfoColumns& columns) : m_columns(columns) {}

    // Called with the row whose details a double click asks for.
    void SetDetailOpener(std::function<void(int row)> opener) { m_openDetails = std::move(opener); }

    // Builds the five columns; call once the grid is attached.
    void SetupTable();
    // Every row from the working records, the trailing empty one included, and a repaint.
    void FillAllRows();
    void FillRow(int row);
    // True when the current row is one of the working records.
    bool HasCurrentRow() const;

    // Notifications of the grid control
    int OnCellTypeNotify(int typeIndex, int column, int row, int code, std::intptr_t parameter) override;
    void OnCellChanged(int oldColumn, int newColumn, int oldRow, int newRow) override;
    void OnGridSetFocus(int section) override;
    void OnCellDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    void OnGridKeyDown(unsigned int* key, int processed) override;
    void OnGridChar(unsigned int* character, int processed) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;
    int OnGetHintText(int column, int row, int section, CString& text) override;

  private:
    static bool IsTypedColumn(int column);
    // The input method's mode for typing into the column.
    static void ApplyImeMode(int column);
    // After a change of the records: the grid follows, as the row count may have grown.
    void Refill();

    CListInfoColumns& m_columns;
    std::function<void(int row)> m_openDetails;
};
