#include "grid/ui/GridChars.h"

#include "platform/Cp932.h"
#include "platform/ui/WxText.h"

wxChar CGridChars::ToWx(unsigned int code)
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
    const wxString text = ::ToWx(CString(bytes, length));
    return text.length() == 1 ? static_cast<wxChar>(text[0].GetValue()) : 0;
}

unsigned int CGridChars::FromWx(wxChar character)
{
    if (character < 0x80) {
        return static_cast<unsigned int>(character);
    }
    const wxString text(character);
    const wxScopedCharBuffer utf8 = text.utf8_str();
    bool lossless = true;
    const std::string bytes = Cp932::FromUtf8(std::string_view(utf8.data(), utf8.length()), &lossless);
    if (!lossless) {
        return 0;
    }
    if (bytes.size() == 1) {
        return static_cast<unsigned char>(bytes[0]);
    }
    if (bytes.size() == 2) {
        return static_cast<unsigned int>(static_cast<unsigned char>(bytes[0])) << 8 |
               static_cast<unsigned char>(bytes[1]);
    }
    return 0;
}
