#pragma once

#include "foundation/DateEx.h"
#include "platform/CString.h"

// Expands the & tokens of a printed header or footer: date and time parts, the era, the list
// title and the page numbers.
class CHeaderFooterText
{
  public:
    static CString Expand(const CString& text, const CString& title, const CDateEx& now, int page,
                          int pageCount);
};
