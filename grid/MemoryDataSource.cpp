#include "grid/MemoryDataSource.h"

#include "grid/CellGridCore.h"
#include "grid/CellTextMatcher.h"
#include "grid/GridSheetInfo.h"

#include <algorithm>
#include <numeric>

int CMemoryDataSource::GetRowCount()
{
    return m_rows.empty() ? 0 : m_firstRow + static_cast<int>(m_rows.size()) - 1;
}

CMemoryDataSource::Row* CMemoryDataSource::RowAt(int row)
{
    long index = static_cast<long>(row) - m_firstRow;
    if (index < 0 || index >= static_cast<long>(m_rows.size())) {
        return nullptr;
    }
    return &m_rows[index];
}

std::optional<CCellRecord>* CMemoryDataSource::SlotAt(int column, int row)
{
    Row* stored = RowAt(row);
    if (stored == nullptr) {
        return nullptr;
    }
    long index = static_cast<long>(column) - stored->firstColumn;
    if (index < 0 || index >= static_cast<long>(stored->cells.size())) {
        return nullptr;
    }
    return &stored->cells[index];
}

CMemoryDataSource::Row& CMemoryDataSource::MakeRow(int row)
{
    if (m_rows.empty()) {
        m_rows.resize(1);
        m_firstRow = 0;
    }
    if (row < m_firstRow) {
        m_rows.insert(m_rows.begin(), m_firstRow - row, Row{});
        m_firstRow = row;
    } else if (row - m_firstRow >= static_cast<int>(m_rows.size())) {
        m_rows.resize(static_cast<size_t>(row - m_firstRow) + 1);
    }
    return m_rows[row - m_firstRow];
}

std::optional<CCellRecord>& CMemoryDataSource::MakeSlot(Row& row, int column)
{
    if (row.cells.empty()) {
        // A row usually fills up to the grid's width: room for it at once saves the doubling.
        int columns = m_grid != nullptr ? m_grid->GetColCount() : 0;
        row.cells.reserve(std::max(columns, column + 1));
        row.cells.resize(1);
        row.firstColumn = 0;
    }
    if (column < row.firstColumn) {
        row.cells.insert(row.cells.begin(), row.firstColumn - column, std::nullopt);
        row.firstColumn = column;
    } else if (column - row.firstColumn >= static_cast<int>(row.cells.size())) {
        row.cells.resize(static_cast<size_t>(column - row.firstColumn) + 1);
    }
    return row.cells[column - row.firstColumn];
}

int CMemoryDataSource::InsertRow(int row)
{
    if (RowAt(row) == nullptr) {
        return 1;
    }
    m_rows.insert(m_rows.begin() + (row - m_firstRow), Row{});
    return 0;
}

int CMemoryDataSource::DeleteRow(int row)
{
    if (RowAt(row) == nullptr) {
        return 0;
    }
    m_rows.erase(m_rows.begin() + (row - m_firstRow));
    if (m_rows.empty()) {
        m_firstRow = 0;
    }
    return 0;
}

int CMemoryDataSource::GridPosition(int id) const
{
    if (m_grid == nullptr) {
        return id;
    }
    const CGridSheetInfo& sheet = *m_grid->CurrentSheet();
    for (int column = 0; column < sheet.colCount; ++column) {
        if (sheet.columns[column].dataSourceId == id && sheet.columns[column].dataSource == this) {
            return column;
        }
    }
    return id;
}

void CMemoryDataSource::ShiftGridColumnIds(int position, int delta)
{
    if (m_grid == nullptr) {
        return;
    }
    for (CGridSheetInfo::Column& column : m_grid->CurrentSheet()->columns) {
        if (column.dataSource == this && column.dataSourceId >= position) {
            column.dataSourceId += delta;
        }
    }
}

