#include "web/exchange/CsvRecordReader.h"

#include "platform/Cp932.h"

bool CCsvRecordReader::Next(CStringArrayEx& fields)
{
    fields.RemoveAll();
    if (m_pos >= m_text.size()) {
        return false;
    }
    for (;;) {
        fields.Add(ReadField());
        if (m_pos >= m_text.size()) {
            return true;
        }
        if (AtLineBreak()) {
            SkipLineBreak();
            return true;
        }
        ++m_pos; // the delimiter
    }
}

bool CCsvRecordReader::AtLineBreak() const
{
    return m_text[m_pos] == '\n' ||
           (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n');
}

void CCsvRecordReader::SkipLineBreak()
{
    m_pos += m_text[m_pos] == '\r' ? 2 : 1;
}

void CCsvRecordReader::TakeCharacter(std::string& field)
{
    size_t length = Cp932::CharLength(m_text, m_pos);
    // A backslash of the export holds the whole character behind it, but never a line break.
    if (m_syntax == Syntax::Export && length == 1 && m_text[m_pos] == '\\' && m_pos + 1 < m_text.size()) {
        size_t next = m_pos + 1;
        bool lineBreak = m_text[next] == '\n' ||
                         (m_text[next] == '\r' && next + 1 < m_text.size() && m_text[next + 1] == '\n');
        if (!lineBreak) {
            length = 1 + Cp932::CharLength(m_text, next);
        }
    }
    field.append(m_text.substr(m_pos, length));
    m_pos += length;
}

CString CCsvRecordReader::ReadField()
{
    if (m_pos < m_text.size() && OpensQuote(m_text[m_pos])) {
        return ReadQuotedField();
    }
    std::string field;
    while (m_pos < m_text.size() && m_text[m_pos] != m_delimiter && !AtLineBreak()) {
        TakeCharacter(field);
    }
    return CString(std::move(field));
}

CString CCsvRecordReader::ReadQuotedField()
{
    const size_t start = m_pos;
    const char quote = m_text[m_pos++];
    std::string field;
    for (;;) {
        if (m_pos >= m_text.size()) {
            return CString(std::move(field));
        }
        if (AtLineBreak()) {
            if (quote != '"') {
                // A single quote never spans lines: the field is the line's rest as it stands.
                return CString(m_text.substr(start, m_pos - start));
            }
            field += "\r\n";
            SkipLineBreak();
            continue;
        }
        if (m_text[m_pos] != quote) {
            TakeCharacter(field);
            continue;
        }
        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == quote) {
            field += quote;
            m_pos += 2;
            continue;
        }
        ++m_pos;
        break;
    }
    // Whatever stands between the closing quote and the delimiter still belongs to the field.
    while (m_pos < m_text.size() && m_text[m_pos] != m_delimiter && !AtLineBreak()) {
        TakeCharacter(field);
    }
    return CString(std::move(field));
}
