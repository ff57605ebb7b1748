#include "list/ListFileShape.h"

#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "list/ListFileFormat.h"

CListFileShape::CListFileShape(std::string_view text)
{
    m_lastLineEnded = text.empty() || text.back() == '\n';
    std::string scratch;
    std::string_view line;
    int lineNumber = 0;
    while (NextLine(text, scratch, line)) {
        ++lineNumber;
        const int section = SectionOf(line);
        if (section > 0) {
            ++m_sections;
            m_lastSectionSeen = m_lastSectionSeen || section == CListFileFormat::kSectionCount;
            continue;
        }
        // Only the head, before the first section, says the version.
        CString key;
        std::string_view value;
        if (m_sections == 0 && !line.empty() && line[0] != ';' && SplitKeyLine(line, key, value) &&
            CTextHelper::MatchPattern(key.view(), "ver*")) {
            CStringArrayEx fields;
            fields.SplitEscaped(value, ',');
            m_version = fields.GetSize() > 0 ? CTextHelper(fields[0]).ToInt() : 0;
        }
    }
    m_wholeLines = m_lastLineEnded ? lineNumber : lineNumber - 1;
}

bool CListFileShape::EndedEarly() const
{
    return !m_lastLineEnded || (m_version >= CListFileFormat::kVersionNewestLayout && !m_lastSectionSeen);
}

bool CListFileShape::NextLine(std::string_view& rest, std::string& scratch, std::string_view& line)
{
    if (rest.empty()) {
        return false;
    }
    const size_t end = rest.find('\n');
    line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.find('\0') != std::string_view::npos) {
        scratch = line;
        std::erase(scratch, '\0');
        line = scratch;
    }
    return true;
}

int CListFileShape::SectionOf(std::string_view line)
{
    // Every header begins with "[", and nearly every line is a key.
    if (line.empty() || line[0] != '[') {
        return 0;
    }
    for (int i = 0; i < CListFileFormat::kSectionCount; ++i) {
        if (line == CListFileFormat::kSectionHeaders[i]) {
            return i + 1;
        }
    }
    return 0;
}

bool CListFileShape::SplitKeyLine(std::string_view line, CString& key, std::string_view& value)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        return false;
    }
    const std::string_view text = line.substr(0, equals);
    key.str().assign(text);
    // Nearly every key has no blanks around it.
    constexpr std::string_view kBlanks = " \t\n\r\v\f";
    if (kBlanks.find(text.front()) != std::string_view::npos || kBlanks.find(text.back()) != std::string_view::npos) {
        key.Trim();
    }
    value = line.substr(equals + 1);
    return true;
}