int CMemoryDataSource::InsertColumn(int id)
{
    if (m_rows.empty()) {
        return 1;
    }
    const int position = GridPosition(id);
    for (Row& row : m_rows) {
        long index = static_cast<long>(position) - row.firstColumn;
        if (index >= 0 && index < static_cast<long>(row.cells.size())) {
            row.cells.insert(row.cells.begin() + index, std::nullopt);
        }
    }
    ShiftGridColumnIds(position, 1);
    return 0;
}

int CMemoryDataSource::DeleteColumn(int id)
{
    if (m_rows.empty()) {
        return 1;
    }
    const int position = GridPosition(id);
    for (Row& row : m_rows) {
        long index = static_cast<long>(position) - row.firstColumn;
        long count = static_cast<long>(row.cells.size());
        if (index < 0 || index >= count) {
            continue;
        }
        if (index == count - 1) {
            row.cells[index].reset();
        } else {
            row.cells.erase(row.cells.begin() + index);
        }
    }
    ShiftGridColumnIds(position, -1);
    return 0;
}

int CMemoryDataSource::DeleteCell(int column, int row)
{
    std::optional<CCellRecord>* slot = SlotAt(column, row);
    if (slot == nullptr) {
        return 1;
    }
    slot->reset();
    return 0;
}

int CMemoryDataSource::DeleteAll()
{
    m_rows.clear();
    m_firstRow = 0;
    return 0;
}

int CMemoryDataSource::GetCell(int column, int row, CCellRecord& record)
{
    std::optional<CCellRecord>* slot = SlotAt(column, row);
    if (slot == nullptr || !slot->has_value()) {
        return 1;
    }
    (*slot)->MergePropertiesInto(record);
    return 0;
}

int CMemoryDataSource::SetCell(int column, int row, const CCellRecord& record)
{
    std::optional<CCellRecord>& slot = MakeSlot(MakeRow(row), column);
    if (slot.has_value()) {
        record.CopyPropertiesTo(*slot);
    } else {
        slot.emplace(record);
    }
    return 0;
}

int CMemoryDataSource::SearchColumnCount() const
{
    if (m_grid != nullptr) {
        return m_grid->GetColCount();
    }
    int columns = 0;
    for (const Row& row : m_rows) {
        columns = std::max(columns, row.firstColumn + static_cast<int>(row.cells.size()));
    }
    return columns;
}

int CMemoryDataSource::SearchRowCount() const
{
    if (m_grid != nullptr) {
        return m_grid->GetRowCount();
    }
    return m_rows.empty() ? 0 : m_firstRow + static_cast<int>(m_rows.size());
}

bool CMemoryDataSource::Matches(int column, int row, const CCellTextMatcher& matcher)
{
    std::optional<CCellRecord>* slot = SlotAt(column, row);
    return slot != nullptr && slot->has_value() && matcher.Matches((*slot)->GetText());
}

int CMemoryDataSource::FindFirst(const CString& text, int* column, int* row, int flags)
{
    if (column == nullptr || row == nullptr) {
        return 1;
    }
    if (flags & FindFlags::AlongRows) {
        *column = -1;
        *row = 0;
    } else {
        *row = -1;
    }
    return FindNext(text, column, row, flags);
}

