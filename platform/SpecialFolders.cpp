#include "platform/SpecialFolders.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace SpecialFolders {

namespace {

CString FromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? FileSystem::FromNative(value) : CString();
}

CString TrimSlash(CString path)
{
    while (path.GetLength() > 1 && path[path.GetLength() - 1] == '/') {
        path.Delete(path.GetLength() - 1);
    }
    return path;
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: a quoted path that may begin with $HOME.
CString ReadUserDocumentsDir()
{
    std::ifstream file(FileSystem::ToNative(GetConfigHome() + "/user-dirs.dirs"));
    std::string line;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    while (std::getline(file, line)) {
        if (line.compare(0, key.size(), key) != 0) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.compare(0, 5, "$HOME") == 0) {
            return GetHomeFolder() + FileSystem::FromNative(value.substr(5));
        }
        return value.empty() || value[0] != '/' ? CString() : FileSystem::FromNative(value);
    }
    return CString();
}

} // namespace

CString GetModulePath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? CString() : FileSystem::FromNative(path);
}

CString GetHomeFolder()
{
    CString home = FromEnvironment("HOME");
    if (home.IsEmpty()) {
        if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
            home = FileSystem::FromNative(entry->pw_dir);
        }
    }
    return TrimSlash(home);
}

CString GetConfigHome()
{
    CString folder = FromEnvironment("XDG_CONFIG_HOME");
    return TrimSlash(folder.IsEmpty() ? GetHomeFolder() + "/.config" : folder);
}

CString GetStateHome()
{
    CString folder = FromEnvironment("XDG_STATE_HOME");
    return TrimSlash(folder.IsEmpty() ? GetHomeFolder() + "/.local/state" : folder);
}

CString GetDataHome()
{
    CString folder = FromEnvironment("XDG_DATA_HOME");
    return TrimSlash(folder.IsEmpty() ? GetHomeFolder() + "/.local/share" : folder);
}

CString GetDocumentsFolder()
{
    CString folder = TrimSlash(ReadUserDocumentsDir());
    if (!folder.IsEmpty() && FileSystem::IsDirectory(folder)) {
        return folder;
    }
    folder = GetHomeFolder() + "/Documents";
    return FileSystem::IsDirectory(folder) ? folder : GetHomeFolder();
}

} // namespace SpecialFolders
