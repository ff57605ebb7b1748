#include "web/site/WebTagParams.h"

#include "foundation/StringArrayEx.h"

#include <algorithm>
#include <cstdlib>

void CWebTagParams::SplitTagParams(CStringArrayEx& list, const CString& tagText)
{
    list.RemoveAll();
    int open = tagText.Find('(');
    if (open < 0) {
        return;
    }
    CString inner = tagText.Mid(open + 1);
    int close = inner.ReverseFind(')');
    if (close < 0) {
        return;
    }
    inner = inner.Left(close);
    if (!inner.IsEmpty()) {
        list.SplitEscaped(inner, ',');
    }
}

bool CWebTagParams::ForEachParam(const CString& tagText, const ParamTaker& take)
{
    CStringArrayEx items;
    SplitTagParams(items, tagText);
    CStringArrayEx pieces;
    for (int i = 0; i < items.GetSize(); ++i) {
        pieces.SplitEscaped(items[i], '=');
        CString key = pieces.GetSize() > 0 ? pieces[0] : CString();
        CString value = pieces.GetSize() > 1 ? pieces[1] : CString();
        if (!take(key, value)) {
            return false;
        }
    }
    return true;
}

bool CWebTagParams::ParseOneKey(const CString& tagText, const char* key, CString& value)
{
    return ForEachParam(tagText, [&](const CString& name, const CString& given) {
        if (name != key) {
            return false;
        }
        value = given;
        return true;
    });
}

int CWebTagParams::ToInt(const CString& value)
{
    // Far beyond any row, column or photo window, and far enough below the int limit that
    // positions and windows added up from such numbers never overflow.
    constexpr long kLimit = 1000000;
    return static_cast<int>(std::clamp(std::strtol(value.GetString(), nullptr, 10), -kLimit, kLimit));
}
