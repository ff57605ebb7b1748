#include "grid/ui/GridText.h"

#include "platform/Cp932.h"

wxString CGridText::ToWx(const CString& text)
{
    return wxString::FromUTF8(Cp932::ToUtf8(text.view()));
}

CString CGridText::FromWx(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return CString(Cp932::FromUtf8(std::string_view(utf8.data(), utf8.length())));
}

wxChar CGridText::CharToWx(unsigned int code)
{
    if (code < 0x80) {
        return static_cast<wxChar>(code);
    }
    char bytes[2];
    int length = 0;
    if (code > 0xFF) {
        bytes[length++] = static_cast<char>(code >> 8);
    }
    bytes[length++] = static_cast<char>(code & 0xFF);
    const wxString text = ToWx(CString(bytes, length));
    return text.length() == 1 ? static_cast<wxChar>(text[0].GetValue()) : 0;
}

unsigned int CGridText::CharFromWx(wxChar character)
{
    if (character < 0x80) {
        return static_cast<unsigned int>(character);
    }
    const CString bytes = FromWx(wxString(character));
    if (bytes.GetLength() == 1) {
        return static_cast<unsigned char>(bytes[0]);
    }
    if (bytes.GetLength() == 2) {
        return static_cast<unsigned int>(static_cast<unsigned char>(bytes[0])) << 8 |
               static_cast<unsigned char>(bytes[1]);
    }
    return 0;
}
