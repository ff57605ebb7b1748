#pragma once

#include <string>
#include <string_view>

// The C runtime's multibyte (code page 932) string behaviour that the program relies on:
// comparison by character code, case mapping that never touches a trail byte, and the
// full-width to single-byte mapping.
namespace Mbcs {

// Character code at pos: the byte, or lead << 8 | trail for a double-byte character.
unsigned int CharCode(std::string_view text, size_t pos);

// Compares by character code, so every double-byte character sorts after every single byte.
int Compare(std::string_view a, std::string_view b);

// As Compare, with ASCII and full-width Latin letters folded to lower case.
int CompareNoCase(std::string_view a, std::string_view b);

// Case mapping in place of ASCII letters and full-width Latin letters; trail bytes are untouched.
void MakeUpper(std::string& text);
void MakeLower(std::string& text);

// Upper and lower case of one character code (single byte or double-byte).
unsigned int CharToUpper(unsigned int code);
unsigned int CharToLower(unsigned int code);

// The code page's full-width to single-byte mapping of one double-byte character code:
// full-width ASCII become ASCII, katakana and Japanese punctuation become half-width katakana
// (voiced letters lose their mark). Characters with no single-byte form come back unchanged.
unsigned int FullToHalf(unsigned int code);

} // namespace Mbcs
