#pragma once

#include "foundation/ui/GridList.h"
#include "web/site/WebColumnRow.h"

#include <vector>

class CZantobyDoc;

// The Web column grid: one row per list column in output order with its sort direction, its
// switches for the simple list and its extract range, edited in place.
class CWebColumnGrid : public CGridList
{
  public:
    explicit CWebColumnGrid(CZantobyDoc& doc) : m_doc(doc) {}

    // Shows the rows; the grid gets as many rows as given.
    void SetRows(const std::vector<WebColumnRow>& rows);
    // The rows as the user left them.
    std::vector<WebColumnRow> GetRows();
    // Swaps the current row with the one above or below; false at the ends.
    bool MoveCurrentRow(bool up);

    // Notifications of the grid control
    void OnSetup() override;
    void OnCellDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    void OnGridKeyDown(unsigned int* key, int processed) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;
    int OnGetHintText(int column, int row, int section, CString& text) override;

  private:
    void WriteRow(int row, const WebColumnRow& values);
    WebColumnRow ReadRow(int row);
    // The list column shown in a grid row; -1 when the row shows none.
    int ColumnOfRow(int row);
    bool IsRangeCell(int column, int row);

    CZantobyDoc& m_doc;
};
