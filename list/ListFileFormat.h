#pragma once

#include "foundation/DateEx.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <string>
#include <string_view>

// The vocabulary that the list file's reader and writer share: the versions at which its layout
// changed, its section headers, the words of column and output settings, the colour codes, and
// the quoting of texts so that each field reads back as it was written.
class CListFileFormat
{
  public:
    // The layout of a file follows its version number (a file without "ver" is version 0).
    static constexpr int kVersionEscapedTexts = 210504;    // texts escaped from here on
    static constexpr int kVersionSevenListValues = 210700; // [page] "list" with seven values
    static constexpr int kVersionSubNames = 210700;        // sub-names, 128-cell rows
    static constexpr int kVersionFourPhotoSizes = 210800;  // photosize with the short-side word
    static constexpr int kVersionNewOutputKeys = 2014;     // [output] keys as written today
    static constexpr int kVersionRowColours = 2004;        // 20-cell rows with colours
    static constexpr int kVersionRequiredFlag = 2002;      // columns with remark and both flags
    static constexpr int kVersionThreeDateTexts = 15;      // date columns with three patterns
    static constexpr int kVersionRemarks = 13;             // columns with remarks and Yes/No
    static constexpr int kVersionPhotoSizes = 10;          // photo lines with width and height
    static constexpr int kVersionTwentyCells = 5;          // rows with 20 cells
    // The layout written today: its files hold all seven sections.
    static constexpr int kVersionNewestLayout = kVersionFourPhotoSizes;

    // Sections in file order; index + 1 is the reader's section number.
    static constexpr int kSectionCount = 7;
    static const char* const kSectionHeaders[kSectionCount];

    // Word tables, indexed by the value they stand for.
    static const char* const kTypeWords[6];      // "none", "bool", "text", "mark", "number", "date"
    static const char* const kAlignmentWords[3]; // "left", "center", "right"
    static const char* const kDropKindWords[3];  // "none", "auto", "manu"
    static const char* const kImeModeWords[6];   // "none", "off", "on", "kana", "kana2", "hira"
    static const char* const kDateKindWords[3];  // "date", "time", "datetime"
    static const char* const kPageViewWords[3];  // "none", "html", "cgi"

    // Writer formatters; each gives an empty text for a value outside its table.
    static CString FormatTrueFalse(bool value) { return value ? "true" : "false"; }
    static CString FormatAlignment(int align);
    static CString FormatDropKind(int kind);
    static CString FormatImeMode(int mode);
    static CString FormatDateKind(int kind);
    // A column's limit date in the form of its date kind; "0" for a date that is not valid.
    static CString FormatLimitDate(const CDateEx& date, int kind);

    // Reader lookups: the word's index in the table, 0 for any other word.
    static int ParseAlignment(std::string_view word);
    static int ParseDropKind(std::string_view word);
    static int ParseDateKind(std::string_view word);
    // False, leaving mode alone, for a word that is no input mode.
    static bool ParseImeMode(std::string_view word, int& mode);

    // One colour as its one-character code: "0" to "7" for the eight table colours, "F" for the
    // default and any other colour; and back, -1 for any character but "0" to "7".
    static char ColourToCode(COLORREF colour);
    static COLORREF CodeToColour(char code);
    // A cell's colour field: empty without colours, else the text and background codes. A
    // colour outside the table follows as "t" or "b" and six hex digits RRGGBB, which older
    // readers skip, so they see the default colour and this reader the colour itself.
    static CString FormatColourField(COLORREF text, COLORREF back);
    static void ParseColourField(std::string_view field, COLORREF& text, COLORREF& back);

    // A text escaped and quoted: "'%s'"; Append adds it to out. Texts lose their broken
    // double-byte characters (a lead byte without its trail byte) in both forms.
    static CString QuoteEscaped(const CString& text);
    static void AppendQuoteEscaped(std::string& out, std::string_view text);
    // A text that the reader takes as it stands (paths, names of fonts and printers), quoted so
    // that it reads back unchanged: in apostrophes as usual, in double quotes when it holds an
    // apostrophe before a comma. A text that neither form carries loses its line breaks, then
    // bytes from its end until it reads back (a trailing backslash would escape the closing
    // quote).
    static CString QuoteRaw(const CString& text);
    // True when QuoteRaw keeps the text exactly; input that is stored raw is checked with it.
    static bool IsStorableRawText(const CString& text);
};
