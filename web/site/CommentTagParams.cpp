#include "web/site/CommentTagParams.h"

#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CCommentTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key == "rec") {
            rec = ToInt(value);
        } else if (key == "no") {
            no = ToInt(value);
        } else if (key == "def") {
            def = value;
        } else {
            return false;
        }
        return true;
    });
}

const char* CCommentTagParams::Emit(const CWebTagScope& scope, CString& out) const
{
    int slot = -1;
    if (const char* failure = scope.FindPhoto(rec, no, slot)) {
        return failure;
    }
    out = CWebTagScope::NameText(slot >= 0 ? scope.Doc().GetPhoto(slot).name : CString(), def);
    return nullptr;
}
