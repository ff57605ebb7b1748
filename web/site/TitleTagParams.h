#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of TITLE, the title of the pages: the default text.
class CTitleTagParams : public CWebTagParams
{
  public:
    bool Parse(const CString& tagText);
    // The Web title, else the list's title.
    CString Emit(const CWebTagScope& scope) const;

    CString def;
};
