#include "app/find/GlobalFindForm.h"

#include "app/find/KeywordInput.h"
#include "list/GlobalFindSettings.h"

CGlobalFindForm::CGlobalFindForm(GlobalFindSettings& settings) : m_settings(settings)
{
    openFolderLists = settings.openFolderLists;
    folder = settings.folder;
    if (!settings.keywordHistory.IsEmpty()) {
        keywordText = settings.keywordHistory[0];
    }
    combine = settings.anyMatch != 0 ? 1 : 0;
    wholeText = settings.wholeText;
    caseSensitive = settings.caseSensitive;
}

int CGlobalFindForm::Check() const
{
    if (openFolderLists && folder.IsEmpty()) {
        return 30600;
    }
    // A text of spaces alone holds no keyword either.
    CStringArray keywords;
    CKeywordInput::SplitKeywords(keywordText, keywords);
    return keywords.IsEmpty() ? 30601 : 0;
}

void CGlobalFindForm::Store()
{
    m_settings.openFolderLists = openFolderLists;
    m_settings.folder = folder;
    CKeywordInput::SplitKeywords(keywordText, m_settings.keywords);
    CKeywordInput::AddToTop(m_settings.keywordHistory, keywordText);
    m_settings.anyMatch = combine;
    m_settings.wholeText = wholeText;
    m_settings.caseSensitive = caseSensitive;
}
