#pragma once

#include <wx/chartype.h>

// The grid's character codes (a byte, or lead << 8 | trail for a double-byte character) as wx
// characters and back.
class CGridChars
{
  public:
    // 0 when the code or character has no counterpart (a character outside Shift_JIS).
    static wxChar ToWx(unsigned int code);
    static unsigned int FromWx(wxChar character);
};
