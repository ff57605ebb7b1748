#include "list/RowSorter.h"

#include "foundation/TextHelper.h"
#include "list/ZantobyDoc.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

bool IsRowIndex(int row)
{
    return row >= 0 && row < kMaxRows;
}

int DropPosition(const ColumnRecord& column, std::string_view text)
{
    const CStringArray& entries = column.dropEntries;
    for (int i = 0; i < entries.GetSize(); ++i) {
        if (entries[i].view() == text) {
            return i;
        }
    }
    return entries.GetSize();
}

// The "empty goes last" rule of one key: 0 when both or neither are empty, else the side that
// is empty comes after the other, whatever the direction.
int EmptyLast(bool emptyA, bool emptyB, bool& decided)
{
    decided = emptyA || emptyB;
    if (emptyA == emptyB) {
        return 0;
    }
    return emptyA ? 1 : -1;
}

int Sign(long long value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

long long NumberUnits(const COleCurrency& number)
{
    return number.IsValid() ? number.GetUnits() : 0;
}

} // namespace

CRowSorter::CRowSorter(const CZantobyDoc& doc, int* rows, const SortKeyEntry* keys) : m_doc(doc), m_rows(rows)
{
    for (int i = 0; i < kMaxColumns; ++i) {
        const SortKeyEntry& entry = keys[i];
        if (entry.column < 0 || entry.column >= kMaxColumns) {
            continue;
        }
        const ColumnRecord& column = doc.GetColumn(entry.column);
        if (column.type == kTypeNone || column.slot < 0 || column.slot >= kMaxColumns) {
            continue;
        }
        m_keys.push_back({&column, column.slot, entry.descending});
    }
    m_values.resize(m_keys.size());
}

const std::vector<CRowSorter::KeyValue>& CRowSorter::ValuesOf(size_t key) const
{
    std::vector<KeyValue>& values = m_values[key];
    if (!values.empty()) {
        return values;
    }
    values.resize(m_rowLimit);
    const int slot = m_keys[key].slot;
    const int type = m_keys[key].column->type;
    // In row order, which reads the rows as they lie in memory.
    for (int row = 0; row < m_rowLimit; ++row) {
        const ProductRecord& record = m_doc.GetRow(row);
        if (!record.inUse) {
            continue;
        }
        const RowCells& cells = record.Cells();
        KeyValue& value = values[row];
        switch (type) {
        case kTypeYesNo:
            value.yes = cells.YesNo(slot);
            break;
        case kTypeText:
        case kTypeMark:
            value.text = cells.Text(slot);
            break;
        case kTypeNumber:
            value.number = cells.Number(slot);
            break;
        case kTypeDate:
            value.date = cells.Date(slot);
            break;
        default:
            break;
        }
    }
    return values;
}

int CRowSorter::CompareByKey(size_t key, int rowA, int rowB, bool& alwaysLast) const
{
    alwaysLast = false;
    const std::vector<KeyValue>& values = ValuesOf(key);
    const KeyValue& a = values[rowA];
    const KeyValue& b = values[rowB];
    const ColumnRecord& column = *m_keys[key].column;
    switch (column.type) {
    case kTypeYesNo:
        return static_cast<int>(a.yes) - static_cast<int>(b.yes);
    case kTypeText: {
        int empty = EmptyLast(a.text.empty(), b.text.empty(), alwaysLast);
        if (alwaysLast) {
            return empty;
        }
        if (column.dropType == 2) {
            int difference = DropPosition(column, a.text) - DropPosition(column, b.text);
            if (difference != 0) {
                return difference;
            }
        }
        return Mbcs::Compare(a.text, b.text);
    }
    case kTypeMark:
        return CTextHelper(CString(a.text)).CompareNatural(CString(b.text));
    case kTypeNumber: {
        if (!column.showZero) {
            bool blankA = a.number.IsValid() && a.number.GetUnits() == 0;
            bool blankB = b.number.IsValid() && b.number.GetUnits() == 0;
            int empty = EmptyLast(blankA, blankB, alwaysLast);
            if (alwaysLast) {
                return empty;
            }
        }
        return Sign(NumberUnits(a.number) - NumberUnits(b.number));
    }
    case kTypeDate: {
        int empty = EmptyLast(!a.date.IsValid(), !b.date.IsValid(), alwaysLast);
        if (alwaysLast) {
            return empty;
        }
        auto order = a.date <=> b.date;
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    default:
        return 0;
    }
}

int CRowSorter::CompareRows(int position, int rowB) const
{
    int rowA = m_rows[position];
    if (rowA == rowB) {
        return 0;
    }
    bool usedA = IsRowIndex(rowA) && m_doc.GetRow(rowA).inUse;
    bool usedB = IsRowIndex(rowB) && m_doc.GetRow(rowB).inUse;
    if (!usedA || !usedB) {
        return usedA == usedB ? 0 : (usedA ? -1 : 1);
    }
    for (size_t key = 0; key < m_keys.size(); ++key) {
        bool alwaysLast = false;
        int result = CompareByKey(key, rowA, rowB, alwaysLast);
        if (result != 0) {
            return (m_keys[key].descending && !alwaysLast) ? -result : result;
        }
    }
    return rowA - rowB;
}

void CRowSorter::QuickSortRows(int first, int last)
{
    // Values are read only up to the highest row index being sorted: a few rows must not cost a
    // value for every row a list can hold, once for each key that ties.
    m_rowLimit = 0;
    for (int position = first; position <= last; ++position) {
        if (IsRowIndex(m_rows[position])) {
            m_rowLimit = std::max(m_rowLimit, m_rows[position] + 1);
        }
    }
    for (std::vector<KeyValue>& values : m_values) {
        values.clear();
    }
    SortRange(first, last);
}

void CRowSorter::SortRange(int first, int last)
{
    while (first < last) {
        int pivot = m_rows[(first + last) / 2 + 1];
        int i = first;
        int j = last;
        for (;;) {
            while (CompareRows(i, pivot) < 0) {
                ++i;
            }
            while (CompareRows(j, pivot) > 0) {
                --j;
            }
            if (i >= j) {
                break;
            }
            std::swap(m_rows[i], m_rows[j]);
            ++i;
            --j;
        }
        if (first < i - 1) {
            SortRange(first, i - 1);
        }
        first = j + 1;
    }
}
