#include "photo/batch/LumpPhotoCells.h"

#include "list/BulkImportLayout.h"
#include "list/ClipTable.h"
#include "photo/batch/ThumbnailList.h"

#include <algorithm>

void CLumpPhotoCells::SetRows(int rows)
{
    m_rows = std::max(rows, 0);
    m_cells.resize(static_cast<size_t>(m_rows) * kColumns, -1);
}

int CLumpPhotoCells::At(int column, int row) const
{
    return Inside(column, row) ? m_cells[static_cast<size_t>(row) * kColumns + column] : -1;
}

void CLumpPhotoCells::Set(int column, int row, int photo)
{
    if (Inside(column, row)) {
        Cell(column, row) = photo;
    }
}

bool CLumpPhotoCells::RowHasPhotos(int row) const
{
    for (int column = 0; column < kColumns; ++column) {
        if (At(column, row) >= 0) {
            return true;
        }
    }
    return false;
}

void CLumpPhotoCells::ShowOnePerRow(int count)
{
    m_cells.clear();
    SetRows(count);
    for (int row = 0; row < m_rows; ++row) {
        Cell(0, row) = row;
    }
}

bool CLumpPhotoCells::BreakRow(int column, int row)
{
    if (column <= 0 || !Inside(column, row) || At(column, row) < 0) {
        return false;
    }
    const auto at = m_cells.begin() + static_cast<std::ptrdiff_t>(row + 1) * kColumns;
    m_cells.insert(at, kColumns, -1);
    ++m_rows;
    for (int from = column, to = 0; from < kColumns && At(from, row) >= 0; ++from, ++to) {
        Cell(to, row + 1) = At(from, row);
        Cell(from, row) = -1;
    }
    return true;
}

void CLumpPhotoCells::DeleteRows(int top, int bottom)
{
    top = std::max(top, 0);
    bottom = std::min(bottom, m_rows - 1);
    if (top > bottom) {
        return;
    }
    m_cells.erase(m_cells.begin() + static_cast<std::ptrdiff_t>(top) * kColumns,
                  m_cells.begin() + static_cast<std::ptrdiff_t>(bottom + 1) * kColumns);
    m_rows -= bottom - top + 1;
}

void CLumpPhotoCells::DeleteCells(int left, int top, int right, int bottom)
{
    left = std::max(left, 0);
    right = std::min(right, kColumns - 1);
    const int width = right - left + 1;
    if (width <= 0) {
        return;
    }
    for (int row = std::max(top, 0); row <= bottom && row < m_rows; ++row) {
        for (int column = left; column < kColumns; ++column) {
            Cell(column, row) = column + width < kColumns ? At(column + width, row) : -1;
        }
    }
}

void CLumpPhotoCells::CloseGaps(int row)
{
    if (!Inside(0, row)) {
        return;
    }
    int to = 0;
    for (int from = 0; from < kColumns; ++from) {
        const int photo = At(from, row);
        if (photo >= 0) {
            Cell(from, row) = -1;
            Cell(to++, row) = photo;
        }
    }
}

void CLumpPhotoCells::InsertTable(int column, int row, const std::vector<std::vector<CString>>& table,
                                  CThumbnailList& photos)
{
    if (!Inside(column, row) || table.empty()) {
        return;
    }
    const int rows = static_cast<int>(table.size());
    if (m_rows < row + rows) {
        SetRows(row + rows);
    }
    for (int a = 0; a < rows; ++a) {
        const auto& names = table[static_cast<size_t>(a)];
        for (int e = 0; e < static_cast<int>(names.size()) && column + e < kColumns; ++e) {
            const CString& name = names[static_cast<size_t>(e)];
            if (name.IsEmpty()) {
                continue;
            }
            const int photo = photos.FindOrMake(name);
            if (photo >= 0) {
                Cell(column + e, row + a) = photo;
            }
        }
        CloseGaps(row + a);
    }
}

void CLumpPhotoCells::InsertFiles(int column, int row, const std::vector<CString>& files,
                                  CThumbnailList& photos)
{
    if (!Inside(column, row)) {
        return;
    }
    for (const CString& file : files) {
        if (column >= kColumns) {
            break;
        }
        const int photo = photos.FindOrMake(file);
        if (photo >= 0) {
            Cell(column++, row) = photo;
        }
    }
    CloseGaps(row);
}

void CLumpPhotoCells::RemoveEmptyRows()
{
    for (int row = m_rows - 1; row >= 0; --row) {
        if (!RowHasPhotos(row)) {
            DeleteRows(row, row);
        }
    }
}

void CLumpPhotoCells::FillLayout(const CThumbnailList& photos, BulkImportLayout& layout) const
{
    layout.columns = kColumns;
    layout.rows = m_rows;
    layout.cells = m_cells;
    layout.items.clear();
    for (int i = 0; i < photos.GetSize(); ++i) {
        layout.items.push_back({photos.At(i).Path(), false, 0});
    }
}

void CLumpPhotoCells::FillTable(int left, int top, int right, int bottom, const CThumbnailList& photos,
                                CClipTable& table) const
{
    table.Clear();
    table.sourceDocument = nullptr;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const int photo = At(column, row);
            if (photo >= 0) {
                table.SetPhotoFileName(photos.At(photo).Path(), column - left, row - top);
            }
        }
    }
}

void CLumpPhotoCells::InsertClip(int column, int row, const CClipTable& table, CThumbnailList& photos)
{
    if (table.GetRowCount() > 0) {
        std::vector<std::vector<CString>> names(static_cast<size_t>(table.GetRowCount()));
        for (int a = 0; a < table.GetRowCount(); ++a) {
            for (int e = 0; e < table.GetColumnCount(); ++e) {
                names[static_cast<size_t>(a)].push_back(table.GetPhotoFileName(e, a));
            }
        }
        InsertTable(column, row, names, photos);
        return;
    }
    std::vector<CString> files;
    for (int i = 0; i < table.GetFileCount(); ++i) {
        files.push_back(table.GetFileName(i));
    }
    InsertFiles(column, row, files, photos);
}
