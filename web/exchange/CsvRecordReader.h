#pragma once

#include "foundation/StringArrayEx.h"

#include <string_view>

// Cuts the Shift_JIS text of a CSV file into records and their fields. Both forms that files
// come in are read: the CSV export's, where a backslash keeps the character after it from
// ending the field, and the spreadsheets' (RFC 4180), where a doubled quote inside quotes is
// one quote and a field in double quotes runs on over line breaks, which become CR LF. A field
// opened by a double or single quote loses its quotes; escapes stay for the caller to undo.
class CCsvRecordReader
{
  public:
    CCsvRecordReader(std::string_view text, char delimiter) : m_text(text), m_delimiter(delimiter) {}

    // The fields of the next record (an empty line is one empty field); false at the end.
    bool Next(CStringArrayEx& fields);

  private:
    // The field from m_pos to its delimiter or the end of its record, leaving m_pos there.
    CString ReadField();
    CString ReadQuotedField();
    // True when m_pos stands on a line break (LF, or CR LF).
    bool AtLineBreak() const;
    void SkipLineBreak();
    // Appends the character at m_pos (a backslash with the character after it) and moves on.
    void TakeCharacter(std::string& field);

    std::string_view m_text;
    char m_delimiter;
    size_t m_pos = 0;
};
