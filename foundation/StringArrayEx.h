#pragma once

#include "platform/Arrays.h"

#include <string_view>
#include <vector>

class TextMeasurer;

// String list that cuts CP932 texts into fields, lines and digit runs; a double-byte character
// is never taken for a separator, quote or line feed.
class CStringArrayEx : public CStringArray
{
  public:
    // Each replaces the contents and returns true. With maxCount >= 1, the rest of the text
    // behind the maxCount-th separator becomes one last entry.
    bool Split(const char* text, char separator, int maxCount = 0);
    // As Split, but a backslash protects the next character and a field opened by a quote
    // runs to its closing quote; escapes stay in the entries for the caller to undo. The view's
    // text runs to its end, NUL bytes and all.
    bool SplitEscaped(const char* text, char separator, int maxCount = 0);
    bool SplitEscaped(std::string_view text, char separator, int maxCount = 0);
    // The entries SplitEscaped gives, as views into the text: for a reader that takes every
    // line apart and keeps no field as it stands.
    static void SplitEscapedViews(std::string_view text, char separator, std::vector<std::string_view>& fields);
    // Lines of text that fit width pixels as measured; LF and CRLF break lines.
    bool WrapText(const TextMeasurer& measurer, const char* text, int width);
    // Alternating runs of ASCII digits and of other characters.
    bool SplitDigitRuns(const char* text);

    bool Sort(bool descending);
    bool IsSortedDescending() const { return m_sortDescending; }
    // The new count, or -1 when an equal entry is present and nothing was added.
    int AddUnique(const char* text, bool ignoreCase);

    // End of the run of digits, or of other characters, that starts at start.
    static size_t DigitRunEnd(std::string_view text, size_t start);

  private:
    bool m_sortDescending = false;
};
