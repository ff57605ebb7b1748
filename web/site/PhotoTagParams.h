#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;

// The parameters of PHOTO, the image of a row's photo: the row (rec) and photo position (no)
// within the windows, the copy to show (size 1 standard, 2 thumbnail), the spacing, whether
// only the address is wanted, and the image and text to show when there is no photo.
class CPhotoTagParams : public CWebTagParams
{
  public:
    static constexpr int kMiddle = 1;
    static constexpr int kSmall = 2;

    // False on an unknown key or a size other than mid and small.
    bool Parse(const CString& tagText);
    // The image element (or its address); null, or the failure pattern of a number outside its
    // window.
    const char* Emit(const CWebTagScope& scope, CString& out) const;

    // "m/0007m.jpg" or "s/0007s.jpg" of a slot, from the p folder with "../" before it.
    static CString PhotoAddress(int slot, int size, bool fromSinglePage);

    int rec = 0;
    int no = 0;
    int size = kSmall;
    int hspace = 0;
    int vspace = 0;
    bool nameOnly = false;
    CString defImage;
    CString def;
};
