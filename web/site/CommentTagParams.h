#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of COMMENT, the name of a row's photo: the row (rec) and photo position (no)
// within the windows, and the default text.
class CCommentTagParams : public CWebTagParams
{
  public:
    bool Parse(const CString& tagText);
    // The photo's name; null, or the failure pattern of a number outside its window.
    const char* Emit(const CWebTagScope& scope, CString& out) const;

    int rec = 0;
    int no = 0;
    CString def;
};
