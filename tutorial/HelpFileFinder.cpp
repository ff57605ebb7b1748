#include "tutorial/HelpFileFinder.h"

#include "foundation/PathName.h"
#include "platform/FileSystem.h"

namespace {

bool IsFile(const CString& path)
{
    return !path.IsEmpty() && FileSystem::Exists(path) && !FileSystem::IsDirectory(path);
}

} // namespace

CString FindHelpFile(const CString& name, const CString& programFolder)
{
    if (IsFile(name)) {
        return FileSystem::GetFullPath(name);
    }
    const CString filePart = GetFileNameOfPath(name);
    if (filePart.IsEmpty()) {
        return CString();
    }
    if (!programFolder.IsEmpty() && IsFile(programFolder + "/" + filePart)) {
        return FileSystem::GetFullPath(programFolder + "/" + filePart);
    }
    return IsFile(filePart) ? FileSystem::GetFullPath(filePart) : CString();
}
