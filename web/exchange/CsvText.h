#pragma once

#include "platform/CString.h"

#include <string>
#include <string_view>

// The text of a CSV file as the program holds it: a Shift_JIS file as it is, a UTF-8 file
// (with or without a byte order mark, as spreadsheets save it) converted to Shift_JIS.
class CCsvText
{
  public:
    enum class Encoding
    {
        ShiftJis,
        Utf8,
    };

    // Finds the encoding of the bytes and puts their Shift_JIS text into text: the bytes of a
    // Shift_JIS file are moved there, those of a UTF-8 file stay. lossless is cleared when a
    // character of a UTF-8 file has no Shift_JIS form and became "?".
    static Encoding Decode(std::string& bytes, std::string& text, bool& lossless);

    // What the user is told of a UTF-8 file whose characters Shift_JIS lacks.
    struct Unheld
    {
        // "U+20BB7 U+1F600", each character once; the first ten.
        CString codes;
        // The first line (from 1) that holds one, and that line's text with them marked ■
        // (the part around the first when the line is long).
        int line = 0;
        CString marked;
    };
    static Unheld FindUnheld(std::string_view bytes);

    // True for UTF-8 that holds at least one character beyond ASCII. Shift_JIS text is never
    // read so: its double-byte characters start with bytes that UTF-8 only uses inside a
    // character, and its half-width katakana stand alone where UTF-8 needs a sequence.
    // A sequence cut off by the end of the bytes counts as complete.
    static bool IsUtf8(std::string_view bytes);
};
