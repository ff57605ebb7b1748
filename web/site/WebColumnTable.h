#pragma once

#include "web/site/WebColumnRow.h"

#include <vector>

class CZantobyDoc;

// The rows of the Web column grid: made from the list's column entries, written back into them,
// and the values typed into their extract ranges.
class CWebColumnTable
{
  public:
    // The stored entries that name a column in use, in stored order and each column once, then
    // the columns no entry names, in column order.
    static std::vector<WebColumnRow> Load(const CZantobyDoc& doc);
    // Writes the rows into the entries in row order and clears the entries after them; true when
    // anything changed. The reserved option of an entry is left as it is.
    static bool Store(CZantobyDoc& doc, const std::vector<WebColumnRow>& rows);

    // The name shown for a column: the name, then "/" and the sub-name when there is one.
    static CString DisplayName(const CZantobyDoc& doc, int column);
    // A range value typed for a column, read as the column reads its cells and given back in its
    // display form; empty for a column the list does not have.
    static CString ParseRangeValue(CZantobyDoc& doc, int column, const CString& text);
    // Swaps two rows; false when either is not a row.
    static bool SwapRows(std::vector<WebColumnRow>& rows, int first, int second);
};
