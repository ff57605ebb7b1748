#pragma once

#include "platform/Arrays.h"

// Set-like list of unsigned values, such as photo indices or row numbers.
class CUIntArrayEx : public CUIntArray
{
  public:
    // Index of the appended value, or -1 when it is present already.
    int AddUnique(unsigned int value);
    // Values compare as signed 32-bit integers.
    void Sort(bool descending);
};
