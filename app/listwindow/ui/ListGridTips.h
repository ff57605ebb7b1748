#pragma once

#include "platform/CString.h"

class CListGrid;

// The tips the list grid shows under the pointer: a column's remark over its heading, a photo's
// name over its cell, and with the internal information shown, the row's id and last change over
// its side heading and the photo's slot after its name.
class CListGridTips
{
  public:
    explicit CListGridTips(const CListGrid& grid) : m_grid(grid) {}

    // The tip over a cell or heading (row or column -1); 0 when there is none.
    int TextAt(int column, int row, CString& text) const;

  private:
    const CListGrid& m_grid;
};
