#include "web/site/TitleTagParams.h"

#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CTitleTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key != "def") {
            return false;
        }
        def = value;
        return true;
    });
}

CString CTitleTagParams::Emit(const CWebTagScope& scope) const
{
    const CString& webTitle = scope.Settings().webTitle;
    return CWebTagScope::DataText(webTitle.IsEmpty() ? scope.Doc().title : webTitle, def);
}
