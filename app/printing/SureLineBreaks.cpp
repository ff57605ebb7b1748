#include "app/printing/SureLineBreaks.h"

#include "platform/Mbcs.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsIdeographic(unsigned code)
{
    const unsigned trail = code & 0xFF;
    if (code < 0x100 || trail < 0x40 || trail == 0x7F || trail > 0xFC) {
        return false;
    }
    // Small kana do not begin a line.
    constexpr unsigned kSmallKana[] = {0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82C1, 0x82E1, 0x82E3,
                                       0x82E5, 0x82EC, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8362,
                                       0x8383, 0x8385, 0x8387, 0x838E, 0x8395, 0x8396};
    if (std::find(std::begin(kSmallKana), std::end(kSmallKana), code) != std::end(kSmallKana)) {
        return false;
    }
    // Full-width digits and letters, hiragana, katakana, and the kanji of both levels and of
    // the extensions.
    return (code >= 0x824F && code <= 0x829A) || (code >= 0x829F && code <= 0x82F1) ||
           (code >= 0x8340 && code <= 0x8396) || (code >= 0x889F && code <= 0x9872) ||
           (code >= 0x989F && code <= 0x9FFC) || (code >= 0xE040 && code <= 0xEAA4);
}

bool IsAsciiLetterOrDigit(unsigned code)
{
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

} // namespace

bool SureLineBreaks::Between(std::string_view before, std::string_view after)
{
    if (before.empty() || after.empty()) {
        return false;
    }
    const unsigned left = Mbcs::CharCode(before, 0);
    const unsigned right = Mbcs::CharCode(after, 0);
    if (IsIdeographic(left)) {
        return IsIdeographic(right) || IsAsciiLetterOrDigit(right);
    }
    if (IsAsciiLetterOrDigit(left) || left == ' ') {
        return IsIdeographic(right) || (left == ' ' && IsAsciiLetterOrDigit(right));
    }
    return false;
}
