#include "web/site/BlockTagParams.h"

bool CBlockTagParams::Parse(const CString& tagText)
{
    bool known = ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key == "count") {
            count = ToInt(value);
        } else if (key == "no" && m_acceptsStart) {
            no = ToInt(value);
        } else {
            return false;
        }
        return true;
    });
    return known && count >= 1;
}
