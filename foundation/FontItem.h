#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

// One installed font face for one character set.
class CFontItem : public CObject
{
  public:
    static constexpr unsigned char kAnsiCharset = 0;
    static constexpr unsigned char kShiftJisCharset = 128;
    static constexpr int kTrueTypeFont = 4;

    CFontItem() = default;
    CFontItem(const CString& face, unsigned char charset, int type)
        : faceName(face), charSet(charset), fontType(type)
    {
    }

    CString faceName;
    unsigned char charSet = 0;
    int fontType = 0;
};
