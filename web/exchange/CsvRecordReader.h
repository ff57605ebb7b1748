#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// Cuts the Shift_JIS text of a CSV file into records and their fields, in one of the two forms
// that files come in. Fields lose their quotes; escapes stay for the caller to undo.
class CCsvRecordReader
{
  public:
    enum class Syntax
    {
        // The CSV export's: a field opened by a double or single quote runs to the matching
        // quote, and a backslash keeps the character after it from ending the field.
        Export,
        // Everybody else's (RFC 4180): only a double quote at the start of a field opens one, a
        // doubled quote inside is one quote, line breaks inside become CR LF; apostrophes and
        // backslashes are plain characters.
        Spreadsheet,
    };

    CCsvRecordReader(std::string_view text, char delimiter, Syntax syntax);
    CCsvRecordReader(const CCsvRecordReader&) = delete;
    CCsvRecordReader& operator=(const CCsvRecordReader&) = delete;

    // Appends the fields of the next record (an empty line is one empty field); false at the
    // end. A field is a view into the text or, where unquoting changed it, into a text the
    // reader keeps; both live as long as the reader and the text. openers, when given, gets the
    // quote that opened each field, or a zero byte for a field without one.
    bool Next(std::vector<std::string_view>& fields, std::string* openers = nullptr);
    // The most fields the rest of the text can hold: each but the last ends at a byte of its own.
    size_t FieldsAtMost() const { return m_text.size() - std::min(m_pos, m_text.size()) + 1; }

  private:
    // The field from m_pos to its delimiter or the end of its record, leaving m_pos there.
    std::string_view ReadField();
    std::string_view ReadQuotedField();
    bool OpensQuote(char ch) const { return ch == '"' || (ch == '\'' && m_syntax == Syntax::Export); }
    // True when pos stands on a line break (LF, or CR LF).
    bool IsLineBreakAt(size_t pos) const;
    bool EndsField(size_t pos) const { return m_text[pos] == m_delimiter || IsLineBreakAt(pos); }
    // The bytes of the character at pos: in the export's syntax a backslash with the character
    // after it.
    size_t CharacterLength(size_t pos) const;
    // Moves m_pos over the characters up to the end of the field.
    void SkipToFieldEnd();
    // Keeps a field that differs from every piece of the text.
    std::string_view Keep(std::string&& field);

    std::string_view m_text;
    char m_delimiter;
    Syntax m_syntax;
    size_t m_pos = 0;
    // How far each byte steps inside a field when it ends none: 1 for a single-byte character,
    // 2 for a lead byte; 0 for the bytes that need a closer look (delimiter, line ends, the
    // export's backslash).
    std::array<unsigned char, 256> m_step;
    // Fields rebuilt from their quoted form; a deque never moves what it holds.
    std::deque<std::string> m_kept;
};
