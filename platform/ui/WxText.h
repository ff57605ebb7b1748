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
