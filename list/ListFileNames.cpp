#include "list/ListFileNames.h"

#include "foundation/PathName.h"

#include <string_view>

bool CListFileNames::IsPlainName(const CString& name)
{
    for (char ch : name.view()) {
        if (!((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))) {
            return false;
        }
    }
    return true;
}

bool CListFileNames::IsFolderName(const CString& name)
{
    // "/" is never the trail byte of a double-byte character, so a byte search finds only
    // separators.
    const std::string_view view = name.view();
    return !view.empty() && view != "." && view != ".." && view.find('/') == std::string_view::npos;
}

bool CListFileNames::IsFolderPath(const CString& path)
{
    std::string_view rest = path.view();
    if (rest.size() < 2 || rest.front() != '/') {
        return false;
    }
    rest.remove_prefix(1);
    if (rest.back() == '/') {
        rest.remove_suffix(1);
    }
    if (rest.empty()) {
        return false;
    }
    while (!rest.empty()) {
        const size_t end = rest.find('/');
        const std::string_view part = rest.substr(0, end);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return true;
}

CString CListFileNames::StandardPhotoFolderName(const CString& listPath)
{
    return "Photo-" + GetBaseNameOfPath(listPath);
}

CString CListFileNames::PhotoFolderNameToFollow(const CString& stored, const CString& listPath)
{
    return stored.IsEmpty() || IsFolderName(stored) ? stored : StandardPhotoFolderName(listPath);
}

CString CListFileNames::ResolveWebFolder(const CString& stored, const CString& listFolder)
{
    return stored == kDefaultWebFolder ? listFolder + "/Web" : stored;
}
