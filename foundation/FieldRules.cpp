#include "foundation/FieldRules.h"

#include "foundation/TextHelper.h"

CString CFieldRules::ApplyTrailingSeparator(const CString& path, bool trailing)
{
    if (path.IsEmpty()) {
        return path;
    }
    const bool ends = path[path.GetLength() - 1] == '/';
    if (trailing && !ends) {
        return path + "/";
    }
    if (!trailing && ends && path != "/") {
        return path.Left(path.GetLength() - 1);
    }
    return path;
}

CString CFieldRules::HelpPageAddress(const CString& base, const CString& topic)
{
    CTextHelper address;
    address.Format("%s%s.htm", base.GetString(), topic.IsEmpty() ? "index" : topic.GetString());
    address.ToLower();
    return address;
}
