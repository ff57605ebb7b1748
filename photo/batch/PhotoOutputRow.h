#pragma once

#include "platform/CString.h"

// One photo of the photo output: its slot, whether it is to be written, and the base name of
// its files (the four-digit slot number when empty).
struct PhotoOutputRow
{
    int slot = -1;
    bool checked = true;
    CString baseName;
};
