#include "app/startup/FileHandOver.h"

#include "list/ListLifecycle.h"
#include "platform/Arrays.h"

namespace {

constexpr char kOpen[] = "open\n";
constexpr char kRaise[] = "raise\n";

// "/a/./b//../c" as "/a/c"; ".." at the root stays at the root.
CString Normalise(const CString& absolute)
{
    CStringArray parts;
    int start = 1;
    while (start <= absolute.GetLength()) {
        int end = absolute.Find('/', start);
        if (end < 0) {
            end = absolute.GetLength();
        }
        const CString part = absolute.Mid(start, end - start);
        if (part == "..") {
            if (!parts.IsEmpty()) {
                parts.RemoveAt(parts.GetSize() - 1);
            }
        } else if (!part.IsEmpty() && part != ".") {
            parts.Add(part);
        }
        start = end + 1;
    }
    CString result;
    for (int index = 0; index < parts.GetSize(); ++index) {
        result += "/";
        result += parts[index];
    }
    return result.IsEmpty() ? CString("/") : result;
}

} // namespace

bool CFileHandOver::IsPseudoPath(const CString& path)
{
    const CString templatePrefix = CListLifecycle::kTemplatePrefix;
    return path == CListLifecycle::kAutoPhotoPath || path.Left(templatePrefix.GetLength()) == templatePrefix;
}

bool CFileHandOver::ResolveArgument(const CString& argument, const CString& currentFolder, CString& path)
{
    path.Empty();
    if (argument.IsEmpty() || IsPseudoPath(argument)) {
        return false;
    }
    path = Normalise(argument[0] == '/' ? argument : currentFolder + "/" + argument);
    return true;
}

std::string CFileHandOver::FormatRequest(const CString& path)
{
    return path.IsEmpty() ? std::string(kRaise) : std::string(kOpen) + path.str();
}

bool CFileHandOver::ParseRequest(const std::string& message, CString& path)
{
    path.Empty();
    if (message == kRaise) {
        return true;
    }
    if (message.rfind(kOpen, 0) != 0) {
        return false;
    }
    const std::string named = message.substr(sizeof kOpen - 1);
    if (named.empty() || named[0] != '/') {
        return false;
    }
    for (const char c : named) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    path = named;
    return true;
}
