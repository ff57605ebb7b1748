#pragma once

#include "platform/CString.h"

// The address of a page inside a compiled help file, "its:<help file>::<page>", as the help
// pane navigates to it and its page reader takes it apart again.
class CItsAddress
{
  public:
    static CString Format(const CString& helpFile, const CString& page);
    // The help file and the page's object path (beginning with "/"), its "." and ".." segments
    // resolved as in a URL and never above the help file's root; an anchor after "#" is left
    // out. False when the address is no "its:" address with a help file and a page.
    static bool Parse(const CString& address, CString& helpFile, CString& page);
    // True when the text is a full address ("its:...", "https://...") rather than a page path.
    static bool IsFullAddress(const CString& text) { return text.Find(':') >= 0; }
};
