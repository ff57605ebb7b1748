#pragma once

#include "list/CellValue.h"

// The extract condition of one column: a lower bound (from) and an upper bound (to), each used
// or not.
struct ColumnCondition
{
    bool useTo = false;
    bool useFrom = false;
    CellValue toValue;
    CellValue fromValue;

    void Reset()
    {
        useTo = false;
        useFrom = false;
        toValue.ResetValue();
        fromValue.ResetValue();
    }
};
