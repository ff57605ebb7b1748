#pragma once

#include "platform/CString.h"

// One key of the Web output's row order with the options the Web output keeps beside it.
struct OutputSortEntry
{
    // Indexes of options: group headings of the simple list run up to the first entry with
    // kHeader; kInList shows the column in the simple list, kWrap lets its cells wrap there.
    enum Option
    {
        kHeader = 0,
        kInList = 1,
        kReserved = 2,
        kWrap = 3
    };
    // Indexes of texts: the extract range (or the Yes/No value "true"/"false", or the text to
    // look for) and its upper bound.
    enum Text
    {
        kFrom = 0,
        kTo = 1
    };

    int column = 0;
    bool descending = false;
    bool options[4] = {false, true, true, true};
    CString texts[2];

    friend bool operator==(const OutputSortEntry&, const OutputSortEntry&) = default;
};
