#pragma once

// One key of a row sort: a display column and its direction.
struct SortKeyEntry
{
    int column = 0; // display column; a value outside 0..127 is skipped
    bool descending = false;
};
