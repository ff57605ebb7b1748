#pragma once

#include "platform/Arrays.h"

#include <string>
#include <vector>

// Tells whether the texts of a row hold a set of keywords. Texts and keywords are normalised
// alike: upper-cased unless the search is case-sensitive, then made half-width, so a keyword
// typed in full-width letters or katakana finds its half-width form and the reverse.
class CKeywordMatcher
{
  public:
    CKeywordMatcher(const CStringArray& keywords, bool anyMatch, bool wholeText, bool caseSensitive);

    bool HasKeywords() const { return !m_keywords.empty(); }

    // Collects one row's texts; empty texts are left out.
    void BeginRow() { m_row.clear(); }
    void AddText(const CString& text);
    // True when the collected texts meet the keywords: all of them, or one with any-match.
    bool RowMatches();

  private:
    CString Normalise(const CString& text) const;
    bool Contains(const std::string& normalised, const std::string& keyword) const;

    std::vector<std::string> m_keywords;
    bool m_anyMatch;
    bool m_wholeText;
    bool m_caseSensitive;
    // A row's texts joined with NUL bytes, which no typed keyword holds, so one search covers
    // every text and a match never spans two of them.
    std::string m_row;
};
