#pragma once

#include <wx/string.h>

// Text typed or pasted into a field or a cell's edit, checked before the program takes it: a
// character without a Shift_JIS code would turn into "?" unseen, so a box names such characters
// (marked ■ in the text) and the text stays to be changed.
class CTypedTextCheck
{
  public:
    // Whether every character of the text has a Shift_JIS code.
    static bool IsHeld(const wxString& text);
    // True when it has; otherwise the box, and false.
    static bool Accepts(const wxString& text);
};
