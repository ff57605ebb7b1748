#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of MESSAGE, the comment of the pages: the default text.
class CMessageTagParams : public CWebTagParams
{
  public:
    bool Parse(const CString& tagText);
    // The Web message with its line breaks as "<BR>".
    CString Emit(const CWebTagScope& scope) const;

    CString def;
};
