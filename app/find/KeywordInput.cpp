#include "app/find/KeywordInput.h"

#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"

namespace {

void CutToSize(CStringArray& history)
{
    if (history.GetSize() > CKeywordInput::kHistorySize) {
        history.SetSize(CKeywordInput::kHistorySize);
    }
}

} // namespace

void CKeywordInput::AddToTop(CStringArray& history, const CString& text)
{
    for (int i = history.GetSize() - 1; i >= 0; --i) {
        if (history[i] == text) {
            history.RemoveAt(i);
        }
    }
    history.InsertAt(0, text);
    CutToSize(history);
}

void CKeywordInput::AddKeepingPlace(CStringArray& history, const CString& text)
{
    for (const CString& entry : history) {
        if (entry == text) {
            return;
        }
    }
    history.InsertAt(0, text);
    CutToSize(history);
}

void CKeywordInput::SplitKeywords(const CString& text, CStringArray& keywords)
{
    CTextHelper half(text);
    half.ToHalfWidthKana();
    CStringArrayEx pieces;
    pieces.Split(half, ' ');
    keywords.RemoveAll();
    for (const CString& piece : pieces) {
        if (!piece.IsEmpty()) {
            keywords.Add(piece);
        }
    }
}
