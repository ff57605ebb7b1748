#pragma once

#include "foundation/DateEx.h"
#include "foundation/Number.h"
#include "foundation/TextHelper.h"
#include "platform/CString.h"

#include <cstddef>
#include <string_view>
#include <vector>

// The key line of a list file being read: its key and fields, and their values as the layout of
// the file's version writes them. The section readers share it.
class CListFileLine
{
  public:
    int version = 0;
    // Kept from line to line to reuse their room; the fields point into the file's text.
    CString key;
    std::vector<std::string_view> fields;

    // Beyond the end an empty text.
    std::string_view FieldView(int index) const
    {
        return index >= 0 && index < FieldCount() ? fields[index] : std::string_view();
    }
    CString Field(int index) const { return CString(FieldView(index)); }
    int FieldCount() const { return static_cast<int>(fields.size()); }
    int Int(int index) const { return CTextHelper::ToInt(FieldView(index)); }
    bool Bool(int index) const { return CTextHelper::ToBool(FieldView(index)); }
    // A text field, unescaped in the layouts that escape texts.
    CString Text(int index) const;

    // The index of the first pattern the key matches, or -1.
    template <size_t N> int MatchKey(const char* const (&patterns)[N]) const
    {
        return CTextHelper::MatchPatternList(key.view(), patterns, static_cast<int>(N));
    }
    // The number that follows the key's first characters ("c12" with skip 1 gives 12).
    int KeyNumber(int skip) const;

    // Thousands separators are dropped first, as the expression evaluator drops them.
    static CNumber ParseNumber(std::string_view text);
    static CDateEx ParseDate(std::string_view text);
};
