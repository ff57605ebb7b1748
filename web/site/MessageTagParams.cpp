#include "web/site/MessageTagParams.h"

#include "web/site/WebTagScope.h"

bool CMessageTagParams::Parse(const CString& tagText)
{
    return ParseOneKey(tagText, "def", def);
}

CString CMessageTagParams::Emit(const CWebTagScope& scope) const
{
    return CWebTagScope::NameText(scope.Settings().message, def);
}
