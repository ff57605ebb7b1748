#pragma once

#include "platform/Arrays.h"

// Pointer array that owns plain memory blocks (made with ::operator new) and frees them
// without running any destructor.
class CPtrArrayEx : public CPtrArray
{
  public:
    CPtrArrayEx() = default;
    CPtrArrayEx(const CPtrArrayEx&) = delete;
    CPtrArrayEx& operator=(const CPtrArrayEx&) = delete;
    ~CPtrArrayEx() override { RemoveAll(); }

    void RemoveAll();
    void RemoveAt(int index, int count = 1);
};
