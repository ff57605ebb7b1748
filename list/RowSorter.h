#pragma once

#include "foundation/OleCurrency.h"
#include "foundation/OleDateTime.h"
#include "list/SortKeyEntry.h"

#include <string_view>
#include <vector>

class CZantobyDoc;
class ColumnRecord;

// Orders an array of row indices by sort keys of a list: the display order, or the row arrays
// of the Web output and the CSV export. Only indices move; rows stay where they are. Empty
// values go last in both directions, rows equal in every key keep their row order.
class CRowSorter
{
  public:
    // keys points at 128 entries; rows at the indices to sort (entries outside 0..9,999 stand
    // for empty rows, such as the new-row line).
    CRowSorter(const CZantobyDoc& doc, int* rows, const SortKeyEntry* keys);

    void QuickSortRows(int first, int last);

  private:
    struct Key
    {
        const ColumnRecord* column;
        int slot;
        bool descending;
    };
    // One row's value in a key's column.
    struct KeyValue
    {
        std::string_view text;
        COleCurrency number;
        COleDateTime date;
        bool yes = false;
    };

    void SortRange(int first, int last);
    // Negative, 0 or positive: the row at a position against a row index.
    int CompareRows(int position, int rowB) const;
    // The values of a key's column by row index up to m_rowLimit, read from the rows when the
    // key is first needed, so that comparing reaches no row's cells.
    const std::vector<KeyValue>& ValuesOf(size_t key) const;
    int CompareByKey(size_t key, int rowA, int rowB, bool& alwaysLast) const;

    const CZantobyDoc& m_doc;
    int* m_rows;
    int m_rowLimit = 0; // above the highest row index being sorted
    std::vector<Key> m_keys;
    mutable std::vector<std::vector<KeyValue>> m_values;
};