int CMemoryDataSource::FindNext(const CString& text, int* column, int* row, int flags)
{
    const CCellTextMatcher matcher(text, flags);
    const int columns = SearchColumnCount();
    const int rows = SearchRowCount();
    if (column == nullptr || row == nullptr || matcher.IsEmpty() || columns <= 0 || rows <= 0) {
        return 1;
    }
    const bool backward = (flags & FindFlags::Backward) != 0;
    const bool alongRows = (flags & FindFlags::AlongRows) != 0;
    const int step = backward ? -1 : 1;
    auto nextRow = [&](int r) {
        r += step;
        if (r < 0 || r >= rows) {
            r = backward ? rows - 1 : 0;
        }
        return r;
    };

    // The search starts one step after the given cell.
    int c = *column;
    int r = *row;
    if (alongRows) {
        c += step;
        if (c < 0 || c >= columns) {
            c = backward ? columns - 1 : 0;
            r = nextRow(r);
        }
    } else {
        r = nextRow(r);
    }
    if (r < 0 || r >= rows) {
        r = backward ? rows - 1 : 0;
    }

    // One more row than the count, so that the rest of the starting row is searched last.
    for (int visited = 0; visited <= rows; ++visited) {
        if (RowAt(r) != nullptr) {
            if (alongRows) {
                for (; c >= 0 && c < columns; c += step) {
                    if (Matches(c, r, matcher)) {
                        *column = c;
                        *row = r;
                        return 0;
                    }
                }
            } else if (Matches(c, r, matcher)) {
                *column = c;
                *row = r;
                return 0;
            }
        }
        r = nextRow(r);
        if (alongRows) {
            c = backward ? columns - 1 : 0;
        }
    }
    m_searchColumn = c;
    m_searchRow = r;
    return 1;
}

int CMemoryDataSource::SortRows(const int* ids, int count, int flags)
{
    const long first = -static_cast<long>(m_firstRow);
    if (ids == nullptr || count <= 0 || m_rows.empty() || first < 0 ||
        first >= static_cast<long>(m_rows.size())) {
        return 1;
    }
    const size_t rows = m_rows.size() - first;
    static const CCellRecord empty;
    std::vector<const CCellRecord*> keys(rows * count, &empty);
    for (size_t i = 0; i < rows; ++i) {
        for (int k = 0; k < count; ++k) {
            std::optional<CCellRecord>* slot = SlotAt(ids[k], static_cast<int>(i));
            if (slot != nullptr && slot->has_value()) {
                keys[i * count + k] = &**slot;
            }
        }
    }
    auto compare = [&](size_t a, size_t b) {
        for (int k = 0; k < count; ++k) {
            const CCellRecord* ka = keys[a * count + k];
            const CCellRecord* kb = keys[b * count + k];
            int result = m_grid != nullptr ? m_grid->OnSortCompare(ka, kb, flags)
                                           : CCellGridCore::DefaultSortCompare(ka, kb, flags);
            if (result != 0) {
                return result;
            }
        }
        return 0;
    };

    // Bottom-up merge sort: stable, and safe whatever an owner's comparison answers.
    std::vector<size_t> order(rows);
    std::iota(order.begin(), order.end(), size_t{0});
    std::vector<size_t> merged(rows);
    for (size_t width = 1; width < rows; width *= 2) {
        for (size_t low = 0; low < rows; low += 2 * width) {
            size_t middle = std::min(low + width, rows);
            size_t high = std::min(low + 2 * width, rows);
            size_t i = low, j = middle, k = low;
            while (i < middle && j < high) {
                merged[k++] = compare(order[j], order[i]) < 0 ? order[j++] : order[i++];
            }
            while (i < middle) {
                merged[k++] = order[i++];
            }
            while (j < high) {
                merged[k++] = order[j++];
            }
        }
        order.swap(merged);
    }

    std::vector<Row> sorted;
    sorted.reserve(rows);
    for (size_t index : order) {
        sorted.push_back(std::move(m_rows[first + index]));
    }
    std::move(sorted.begin(), sorted.end(), m_rows.begin() + first);
    return 0;
}

int CMemoryDataSource::FindTextBefore(int* column, int row)
{
    Row* stored = RowAt(row);
    if (column == nullptr || stored == nullptr || stored->cells.empty()) {
        return 1;
    }
    const int last = stored->firstColumn + static_cast<int>(stored->cells.size()) - 1;
    for (int c = std::min(*column, last); c >= 0 && c >= stored->firstColumn; --c) {
        if (c == *column) {
            continue;
        }
        const std::optional<CCellRecord>& slot = stored->cells[c - stored->firstColumn];
        if (slot.has_value() && !slot->GetText().IsEmpty()) {
            *column = c;
            return 0;
        }
    }
    return 1;
}
