#pragma once

#include "platform/Arrays.h"

// Texts typed into the find and extract dialogs: the histories their combo boxes offer (newest
// first, at most kHistorySize entries) and the keywords a typed text stands for.
class CKeywordInput
{
  public:
    static constexpr int kHistorySize = 20;

    // Puts the text first; equal entries further down go, and the oldest beyond the limit.
    static void AddToTop(CStringArray& history, const CString& text);
    // Puts a text that is not in the history yet first; a text already there keeps its place.
    static void AddKeepingPlace(CStringArray& history, const CString& text);

    // The keywords of a typed text: in half-width form, split at half-width spaces. Runs of
    // spaces give no empty keyword, which would match every row.
    static void SplitKeywords(const CString& text, CStringArray& keywords);
};
