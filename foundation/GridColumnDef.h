#pragma once

// One column of a grid list's column table, laid out as the program's static tables are; a
// table ends at the first entry without a heading.
struct GridColumnDef
{
    // The heading texts: a tab starts the next heading row; a vertical tab followed by a number
    // joins the heading cell with the cells to its right (and, with several heading rows, below).
    const char* heading;
    int reserved;
    // Width in half-width characters.
    int width;
    // Alignment flags of the column's cells.
    int alignment;
    int typeIndex;
    // Style of the cell type; 0 keeps the type's default.
    int typeStyle;
};
