#include "platform/UnmappableChars.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace {

// The length of the UTF-8 sequence at the start of rest and its code point; broken bytes are
// taken one at a time as U+FFFD.
size_t NextChar(std::string_view rest, char32_t& code)
{
    const auto lead = static_cast<unsigned char>(rest[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || length > rest.size()) {
        code = 0xFFFD;
        return 1;
    }
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(rest[i]);
        if ((next & 0xC0) != 0x80) {
            code = 0xFFFD;
            return 1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return length;
}

} // namespace

CUnmappableChars::CUnmappableChars(std::string_view utf8)
{
    std::string marked;
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t code = 0;
        const size_t length = NextChar(utf8.substr(pos), code);
        bool lossless = true;
        const std::string converted = Cp932::FromUtf8(utf8.substr(pos, length), &lossless);
        if (lossless) {
            marked += converted;
        } else {
            marked += "■";
            if (std::find(m_codes.begin(), m_codes.end(), code) == m_codes.end()) {
                m_codes.push_back(code);
            }
        }
        pos += length;
    }
    m_marked = CString(marked);
}

CString CUnmappableChars::Codes() const
{
    CString text;
    for (char32_t code : m_codes) {
        if (!text.IsEmpty()) {
            text += " ";
        }
        text.AppendFormat("U+%04X", static_cast<unsigned>(code));
    }
    return text;
}
