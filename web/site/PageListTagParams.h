#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of PAGELIST, numbered links to the pages of the set around the current one:
// how many pages before (prev) and from (next) the current one, whether the first and last
// pages always show, and the images that stand for the numbers.
class CPageListTagParams : public CWebTagParams
{
  public:
    // False on an unknown key. An icon left empty takes the one it falls back to.
    bool Parse(const CString& tagText);
    CString BuildPageList(const CWebTagScope& scope) const;

    int next = 10;
    int prev = 10;
    bool showFirst = true;
    bool showLast = true;
    CString firstIcon;
    CString lastIcon;
    CString currentIcon;
    CString firstCurrentIcon;
    CString lastCurrentIcon;
    CString pageIcon;
};
