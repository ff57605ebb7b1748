#pragma once

#include "platform/CString.h"

#include <wx/string.h>

// The grid windows' crossing between CP932 text and wx strings.
class CGridText
{
  public:
    static wxString ToWx(const CString& text);
    static CString FromWx(const wxString& text);
    // A character code of the grid (a byte, or lead << 8 | trail) as a wx character, and back;
    // 0 when it has no counterpart.
    static wxChar CharToWx(unsigned int code);
    static unsigned int CharFromWx(wxChar character);
};
