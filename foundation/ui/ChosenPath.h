#pragma once

#include "platform/CString.h"

#include <wx/string.h>

// Takes a path that the user chose in a file or folder dialog into path. A name with
// characters that Shift_JIS cannot hold can be reached by no path of the program: a box names
// them and shows where they stand, and the choice counts as cancelled (false).
bool TakeChosenPath(const wxString& chosen, CString& path);
