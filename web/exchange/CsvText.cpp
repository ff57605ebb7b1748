#include "web/exchange/CsvText.h"

#include "platform/Cp932.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Bytes of the UTF-8 sequence that a lead byte opens; 0 for a byte that opens none.
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

} // namespace

bool CCsvText::IsUtf8(std::string_view bytes)
{
    bool beyondAscii = false;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const size_t length = SequenceLength(lead);
        if (length == 0) {
            return false;
        }
        for (size_t k = 1; k < length && i + k < bytes.size(); ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        beyondAscii = true;
        i += length;
    }
    return beyondAscii;
}

CCsvText::Encoding CCsvText::Decode(std::string_view bytes, std::string& text, bool& lossless)
{
    lossless = true;
    bool marked = bytes.starts_with(kByteOrderMark);
    if (!marked && !IsUtf8(bytes)) {
        text.assign(bytes);
        return Encoding::ShiftJis;
    }
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    text = Cp932::FromUtf8(bytes, &lossless);
    return Encoding::Utf8;
}
