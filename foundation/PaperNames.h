#pragma once

#include "platform/CString.h"

// The names people know papers by, from the print system's standard media names.
class CPaperNames
{
  public:
    // "A1" for "iso_a1_594x841mm" or "iso_a1", "B5 (ISO)" for "iso_b5_176x250mm"; "" for a
    // media name that is not a known paper.
    static const char* Of(const CString& mediaName);
};
