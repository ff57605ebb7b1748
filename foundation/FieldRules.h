#pragma once

#include "platform/CString.h"

// Small text rules of the hosted fields and shell services that need no window.
class CFieldRules
{
  public:
    // A folder path with a trailing "/" when trailing is set, else without one. Empty texts
    // stay empty, and the root "/" stays the root.
    static CString ApplyTrailingSeparator(const CString& path, bool trailing);
    // The address of a help page: base, topic ("index" when empty) and ".htm", lower-cased.
    static CString HelpPageAddress(const CString& base, const CString& topic);
};
