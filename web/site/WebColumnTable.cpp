#include "web/site/WebColumnTable.h"

#include "list/ZantobyDoc.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

bool InUse(const CZantobyDoc& doc, int column)
{
    return column >= 0 && column < kMaxColumns && column < doc.columnCount &&
           doc.GetColumn(column).type != kTypeNone;
}

} // namespace

std::vector<WebColumnRow> CWebColumnTable::Load(const CZantobyDoc& doc)
{
    std::vector<WebColumnRow> rows;
    std::vector<bool> listed(kMaxColumns, false);
    for (const OutputSortEntry& entry : doc.web.sortEntries) {
        if (!InUse(doc, entry.column) || listed[static_cast<size_t>(entry.column)]) {
            continue;
        }
        listed[static_cast<size_t>(entry.column)] = true;
        rows.push_back({entry.column, entry.descending, entry.options[OutputSortEntry::kHeader],
                        entry.options[OutputSortEntry::kInList], entry.options[OutputSortEntry::kWrap],
                        entry.texts[OutputSortEntry::kFrom], entry.texts[OutputSortEntry::kTo]});
    }
    for (int column = 0; column < doc.columnCount && column < kMaxColumns; ++column) {
        if (InUse(doc, column) && !listed[static_cast<size_t>(column)]) {
            rows.push_back({column, false, false, true, false, CString(), CString()});
        }
    }
    return rows;
}

bool CWebColumnTable::Store(CZantobyDoc& doc, const std::vector<WebColumnRow>& rows)
{
    bool changed = false;
    for (size_t i = 0; i < doc.web.sortEntries.size(); ++i) {
        OutputSortEntry& entry = doc.web.sortEntries[i];
        WebColumnRow row;
        if (i < rows.size()) {
            row = rows[i];
        } else {
            row.inList = false;
        }
        int type = row.column >= 0 && row.column < kMaxColumns ? doc.GetColumn(row.column).type : kTypeNone;
        CString from = type == kTypeNone ? CString() : row.from;
        CString to = type == kTypeMark || type == kTypeNumber || type == kTypeDate ? row.to : CString();
        OutputSortEntry stored = entry;
        entry.column = row.column;
        entry.descending = row.descending;
        entry.options[OutputSortEntry::kHeader] = row.header;
        entry.options[OutputSortEntry::kInList] = row.inList;
        entry.options[OutputSortEntry::kWrap] = row.wrap;
        entry.texts[OutputSortEntry::kFrom] = from;
        entry.texts[OutputSortEntry::kTo] = to;
        changed =
            changed || stored.column != entry.column || stored.descending != entry.descending ||
            !std::equal(std::begin(stored.options), std::end(stored.options), std::begin(entry.options)) ||
            stored.texts[0] != entry.texts[0] || stored.texts[1] != entry.texts[1];
    }
    return changed;
}

CString CWebColumnTable::DisplayName(const CZantobyDoc& doc, int column)
{
    if (column < 0 || column >= kMaxColumns) {
        return CString();
    }
    const ColumnRecord& record = doc.GetColumn(column);
    return record.subName.IsEmpty() ? record.name : record.name + "/" + record.subName;
}

CString CWebColumnTable::ParseRangeValue(CZantobyDoc& doc, int column, const CString& text)
{
    if (column < 0 || column >= doc.columnCount || column >= kMaxColumns) {
        return CString();
    }
    CellValue value;
    return doc.ParseCellText(column, value, text, kOutputGrid);
}

bool CWebColumnTable::SwapRows(std::vector<WebColumnRow>& rows, int first, int second)
{
    int count = static_cast<int>(rows.size());
    if (first < 0 || second < 0 || first >= count || second >= count) {
        return false;
    }
    std::swap(rows[static_cast<size_t>(first)], rows[static_cast<size_t>(second)]);
    return true;
}
