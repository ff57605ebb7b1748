#pragma once

#include "platform/CString.h"

// One row of the Web column grid: a column of the list in output order, its sort direction, its
// switches for the simple list and its extract range (for a Yes/No column, from is "true",
// "false" or empty for no condition).
struct WebColumnRow
{
    int column = -1;
    bool descending = false;
    bool header = false;
    bool inList = true;
    bool wrap = false;
    CString from;
    CString to;

    bool operator==(const WebColumnRow&) const = default;
};
