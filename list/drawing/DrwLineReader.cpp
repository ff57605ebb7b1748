#include "list/drawing/DrwLineReader.h"

// Every LF ends a line, also one behind a lead byte: no trail byte is below 0x40, so that lead
// byte has lost its trail byte, and a reader never reads past a line's end.
CDrwLineReader::CDrwLineReader(const CString& text)
{
    std::string_view rest = text.view();
    for (size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
        m_lines.Add(CString(rest.substr(0, end)));
        rest.remove_prefix(end + 1);
    }
    m_lines.Add(CString(rest));
}

bool CDrwLineReader::ReadLine(CString& line)
{
    if (m_next >= m_lines.GetSize()) {
        return false;
    }
    line = m_lines[m_next++];
    if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r') {
        line = line.Left(line.GetLength() - 1);
    }
    return true;
}
