#include "web/site/MessageTagParams.h"

#include "web/site/WebTagScope.h"

bool CMessageTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key != "def") {
            return false;
        }
        def = value;
        return true;
    });
}

CString CMessageTagParams::Emit(const CWebTagScope& scope) const
{
    return CWebTagScope::DataText(scope.Settings().message, def);
}
