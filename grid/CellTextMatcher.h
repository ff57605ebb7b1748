#pragma once

#include "platform/CString.h"

// Decides whether a cell's text matches a search text under the find flags, and replaces the
// matched text. Case is folded character by character, so double-byte characters stay whole.
class CCellTextMatcher
{
  public:
    CCellTextMatcher(const CString& text, int flags);

    // Partial: the cell text holds the search text (case folded when ignoring case). Whole: the
    // cell text is not empty and equals the search text without regard to case.
    bool Matches(const CString& cellText) const;
    // The cell text with every match replaced (the whole text for a whole-text search).
    CString Replace(const CString& cellText, const CString& replacement) const;
    bool IsEmpty() const { return m_text.IsEmpty(); }

  private:
    CString Folded(const CString& text) const;
    int FindIn(const CString& folded, int start) const;

    CString m_text;
    CString m_folded;
    bool m_partial;
    bool m_ignoreCase;
};
