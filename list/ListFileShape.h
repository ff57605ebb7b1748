#pragma once

#include "platform/CString.h"

#include <string>
#include <string_view>

// What a list file shows of itself before any of it is read: whether it is a list at all, the
// version that wrote it, and whether it ends before its writer finished it. The reader walks the
// lines the same way, through NextLine.
class CListFileShape
{
  public:
    explicit CListFileShape(std::string_view text);

    // A list holds at least one section header.
    bool IsList() const { return m_sections > 0; }
    // The "ver" of the file's head; 0 without one.
    int Version() const { return m_version; }
    // Every writer ends each line it writes, and the writer of the newest layout writes all
    // seven sections, so a last line without its line break, or a file of that layout without
    // its last section, was cut short.
    bool EndedEarly() const;
    // The number of the last line that ended with its line break.
    int WholeLines() const { return m_wholeLines; }

    // Takes the next line off rest: without its CR LF, and without NUL bytes, which a text file
    // does not hold and which would end a text where the list is saved again (scratch keeps
    // such a line). True while a line was there.
    static bool NextLine(std::string_view& rest, std::string& scratch, std::string_view& line);
    // The section a header line opens, 1 ([informations]) to 7 ([photos]); 0 for any other line.
    static int SectionOf(std::string_view line);
    // A key line: the key before the first "=", trimmed, and the value after it. False for a
    // line without "=" or one that begins with it.
    static bool SplitKeyLine(std::string_view line, CString& key, std::string_view& value);

  private:
    int m_sections = 0;
    int m_version = 0;
    int m_wholeLines = 0;
    bool m_lastSectionSeen = false;
    bool m_lastLineEnded = true;
};
