#pragma once

#include "platform/CString.h"

#include <functional>

class CStringArrayEx;

// The base of the parameter records of the tags of the HTML base files: how a tag's parameter
// list "(key=value,...)" is cut into items and keys.
class CWebTagParams
{
  public:
    virtual ~CWebTagParams() = default;

    // The items of the list between the first "(" and the last ")" of a tag text, split at
    // commas: an item that starts with a quote runs to its closing quote and loses the quotes,
    // a backslash keeps the next character from separating and stays. No parentheses, or
    // empty ones, give no items.
    static void SplitTagParams(CStringArrayEx& list, const CString& tagText);

  protected:
    using ParamTaker = std::function<bool(const CString& key, const CString& value)>;

    // Hands each item's key and value (split at "="; a quoted value loses its quotes) to take
    // in order; false as soon as take refuses an item, such as an unknown key.
    static bool ForEachParam(const CString& tagText, const ParamTaker& take);
    // A parameter list of the one key: its value goes into value; false on any other key.
    static bool ParseOneKey(const CString& tagText, const char* key, CString& value);
    // A number as atoi reads it, bounded to plus or minus a million.
    static int ToInt(const CString& value);
};
