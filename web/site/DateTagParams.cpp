#include "web/site/DateTagParams.h"

#include "foundation/DateEx.h"

bool CDateTagParams::Parse(const CString& tagText)
{
    return ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key != "format") {
            return false;
        }
        format = value;
        return true;
    });
}

CString CDateTagParams::FormatNow() const
{
    CDateEx now(COleDateTime::GetCurrentTime());
    return format.IsEmpty() ? now.Format("%Y/%m/%d") : now.FormatDate(format);
}
