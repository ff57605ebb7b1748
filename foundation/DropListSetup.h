#pragma once

// How a drop list is filled: its columns, its cells row by row, the popup size and the
// companion control that shows one column of the row matching the field.
struct DropListColumn
{
    const char* marker = nullptr; // null ends the column rows
    int alignment = 0;            // 0 left, 1 centre, 2 right
    int reserved = 0;
    int width = 0; // pixels
};

struct DropListSetup
{
    const char* const* cells = nullptr; // null-terminated, row by row
    int width = 0;                      // 0 or less: the column widths + 20
    int height = 0;                     // 0 or less: keep
    int companionId = 0;                // 0: none
    int companionColumn = 0;
    const DropListColumn* columns = nullptr;
};
