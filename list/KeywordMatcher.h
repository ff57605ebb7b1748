#pragma once

#include "platform/Arrays.h"

#include <string>
#include <string_view>
#include <vector>

// Tells whether the texts of a row hold a set of keywords. Texts and keywords are normalised
// alike: upper-cased unless the search is case-sensitive, then made half-width, so a keyword
// typed in full-width letters or katakana finds its half-width form and the reverse.
//
// Searching a large list is mostly normalising and formatting its texts, so a row is tested in
// two rounds. The first takes the texts that may hold double-byte characters; before they are
// normalised, they are searched raw for each keyword's anchor: a run of double-byte characters
// (kanji, hiragana ...) that normalising leaves alone and that no other character turns into.
// Only keywords of single-byte characters can still be found in the second round, which takes
// the texts that hold single bytes only (numbers, Yes/No, plain dates).
class CKeywordMatcher
{
  public:
    enum class Verdict
    {
        Matches,
        Fails,
        NeedsSingleByteTexts
    };

    CKeywordMatcher(const CStringArray& keywords, bool anyMatch, bool wholeText, bool caseSensitive);

    bool HasKeywords() const { return !m_keywords.empty(); }

    // First round: the row's texts that may hold double-byte characters.
    void BeginRow();
    void AddText(std::string_view text)
    {
        if (!text.empty()) {
            if (m_row.empty()) {
                m_row += '\0';
            }
            m_row.append(text).push_back('\0');
        }
    }
    Verdict TestRow();
    // Second round, when TestRow asked for it: the row's single-byte texts.
    bool FinishRow();

  private:
    struct Keyword
    {
        std::string text;   // normalised; with whole-text, between two NUL bytes
        std::string anchor; // empty when the keyword has none
        bool singleByte = false;
        bool found = false;
    };

    CString Normalise(const CString& text) const;
    // Normalising works character by character, so the row is normalised through a table of
    // each character's normalised form, filled from Normalise as characters first appear.
    void NormaliseRow(std::string& normalised);
    std::string FindAnchor(const CString& normalised) const;
    static bool Contains(const std::string& texts, const std::string& part);
    bool AnchorsRuleOut() const;
    // Searches the collected texts for the keywords not found yet and decides when it can.
    Verdict Search(bool lastRound);

    std::vector<Keyword> m_keywords;
    bool m_anyMatch;
    bool m_wholeText;
    bool m_caseSensitive;
    // A round's texts joined with NUL bytes, which no typed keyword holds, so one search covers
    // every text and a match never spans two of them.
    std::string m_row;
    std::string m_normalised;

    struct Mapped
    {
        signed char length = -1; // -1 until the character was met
        char bytes[3] = {};
    };
    std::vector<Mapped> m_charTable;
};
