#pragma once

#include "platform/CString.h"

#include <vector>

// What the bulk import dialog hands back: the photos chosen, and where its grid of thumbnails
// laid them out, one grid row per new row of the list.
struct BulkImportLayout
{
    struct Item
    {
        CString path;
        bool placed = false; // some grid cell shows it
        int slot = 0;        // the photo slot it was registered in
    };

    int columns = 0;
    int rows = 0;
    // The item index of each grid cell, row by row; -1 for an empty cell.
    std::vector<int> cells;
    std::vector<Item> items;

    // The item shown in a cell, or -1.
    int ItemAt(int column, int row) const
    {
        const size_t index =
            static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column);
        if (column < 0 || row < 0 || column >= columns || row >= rows || index >= cells.size()) {
            return -1;
        }
        const int item = cells[index];
        return item >= 0 && item < static_cast<int>(items.size()) ? item : -1;
    }
};
