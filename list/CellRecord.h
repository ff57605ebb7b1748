#pragma once

#include "list/CellValue.h"
#include "platform/Geometry.h"

// One cell of a row: its value and its own text and background colours.
struct CellRecord : CellValue
{
    COLORREF textColor = kDefaultColor;
    COLORREF backColor = kDefaultColor;

    void Reset()
    {
        ResetValue();
        textColor = kDefaultColor;
        backColor = kDefaultColor;
    }
};
