#include "platform/ui/WxText.h"

#include "platform/Cp932.h"
#include "platform/UnmappableChars.h"

wxString ToWx(const CString& text)
{
    return wxString::FromUTF8(Cp932::ToUtf8(text.view()));
}

wxString ToWx(const char* text)
{
    return ToWx(CString(text));
}

wxString ToWxLines(const CString& text)
{
    CString lines = text;
    lines.Replace("\r\n", "\n");
    return ToWx(lines);
}

CString FromWx(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return CString(Cp932::FromUtf8(std::string_view(utf8.data(), utf8.length())));
}

CString FromWx(const wxString& text, CString& unheld)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    const std::string_view view(utf8.data(), utf8.length());
    bool lossless = true;
    CString converted(Cp932::FromUtf8(view, &lossless));
    unheld = lossless ? CString() : CUnmappableChars(view).Codes();
    return converted;
}
