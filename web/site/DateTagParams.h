#pragma once

#include "web/site/WebTagParams.h"

// The parameters of DATE, the date and time of the expansion: the program's date pattern
// (YYYY, MM, DD, HH, NN ...), or "%Y/%m/%d" when none is given.
class CDateTagParams : public CWebTagParams
{
  public:
    bool Parse(const CString& tagText);
    CString FormatNow() const;

    CString format;
};
