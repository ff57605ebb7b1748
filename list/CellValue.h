#pragma once

#include "foundation/DateEx.h"
#include "foundation/Number.h"
#include "platform/CString.h"

// A value of one cell as parsed from text: only the field of the column's type is meaningful.
struct CellValue
{
    CString text;   // text and mark columns
    CNumber number; // number columns
    CDateEx date;   // date and time columns
    bool yesNo = false;

    void ResetValue()
    {
        text.Empty();
        number = CNumber();
        date = CDateEx();
        yesNo = false;
    }
};
