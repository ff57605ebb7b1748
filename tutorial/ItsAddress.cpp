#include "tutorial/ItsAddress.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char kScheme[] = "its:";
constexpr char kSeparator[] = "::";

// The path with its "." and ".." segments resolved as a URL's are; ".." at the root stays at
// the root. The path begins with "/".
CString WithoutDotSegments(const CString& path)
{
    std::vector<std::string_view> kept;
    std::string_view rest = path.view().substr(1);
    bool endsInFolder = false;
    for (;;) {
        const size_t slash = rest.find('/');
        const std::string_view segment = rest.substr(0, slash);
        const bool last = slash == std::string_view::npos;
        endsInFolder = last && (segment == "." || segment == "..");
        if (segment == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
        } else if (segment != ".") {
            kept.push_back(segment);
        }
        if (last) {
            break;
        }
        rest.remove_prefix(slash + 1);
    }
    std::string resolved;
    for (std::string_view segment : kept) {
        resolved += '/';
        resolved += segment;
    }
    if (endsInFolder || resolved.empty()) {
        resolved += '/';
    }
    return CString(resolved);
}

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
    // Relative links of a page arrive joined to the page's folder ("/html/sub/../b.htm").
    page = WithoutDotSegments(page);
    return true;
}
