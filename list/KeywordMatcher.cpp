#include "list/KeywordMatcher.h"

#include "foundation/TextHelper.h"
#include "platform/Cp932.h"

CKeywordMatcher::CKeywordMatcher(const CStringArray& keywords, bool anyMatch, bool wholeText,
                                 bool caseSensitive)
    : m_anyMatch(anyMatch), m_wholeText(wholeText), m_caseSensitive(caseSensitive)
{
    for (const CString& keyword : keywords) {
        CString normalised = Normalise(keyword);
        if (m_wholeText) {
            m_keywords.push_back('\0' + normalised.str() + '\0');
        } else {
            m_keywords.push_back(normalised.str());
        }
    }
}

CString CKeywordMatcher::Normalise(const CString& text) const
{
    CTextHelper normalised(text);
    if (!m_caseSensitive) {
        normalised.ToUpper();
    }
    normalised.ToHalfWidthKana();
    return normalised;
}

void CKeywordMatcher::AddText(const CString& text)
{
    if (text.IsEmpty()) {
        return;
    }
    if (m_row.empty()) {
        m_row += '\0';
    }
    m_row += text.view();
    m_row += '\0';
}

bool CKeywordMatcher::Contains(const std::string& normalised, const std::string& keyword) const
{
    for (size_t pos = normalised.find(keyword); pos != std::string::npos;
         pos = normalised.find(keyword, pos + 1)) {
        // A match must start on a character, not on the second byte of one.
        size_t start = normalised.rfind('\0', pos == 0 ? 0 : pos - 1);
        start = (start == std::string::npos) ? 0 : start + 1;
        if (pos < start || !Cp932::IsTrailPosition(std::string_view(normalised).substr(start), pos - start)) {
            return true;
        }
    }
    return false;
}

bool CKeywordMatcher::RowMatches()
{
    if (m_row.empty() || m_keywords.empty()) {
        return false;
    }
    std::string normalised = Normalise(CString(std::move(m_row))).str();
    m_row.clear();
    for (const std::string& keyword : m_keywords) {
        bool found = Contains(normalised, keyword);
        if (found && m_anyMatch) {
            return true;
        }
        if (!found && !m_anyMatch) {
            return false;
        }
    }
    return !m_anyMatch;
}
