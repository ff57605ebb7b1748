#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of LINK, an anchor around the block's text: where it leads (mode), the row
// (rec) or photo (no) it leads to, the image put before the text and the photo copy (size).
class CLinkTagParams : public CWebTagParams
{
  public:
    enum Mode
    {
        kNone = 0,
        kNextList,
        kPrevList,
        kFirstList,
        kLastList,
        kPage,
        kNextPage,
        kPrevPage,
        kFirstPage,
        kLastPage,
        kPhoto
    };

    // False on an unknown key, a missing or unknown mode, or a size other than mid and small.
    bool Parse(const CString& tagText);
    // The anchor start tag, empty where there is nothing to lead to (no next page on the last
    // one); null, or the failure pattern when the mode does not fit the page or a number lies
    // outside its window.
    const char* BuildAnchor(const CWebTagScope& scope, CString& anchor) const;

    int mode = kNone;
    int rec = 0;
    int no = 0;
    int size = 2;
    CString icon;
};
