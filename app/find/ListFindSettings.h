#pragma once

#include "platform/CString.h"

// What the list's find next looks for and how: kept by the find dialog between searches.
struct ListFindSettings
{
    CString keyword;
    bool wholeCell = false;
    bool caseSensitive = false;
    bool allColumns = true;
    bool downward = true;
    // The next search starts at the first (or, upwards, the last) line instead of the cursor.
    bool fromStart = false;
};
