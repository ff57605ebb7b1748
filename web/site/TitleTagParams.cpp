#include "web/site/TitleTagParams.h"

#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CTitleTagParams::Parse(const CString& tagText)
{
    return ParseOneKey(tagText, "def", def);
}

CString CTitleTagParams::Emit(const CWebTagScope& scope) const
{
    const CString& webTitle = scope.Settings().webTitle;
    return CWebTagScope::NameText(webTitle.IsEmpty() ? scope.Doc().title : webTitle, def);
}
