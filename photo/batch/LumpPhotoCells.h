#pragma once

#include "platform/CString.h"

#include <vector>

class CClipTable;
class CThumbnailList;
struct BulkImportLayout;

// The cells of the bulk import grid: 20 columns and any number of rows, each cell empty or
// showing one photo of the thumbnail list. One grid row becomes one new row of the list, its
// photos taken from the left up to the first empty cell.
class CLumpPhotoCells
{
  public:
    static constexpr int kColumns = 20;

    int Rows() const { return m_rows; }
    // New rows are empty; rows beyond the count go.
    void SetRows(int rows);
    // The photo index of a cell, -1 for an empty cell or one outside the grid.
    int At(int column, int row) const;
    void Set(int column, int row, int photo);
    bool RowHasPhotos(int row) const;

    // One photo per row, in list order.
    void ShowOnePerRow(int count);
    // Moves the photos from the cell rightwards (while cells hold one) into a new row after it.
    // Nothing on column 0, on an empty cell or outside the grid; true when the row was broken.
    bool BreakRow(int column, int row);
    void DeleteRows(int top, int bottom);
    // Takes the block's cells out of each of its rows; the cells to the right move left and the
    // row ends in empty cells. Rows stay.
    void DeleteCells(int left, int top, int right, int bottom);
    // Each empty cell of the row takes the next photo to its right.
    void CloseGaps(int row);
    // Lays a table of photo files into the grid from the cell at (column, row) on, growing the
    // grid to hold its rows, then closes the gaps of those rows. Files outside the 20 columns
    // and files that cannot be read are left out. Nothing outside the grid.
    void InsertTable(int column, int row, const std::vector<std::vector<CString>>& table,
                     CThumbnailList& photos);
    // Lays files into one row from the cell on, up to the last column, then closes its gaps.
    void InsertFiles(int column, int row, const std::vector<CString>& files, CThumbnailList& photos);
    void RemoveEmptyRows();

    // The block's photos as photo-file cells of a table that belongs to no list, placed as in
    // the block from its top-left cell.
    void FillTable(int left, int top, int right, int bottom, const CThumbnailList& photos,
                   CClipTable& table) const;
    // Lays a table read from the clipboard or a drop into the grid at the cell: its rows of
    // photo files, or else its list of files.
    void InsertClip(int column, int row, const CClipTable& table, CThumbnailList& photos);

    // What the list document takes: the cells and the photos' files in list order.
    void FillLayout(const CThumbnailList& photos, BulkImportLayout& layout) const;

  private:
    int& Cell(int column, int row) { return m_cells[static_cast<size_t>(row) * kColumns + column]; }
    bool Inside(int column, int row) const
    {
        return column >= 0 && column < kColumns && row >= 0 && row < m_rows;
    }

    int m_rows = 0;
    std::vector<int> m_cells;
};
