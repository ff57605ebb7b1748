#include "list/reading/ListFileLine.h"

#include "foundation/OleCurrency.h"
#include "list/ListFileFormat.h"

#include <algorithm>
#include <string>

CString CListFileLine::Text(int index) const
{
    CTextHelper text(Field(index));
    if (version >= CListFileFormat::kVersionEscapedTexts) {
        text.UnescapeBackslash();
    }
    return text;
}

int CListFileLine::KeyNumber(int skip) const
{
    return CTextHelper::ToInt(key.GetString() + std::min(skip, key.GetLength()));
}

CNumber CListFileLine::ParseNumber(std::string_view text)
{
    std::string digits(text);
    std::erase(digits, ',');
    COleCurrency value;
    if (!value.ParseCurrency(digits)) {
        return CNumber(0);
    }
    return CNumber(value);
}

CDateEx CListFileLine::ParseDate(std::string_view text)
{
    CDateEx date;
    date.ParseDateTime(text);
    return date;
}
