#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <ctime>

// One photo file of the continuous import window.
struct ContinuousImportItem
{
    CString path;
    CString fileName; // name with extension
    CString folder;   // the folder the window lists it under
    std::int64_t size = 0;
    std::time_t written = 0;
};
