#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of FILENAME, the name of the page being written: mode 1 the list page, 2 the
// single page, 0 the kind of page at hand.
class CFileNameTagParams : public CWebTagParams
{
  public:
    // False on an unknown key or a mode other than list and page.
    bool Parse(const CString& tagText);
    // The file name; null, or the failure pattern of the single-page name asked on a list page.
    const char* Emit(const CWebTagScope& scope, CString& out) const;

    int mode = 0;
};
