#include "web/exchange/CsvRecordReader.h"

#include "platform/Cp932.h"

#include <algorithm>

CCsvRecordReader::CCsvRecordReader(std::string_view text, char delimiter, Syntax syntax)
    : m_text(text), m_delimiter(delimiter), m_syntax(syntax)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char ch = static_cast<char>(byte);
        unsigned char& step = m_step[static_cast<size_t>(byte)];
        if (ch == delimiter || ch == '\n' || ch == '\r' || (ch == '\\' && syntax == Syntax::Export)) {
            step = 0;
        } else {
            step = Cp932::IsLeadByte(static_cast<unsigned char>(byte)) ? 2 : 1;
        }
    }
}

bool CCsvRecordReader::Next(std::vector<std::string_view>& fields, std::string* openers)
{
    if (m_pos >= m_text.size()) {
        return false;
    }
    for (;;) {
        if (openers != nullptr) {
            *openers += m_pos < m_text.size() && OpensQuote(m_text[m_pos]) ? m_text[m_pos] : '\0';
        }
        fields.push_back(ReadField());
        if (m_pos >= m_text.size()) {
            return true;
        }
        if (IsLineBreakAt(m_pos)) {
            m_pos += m_text[m_pos] == '\r' ? 2 : 1;
            return true;
        }
        ++m_pos; // the delimiter
    }
}

bool CCsvRecordReader::IsLineBreakAt(size_t pos) const
{
    return m_text[pos] == '\n' || (m_text[pos] == '\r' && pos + 1 < m_text.size() && m_text[pos + 1] == '\n');
}

size_t CCsvRecordReader::CharacterLength(size_t pos) const
{
    const size_t length = Cp932::CharLength(m_text, pos);
    // A backslash of the export holds the whole character behind it, but never a line break.
    if (m_syntax == Syntax::Export && length == 1 && m_text[pos] == '\\' && pos + 1 < m_text.size() &&
        !IsLineBreakAt(pos + 1)) {
        return 1 + Cp932::CharLength(m_text, pos + 1);
    }
    return length;
}

void CCsvRecordReader::SkipToFieldEnd()
{
    const size_t size = m_text.size();
    while (m_pos < size) {
        // A lead byte in the last place is a character of its own.
        if (const size_t step = m_step[static_cast<unsigned char>(m_text[m_pos])]; step != 0) {
            m_pos = std::min(m_pos + step, size);
            continue;
        }
        if (EndsField(m_pos)) {
            return;
        }
        m_pos += CharacterLength(m_pos);
    }
}

std::string_view CCsvRecordReader::Keep(std::string&& field)
{
    return m_kept.emplace_back(std::move(field));
}

std::string_view CCsvRecordReader::ReadField()
{
    if (m_pos < m_text.size() && OpensQuote(m_text[m_pos])) {
        return ReadQuotedField();
    }
    const size_t start = m_pos;
    SkipToFieldEnd();
    return m_text.substr(start, m_pos - start);
}

std::string_view CCsvRecordReader::ReadQuotedField()
{
    const size_t start = m_pos;
    const char quote = m_text[m_pos++];
    // Until unquoting changes something the field is the text from here on, as most are; from
    // the first change it is built apart.
    const size_t from = m_pos;
    std::string built;
    bool building = false;
    auto buildFrom = [&](size_t end) {
        if (!building) {
            built.assign(m_text.substr(from, end - from));
            building = true;
        }
    };
    for (;;) {
        if (m_pos >= m_text.size()) {
            return building ? Keep(std::move(built)) : m_text.substr(from);
        }
        if (IsLineBreakAt(m_pos)) {
            if (quote != '"') {
                // A single quote never spans lines: the field is the line's rest as it stands.
                return m_text.substr(start, m_pos - start);
            }
            // A line break inside quotes is kept as CR LF.
            if (m_text[m_pos] == '\n') {
                buildFrom(m_pos);
            }
            if (building) {
                built += "\r\n";
            }
            m_pos += m_text[m_pos] == '\r' ? 2 : 1;
            continue;
        }
        if (m_text[m_pos] != quote) {
            const size_t length = CharacterLength(m_pos);
            if (building) {
                built.append(m_text.substr(m_pos, length));
            }
            m_pos += length;
            continue;
        }
        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == quote) {
            buildFrom(m_pos);
            built += quote;
            m_pos += 2;
            continue;
        }
        break;
    }
    const size_t close = m_pos++;
    // Whatever stands between the closing quote and the delimiter still belongs to the field.
    const size_t rest = m_pos;
    SkipToFieldEnd();
    if (m_pos > rest) {
        buildFrom(close);
        built.append(m_text.substr(rest, m_pos - rest));
    }
    return building ? Keep(std::move(built)) : m_text.substr(from, close - from);
}
