#include "tutorial/ItsAddress.h"

namespace {

constexpr char kScheme[] = "its:";
constexpr char kSeparator[] = "::";

} // namespace

CString CItsAddress::Format(const CString& helpFile, const CString& page)
{
    return kScheme + helpFile + kSeparator + page;
}

bool CItsAddress::Parse(const CString& address, CString& helpFile, CString& page)
{
    const int schemeLength = static_cast<int>(sizeof kScheme - 1);
    if (address.Left(schemeLength).CompareNoCase(kScheme) != 0) {
        return false;
    }
    const int separator = address.Find(kSeparator, schemeLength);
    if (separator <= schemeLength) {
        return false;
    }
    helpFile = address.Mid(schemeLength, separator - schemeLength);
    page = address.Mid(separator + static_cast<int>(sizeof kSeparator - 1));
    const int anchor = page.Find('#');
    if (anchor >= 0) {
        page = page.Left(anchor);
    }
    if (page.IsEmpty()) {
        return false;
    }
    if (page[0] != '/') {
        page = "/" + page;
    }
    return true;
}
