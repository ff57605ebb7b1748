#include "web/site/FileNameTagParams.h"

#include "web/site/WebTagScope.h"

bool CFileNameTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key != "mode" || (value != "list" && value != "page")) {
            return false;
        }
        mode = value == "list" ? 1 : 2;
        return true;
    });
}

const char* CFileNameTagParams::Emit(const CWebTagScope& scope, CString& out) const
{
    const WebPageContext& page = scope.Page();
    int kind = mode != 0 ? mode : (page.singlePage == 0 ? 1 : 2);
    if (kind == 1) {
        out = scope.ListPageName(page.singlePage != 0 ? 0 : page.currentPage);
        return nullptr;
    }
    if (page.singlePage == 0) {
        return "mode=pageはページでしか使用できません\n\n%s";
    }
    int record = scope.RecordAt(scope.Window().firstRow);
    out = record >= 0 ? "p/" + scope.SinglePageName(record) : CString();
    return nullptr;
}
