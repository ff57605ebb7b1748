#pragma once

#include "platform/CString.h"

#include <wx/string.h>

// The one crossing between the program's CP932 text and wx strings. Never use wxString's own
// narrow conversions on program text: they read the bytes in the locale's encoding.

wxString ToWx(const CString& text);
wxString ToWx(const char* text);
// Text written with CR LF line ends (descriptions, logs) as a multi-line wx control shows it.
wxString ToWxLines(const CString& text);
CString FromWx(const wxString& text);
// The same; unheld names the characters that had no Shift_JIS code and became "?"
// ("U+20BB7 U+1F600"), empty when there were none.
CString FromWx(const wxString& text, CString& unheld);
