#pragma once

#include "foundation/DropListSetup.h"
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <vector>

// The rows of a drop list and the choices made on them: which row the field's text selects,
// what the companion control shows, and where the popup goes.
class CDropListRows
{
  public:
    // Takes the columns and cells of a setup; false when it has no columns (no rows then).
    bool Setup(const DropListSetup& setup);
    void Clear();

    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    const DropListColumn& GetColumn(int column) const { return m_columns[column]; }
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    CString GetText(int row, int column) const;
    // The popup's minimum width: the setup's width, else the column widths + 20.
    int GetMinimumWidth() const { return m_minimumWidth; }

    // The first row whose first column equals text, byte for byte; -1 when none.
    int FindExact(const CString& text) const;
    // The row the popup selects for text: the exact match, else the first row beginning with
    // text (an empty text selects the first row); -1 when none.
    int FindForText(const CString& text) const;
    // The text of column for the row matching text exactly; "" when none matches.
    CString GetCompanionText(const CString& text, int column) const;

    // The popup below an owner: as wide as the owner or minimumWidth - 1 when the owner is
    // narrower, height high, shrunk to lastRowBottom + 4 when that is less (lastRowBottom < 0:
    // no rows).
    static CRect PopupRect(const CRect& owner, int minimumWidth, int height, int lastRowBottom);

  private:
    std::vector<DropListColumn> m_columns;
    std::vector<CStringArray> m_rows;
    int m_minimumWidth = 0;
};
