#pragma once

#include "foundation/FontItem.h"
#include "foundation/ObArrayEx.h"
#include "platform/CString.h"

// The font faces installed on the machine for the font choices of dialogs: every face once for
// the Western character set and, when it covers Japanese, once more for Shift_JIS.
class CFontList : public CObArrayEx
{
  public:
    void EnumFonts();
    CFontItem* GetItem(int index) const { return static_cast<CFontItem*>(GetAt(index)); }
    // Index of the face for the character set, -1 when not listed.
    int Find(const CString& faceName, unsigned char charSet) const;
};
