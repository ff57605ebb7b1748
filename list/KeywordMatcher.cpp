#include "list/KeywordMatcher.h"

#include "foundation/TextHelper.h"
#include "platform/Cp932.h"
#include "platform/Mbcs.h"

#include <algorithm>

CKeywordMatcher::CKeywordMatcher(const CStringArray& keywords, bool anyMatch, bool wholeText,
                                 bool caseSensitive)
    : m_anyMatch(anyMatch), m_wholeText(wholeText), m_caseSensitive(caseSensitive), m_charTable(0x10000)
{
    for (const CString& keyword : keywords) {
        CTextHelper normalised(Normalise(keyword));
        Keyword entry;
        entry.text = m_wholeText ? '\0' + normalised.str() + '\0' : normalised.str();
        entry.anchor = FindAnchor(normalised);
        entry.singleByte = !normalised.HasDoubleByte();
        m_keywords.push_back(std::move(entry));
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

std::string CKeywordMatcher::FindAnchor(const CString& normalised) const
{
    // A double-byte character left in a normalised keyword is one that the half-width step
    // keeps, and that step yields single bytes or the character itself, so only upper-casing
    // can lead another character to it: a character without a lower case has no other source.
    std::string_view text = normalised.view();
    std::string best;
    std::string run;
    for (size_t i = 0; i <= text.size();) {
        bool anchors = false;
        size_t length = 1;
        if (i < text.size()) {
            length = Cp932::CharLength(text, i);
            unsigned int code = Mbcs::CharCode(text, i);
            anchors = length == 2 && (m_caseSensitive || Mbcs::CharToLower(code) == code);
        }
        if (anchors) {
            run.append(text.substr(i, length));
        } else {
            if (run.size() > best.size()) {
                best = run;
            }
            run.clear();
        }
        i += length;
    }
    return best;
}

void CKeywordMatcher::BeginRow()
{
    m_row.clear();
    for (Keyword& keyword : m_keywords) {
        keyword.found = false;
    }
}

bool CKeywordMatcher::Contains(const std::string& texts, const std::string& part)
{
    for (size_t pos = texts.find(part); pos != std::string::npos; pos = texts.find(part, pos + 1)) {
        // A match must start on a character, not on the second byte of one.
        size_t start = texts.rfind('\0', pos == 0 ? 0 : pos - 1);
        start = (start == std::string::npos) ? 0 : start + 1;
        if (pos < start || !Cp932::IsTrailPosition(std::string_view(texts).substr(start), pos - start)) {
            return true;
        }
    }
    return false;
}

void CKeywordMatcher::NormaliseRow(std::string& normalised)
{
    // A character never grows when it is normalised, so the row's length is room enough; two
    // bytes more let every character be copied as two bytes.
    std::string_view row = m_row;
    normalised.resize(row.size() + 2);
    char* out = normalised.data();
    for (size_t i = 0; i < row.size();) {
        size_t length = Cp932::CharLength(row, i);
        unsigned int code = static_cast<unsigned char>(row[i]);
        if (length == 2) {
            code = code << 8 | static_cast<unsigned char>(row[i + 1]);
        }
        Mapped& mapped = m_charTable[code];
        if (mapped.length < 0) {
            CString form = Normalise(CString(row.substr(i, length)));
            mapped.length = static_cast<signed char>(std::min<size_t>(form.GetLength(), length));
            form.view().copy(mapped.bytes, mapped.length);
        }
        out[0] = mapped.bytes[0];
        out[1] = mapped.bytes[1];
        out += mapped.length;
        i += length;
    }
    normalised.resize(out - normalised.data());
}

bool CKeywordMatcher::AnchorsRuleOut() const
{
    bool anyPossible = false;
    for (const Keyword& keyword : m_keywords) {
        // Only the first round holds double-byte texts, so only it can hold an anchor.
        bool possible = keyword.anchor.empty() || Contains(m_row, keyword.anchor);
        if (!possible && !m_anyMatch) {
            return true;
        }
        anyPossible = anyPossible || possible;
    }
    return !anyPossible;
}

CKeywordMatcher::Verdict CKeywordMatcher::Search(bool lastRound)
{
    bool pending = false;
    if (!m_row.empty()) {
        NormaliseRow(m_normalised);
    }
    for (Keyword& keyword : m_keywords) {
        if (!keyword.found && !m_row.empty()) {
            keyword.found = Contains(m_normalised, keyword.text);
        }
        if (keyword.found && m_anyMatch) {
            return Verdict::Matches;
        }
        // A keyword with a double-byte character cannot turn up among single-byte texts.
        bool stillPossible = !keyword.found && !lastRound && keyword.singleByte;
        if (!keyword.found && !stillPossible && !m_anyMatch) {
            return Verdict::Fails;
        }
        pending = pending || stillPossible;
    }
    if (pending) {
        return Verdict::NeedsSingleByteTexts;
    }
    return m_anyMatch ? Verdict::Fails : Verdict::Matches;
}

CKeywordMatcher::Verdict CKeywordMatcher::TestRow()
{
    if (AnchorsRuleOut()) {
        return Verdict::Fails;
    }
    Verdict verdict = Search(false);
    m_row.clear();
    return verdict;
}

bool CKeywordMatcher::FinishRow()
{
    bool matches = Search(true) == Verdict::Matches;
    m_row.clear();
    return matches;
}
