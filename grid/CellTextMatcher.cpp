#include "grid/CellTextMatcher.h"

#include "grid/CellDataSource.h"
#include "platform/Mbcs.h"

CCellTextMatcher::CCellTextMatcher(const CString& text, int flags)
    : m_text(text), m_partial((flags & FindFlags::Partial) != 0),
      m_ignoreCase((flags & FindFlags::IgnoreCase) != 0)
{
    m_folded = Folded(text);
}

CString CCellTextMatcher::Folded(const CString& text) const
{
    if (!m_ignoreCase) {
        return text;
    }
    std::string folded = text.str();
    Mbcs::MakeUpper(folded);
    return CString(std::move(folded));
}

int CCellTextMatcher::FindIn(const CString& folded, int start) const
{
    return folded.Find(m_folded.GetString(), start);
}

bool CCellTextMatcher::Matches(const CString& cellText) const
{
    if (m_text.IsEmpty()) {
        return false;
    }
    if (m_partial) {
        return FindIn(Folded(cellText), 0) >= 0;
    }
    return !cellText.IsEmpty() && Mbcs::CompareNoCase(cellText.view(), m_text.view()) == 0;
}

CString CCellTextMatcher::Replace(const CString& cellText, const CString& replacement) const
{
    if (!Matches(cellText)) {
        return cellText;
    }
    if (!m_partial) {
        return replacement;
    }
    // Folding keeps every character's length, so positions in the folded text are positions
    // in the cell text.
    const CString folded = Folded(cellText);
    CString result;
    int copied = 0;
    for (int at = FindIn(folded, 0); at >= 0; at = FindIn(folded, copied)) {
        result += cellText.Mid(copied, at - copied);
        result += replacement;
        copied = at + m_folded.GetLength();
    }
    result += cellText.Mid(copied);
    return result;
}
