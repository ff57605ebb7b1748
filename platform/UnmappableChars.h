#pragma once

#include "platform/CString.h"

#include <string>
#include <string_view>
#include <vector>

// The characters of a desktop text (UTF-8: typed text, file and folder names) that the
// program's Shift_JIS text cannot hold, found before the text is converted, so that the user
// can be told which they are instead of finding them turned into "?".
class CUnmappableChars
{
  public:
    explicit CUnmappableChars(std::string_view utf8);

    bool IsEmpty() const { return m_codes.empty(); }
    // The text with each such character shown as ■.
    const CString& Marked() const { return m_marked; }
    // "U+20BB7 U+1F600": each such character once, in the order they first stand.
    CString Codes() const;

  private:
    CString m_marked;
    std::vector<char32_t> m_codes;
};
