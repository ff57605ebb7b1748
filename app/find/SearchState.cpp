#include "app/find/SearchState.h"

#include "app/find/KeywordInput.h"

CSearchState::Form CSearchState::GetForm() const
{
    return {settings.keyword, settings.wholeCell, settings.caseSensitive, settings.allColumns,
            settings.downward};
}

void CSearchState::Accept(const Form& form, bool fromTop)
{
    settings.keyword = form.text;
    CKeywordInput::AddKeepingPlace(history, form.text);
    settings.wholeCell = form.wholeCell;
    settings.caseSensitive = form.caseSensitive;
    settings.allColumns = form.allColumns;
    settings.downward = form.downward;
    settings.fromStart = fromTop;
    result = fromTop ? kFindFromTop : kFindNext;
}
