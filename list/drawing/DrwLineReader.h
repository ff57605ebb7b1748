#pragma once

#include "foundation/StringArrayEx.h"
#include "platform/CString.h"

// Hands out the lines of a drw text one after another, so that a shape list and the groups
// nested in it read on from one shared position.
class CDrwLineReader
{
  public:
    // LF or CR LF ends a line.
    explicit CDrwLineReader(const CString& text);

    // The next line without its line end; false at the end of the text.
    bool ReadLine(CString& line);
    // Starts again from the first line.
    void Rewind() { m_next = 0; }

  private:
    CStringArrayEx m_lines;
    int m_next = 0;
};
