#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

// One paper a printer offers: its paper number, name and size.
class CPaperItem : public CObject
{
  public:
    short paperId = 0;
    CString name;  // at most 64 bytes
    int width = 0; // tenths of a millimetre
    int height = 0;
};
