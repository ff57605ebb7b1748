#pragma once

#include <vector>

// What the page writers tell the template expander about the page being written: the rows to
// publish and which page of which set is under way.
struct WebPageContext
{
    std::vector<int> rows; // record indices in output order
    int singlePage = 0;    // 1 while the single pages are written
    int pageCount = 1;     // pages of the set (single pages: one per row)
    int currentPage = 0;   // 0-based (single pages: the row's position in rows)

    int RowCount() const { return static_cast<int>(rows.size()); }
};
