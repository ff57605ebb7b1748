#pragma once

#include "foundation/StringArrayEx.h"

#include <string_view>

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

    CCsvRecordReader(std::string_view text, char delimiter, Syntax syntax)
        : m_text(text), m_delimiter(delimiter), m_syntax(syntax)
    {
    }

    // The fields of the next record (an empty line is one empty field); false at the end.
    bool Next(CStringArrayEx& fields);

  private:
    // The field from m_pos to its delimiter or the end of its record, leaving m_pos there.
    CString ReadField();
    CString ReadQuotedField();
    bool OpensQuote(char ch) const { return ch == '"' || (ch == '\'' && m_syntax == Syntax::Export); }
    // True when m_pos stands on a line break (LF, or CR LF).
    bool AtLineBreak() const;
    void SkipLineBreak();
    // Appends the character at m_pos (in the export's syntax a backslash with the character
    // after it) and moves on.
    void TakeCharacter(std::string& field);

    std::string_view m_text;
    char m_delimiter;
    Syntax m_syntax;
    size_t m_pos = 0;
};
