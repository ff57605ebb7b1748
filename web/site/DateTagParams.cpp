#include "web/site/DateTagParams.h"

#include "foundation/DateEx.h"

bool CDateTagParams::Parse(const CString& tagText)
{
    return ParseOneKey(tagText, "format", format);
}

CString CDateTagParams::FormatNow() const
{
    CDateEx now(COleDateTime::GetCurrentTime());
    return format.IsEmpty() ? now.Format("%Y/%m/%d") : now.FormatDate(format);
}
