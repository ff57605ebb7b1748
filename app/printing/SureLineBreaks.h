#pragma once

#include <string_view>

// Places in Shift_JIS text where every line breaking of the desktop's text layout may end a
// line: between two ideographic characters (kanji, kana other than small ones, full-width
// letters and digits), between such a character and an ASCII letter or digit either way, and
// after a space before either. Text is not wrapped anywhere else by these alone.
namespace SureLineBreaks {

// Characters as their one or two bytes; before is empty at the start of a text.
bool Between(std::string_view before, std::string_view after);

} // namespace SureLineBreaks
