#pragma once

#include "platform/CString.h"

// One key of the Web output's row order with the options the Web output keeps beside it.
struct OutputSortEntry
{
    int column = 0;
    bool descending = false;
    bool options[4] = {false, true, true, true};
    CString texts[2];
};
