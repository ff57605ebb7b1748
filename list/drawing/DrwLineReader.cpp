#include "list/drawing/DrwLineReader.h"

CDrwLineReader::CDrwLineReader(const CString& text)
{
    m_lines.Split(text, '\n');
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
