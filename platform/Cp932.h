#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The Shift_JIS (code page 932) rules shared by every double-byte aware routine, and the one
// place where text crosses between the program's CP932 bytes and UTF-8.
namespace Cp932 {

// A byte that starts a double-byte character: 0x81-0x9F or 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length in bytes of the character at text[pos]: 2 for a lead byte followed by another byte,
// else 1. A lead byte in the last position counts as one byte, so nothing reads past the end.
inline size_t CharLength(std::string_view text, size_t pos)
{
    return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

// True when pos falls on the second byte of a double-byte character.
bool IsTrailPosition(std::string_view text, size_t pos);

// The first position at or after from where needle lies starting on a character; from must
// itself start a character. npos when there is none.
size_t FindOnCharacter(std::string_view text, std::string_view needle, size_t from);

// A byte that can follow a lead byte: 0x40-0x7E or 0x80-0xFC.
constexpr bool IsTrailByte(unsigned char b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// The text without the lead bytes that lost their trail byte (at the end, or before a byte that
// is no trail byte). Writers store texts so: a reader pairs a lead byte with whatever follows,
// which would otherwise be the closing quote or the line end.
std::string WithoutBrokenLeadBytes(std::string_view text);

// CP932 to UTF-8. Never fails: a byte sequence with no mapping becomes U+FFFD and clears
// *lossless when given.
std::string ToUtf8(std::string_view cp932, bool* lossless = nullptr);

// UTF-8 to CP932. Never fails: a character with no mapping (or broken UTF-8) becomes "?" and
// clears *lossless when given.
std::string FromUtf8(std::string_view utf8, bool* lossless = nullptr);

// Wide text (UTF-32 wchar_t) to CP932, with the same replacement as FromUtf8.
std::string FromWide(std::wstring_view wide, bool* lossless = nullptr);

} // namespace Cp932
