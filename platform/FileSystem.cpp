#include "platform/FileSystem.h"

#include "platform/Cp932.h"
#include "platform/DeferredSync.h"
#include "platform/FileCommitHook.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace FileSystem {

namespace {

CommitHook& Hook()
{
    static CommitHook hook;
    return hook;
}

// The permission bits a newly created file gets, read once: umask can only be read by setting it.
mode_t NewFileMode()
{
    static const mode_t mode = [] {
        mode_t mask = umask(0);
        umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

void FillInfo(const struct statx& st, Info& info)
{
    info.isDirectory = S_ISDIR(st.stx_mode);
    info.readOnly = (st.stx_mode & S_IWUSR) == 0;
    info.size = static_cast<std::int64_t>(st.stx_size);
    info.writeTime = st.stx_mtime.tv_sec;
    info.accessTime = (st.stx_mask & STATX_ATIME) != 0 ? st.stx_atime.tv_sec : 0;
    info.creationTime = (st.stx_mask & STATX_BTIME) != 0 ? st.stx_btime.tv_sec : 0;
    info.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    info.inode = st.stx_ino;
}

// A replacing write makes a new file; the creation time of the first one travels with it here.
constexpr const char* kCreatedAttribute = "user.zantoby.created";
// mkostemp's unique part.
constexpr size_t kUniqueLength = 6;

// An absolute path of printable ASCII with no empty, "." or ".." part and no trailing "/", as the
// program makes its own: already whole, and the same in both encodings.
bool IsWholeAsciiPath(std::string_view path)
{
    if (path.size() < 2 || path.front() != '/' || path.back() == '/') {
        return false;
    }
    if (std::any_of(path.begin(), path.end(), [](char ch) { return ch < 0x20 || ch > 0x7E; })) {
        return false;
    }
    const std::string withEnd = std::string(path) + "/";
    return withEnd.find("//") == std::string::npos && withEnd.find("/./") == std::string::npos &&
           withEnd.find("/../") == std::string::npos;
}

std::time_t ReadKeptCreation(const char* native)
{
    char value[32] = {};
    ssize_t length = getxattr(native, kCreatedAttribute, value, sizeof(value) - 1);
    if (length <= 0) {
        return 0;
    }
    char* end = nullptr;
    long long seconds = std::strtoll(value, &end, 10);
    return end == value + length && seconds > 0 ? static_cast<std::time_t>(seconds) : 0;
}

// Gives the file being written the creation time of the file it replaces.
void KeepCreation(int fd, const std::filesystem::path& target)
{
    std::time_t created = ReadKeptCreation(target.c_str());
    if (created == 0) {
        struct statx st
        {
        };
        if (statx(AT_FDCWD, target.c_str(), 0, STATX_BTIME | STATX_MTIME, &st) != 0) {
            return;
        }
        created = (st.stx_mask & STATX_BTIME) != 0 ? st.stx_btime.tv_sec : st.stx_mtime.tv_sec;
    }
    std::string value = std::to_string(static_cast<long long>(created));
    // A file system without user attributes only loses the note.
    fsetxattr(fd, kCreatedAttribute, value.data(), value.size(), 0);
}

// Makes the temporary file of a replacing write beside its target, named after it with a
// unique ending; its descriptor, or -1 with errno set.
int MakeTemporary(const std::filesystem::path& target, std::string& tempPath)
{
    tempPath = target.native() + ".XXXXXX";
    return mkostemp(tempPath.data(), O_CLOEXEC);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Puts a complete temporary file in the target's place: it takes the target's permissions and
// creation note, is flushed to the disk unless a run waits for the disk at its end, is closed
// by closeFile, and replaces the target. Removed again on failure.
bool CommitFile(int fd, const std::function<int()>& closeFile, const std::filesystem::path& temp,
                const CString& target)
{
    const std::filesystem::path native = ToNative(target);
    if (const CommitHook& hook = Hook()) {
        if (const int error = hook(target); error != 0) {
            closeFile();
            unlink(temp.c_str());
            errno = error;
            return false;
        }
    }
    struct stat old
    {
    };
    const bool replacing = stat(native.c_str(), &old) == 0;
    mode_t mode = replacing ? (old.st_mode & 07777) : NewFileMode();
    // A new file has no creation time to keep.
    if (replacing) {
        KeepCreation(fd, native);
    }
    // Inside a run of many files the run waits for the disk once, at its end.
    const bool sync = !CDeferredSync::Defer(native.parent_path());
    bool ok = fchmod(fd, mode) == 0 && (!sync || fsync(fd) == 0);
    int error = ok ? 0 : errno;
    if (closeFile() != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temp.c_str(), native.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        errno = error;
    }
    return ok;
}

} // namespace

std::filesystem::path ToNative(const CString& path, bool* lossless)
{
    return std::filesystem::path(Cp932::ToUtf8(path.view(), lossless));
}

CString FromNative(const std::filesystem::path& path, bool* lossless)
{
    return CString(Cp932::FromUtf8(path.native(), lossless));
}

bool ListFolder(const CString& folder, std::vector<Entry>& entries)
{
    entries.clear();
    std::filesystem::path native = ToNative(folder.IsEmpty() ? CString(".") : folder);
    DIR* dir = opendir(native.c_str());
    if (dir == nullptr) {
        return false;
    }
    while (dirent* item = readdir(dir)) {
        std::string_view name = item->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        Entry entry;
        entry.native = native / item->d_name;
        entry.name = CString(Cp932::FromUtf8(name, &entry.lossless));
        if (item->d_type == DT_DIR) {
            entry.isDirectory = true;
        } else if (item->d_type == DT_UNKNOWN || item->d_type == DT_LNK) {
            struct stat st
            {
            };
            entry.isDirectory = stat(entry.native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        int order = Mbcs::CompareNoCase(a.name.view(), b.name.view());
        return order != 0 ? order < 0 : a.native < b.native;
    });
    return true;
}

bool GetInfo(const std::filesystem::path& native, Info& info)
{
    struct statx st
    {
    };
    if (statx(AT_FDCWD, native.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) {
        return false;
    }
    info = Info();
    FillInfo(st, info);
    std::string name = native.filename().native();
    info.hidden = !name.empty() && name[0] == '.';
    return true;
}

bool GetInfo(const CString& path, Info& info)
{
    return GetInfo(ToNative(path), info);
}

CString GetFullPath(const CString& path)
{
    if (path.IsEmpty() || IsWholeAsciiPath(path.view())) {
        return path;
    }
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(ToNative(path), error);
    if (error) {
        return path;
    }
    full = full.lexically_normal();
    if (full.has_relative_path() && !full.has_filename()) {
        full = full.parent_path(); // no trailing separator
    }
    return FromNative(full);
}

bool Exists(const CString& path)
{
    // Opening a list asks this of several files of every photo: one call, without the path
    // object and the file's details that GetInfo makes.
    struct stat st
    {
    };
    return stat(Cp932::ToUtf8(path.view()).c_str(), &st) == 0;
}

bool IsSameOrInside(const CString& path, const CString& folder)
{
    if (path.IsEmpty() || folder.IsEmpty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::path inner =
        std::filesystem::weakly_canonical(std::filesystem::absolute(ToNative(path), error), error);
    if (error) {
        return false;
    }
    std::filesystem::path outer =
        std::filesystem::weakly_canonical(std::filesystem::absolute(ToNative(folder), error), error);
    if (error) {
        return false;
    }
    auto innerPart = inner.begin();
    for (const auto& part : outer) {
        // A trailing separator leaves an empty last element.
        if (part.empty()) {
            continue;
        }
        if (innerPart == inner.end() || *innerPart != part) {
            return false;
        }
        ++innerPart;
    }
    return true;
}

bool CreateFolder(const CString& path)
{
    std::error_code error;
    return !path.IsEmpty() && std::filesystem::create_directory(ToNative(path), error) && !error;
}

bool IsDirectory(const CString& path)
{
    Info info;
    return GetInfo(path, info) && info.isDirectory;
}

FILE* OpenStream(const CString& path, const char* mode)
{
    return std::fopen(Cp932::ToUtf8(path.view()).c_str(), mode);
}

CString ReplaceTarget(const CString& path)
{
    std::filesystem::path native = ToNative(path);
    std::error_code error;
    auto status = std::filesystem::symlink_status(native, error);
    if (error || !std::filesystem::exists(status)) {
        return path;
    }
    if (std::filesystem::is_symlink(status)) {
        auto resolved = std::filesystem::weakly_canonical(native, error);
        if (error) {
            return path;
        }
        native = resolved;
        status = std::filesystem::status(native, error);
        if (error || !std::filesystem::exists(status)) {
            return FromNative(native);
        }
    }
    return std::filesystem::is_regular_file(status) ? FromNative(native) : CString();
}

FILE* CreateBeside(const CString& target, bool readable, CString& tempPath)
{
    std::string temp;
    int fd = MakeTemporary(ToNative(target), temp);
    if (fd < 0) {
        return nullptr;
    }
    FILE* stream = fdopen(fd, readable ? "w+b" : "wb");
    if (stream == nullptr) {
        int saved = errno;
        close(fd);
        unlink(temp.c_str());
        errno = saved;
        return nullptr;
    }
    tempPath = FromNative(temp);
    return stream;
}

void SetCommitHook(CommitHook hook)
{
    Hook() = std::move(hook);
}

bool CommitReplace(FILE* stream, const CString& tempPath, const CString& target)
{
    if (std::fflush(stream) != 0) {
        AbandonReplace(stream, tempPath);
        return false;
    }
    return CommitFile(
        fileno(stream), [stream] { return std::fclose(stream); }, ToNative(tempPath), target);
}

bool ReplaceContents(const CString& target, std::string_view bytes)
{
    std::string temp;
    const int fd = MakeTemporary(ToNative(target), temp);
    if (fd < 0) {
        return false;
    }
    if (!WriteAll(fd, bytes)) {
        const int saved = errno;
        close(fd);
        unlink(temp.c_str());
        errno = saved;
        return false;
    }
    return CommitFile(
        fd, [fd] { return close(fd); }, temp, target);
}

void AbandonReplace(FILE* stream, const CString& tempPath)
{
    int saved = errno;
    std::fclose(stream);
    unlink(ToNative(tempPath).c_str());
    errno = saved;
}

namespace {

void RemoveLeftoversIn(const std::filesystem::path& folder, const std::function<bool(std::string_view target)>& isTarget)
{
    // Every opening of a list looks here: the folder is read as it stands, without a path object
    // for each of its entries.
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (dirent* item = readdir(dir)) {
        std::string_view name = item->d_name;
        if (name.size() <= kUniqueLength + 1 || name[name.size() - kUniqueLength - 1] != '.' ||
            !std::all_of(name.end() - static_cast<std::ptrdiff_t>(kUniqueLength), name.end(),
                         [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; }) ||
            !isTarget(name.substr(0, name.size() - kUniqueLength - 1))) {
            continue;
        }
        struct stat st
        {
        };
        if (fstatat(dirfd(dir), item->d_name, &st, 0) == 0 && S_ISREG(st.st_mode)) {
            unlinkat(dirfd(dir), item->d_name, 0);
        }
    }
    closedir(dir);
}

} // namespace

void RemoveReplaceLeftoversIn(const CString& folder, const std::function<bool(std::string_view target)>& isTarget)
{
    RemoveLeftoversIn(ToNative(folder), isTarget);
}

void RemoveReplaceLeftovers(const CString& target)
{
    CString resolved = ReplaceTarget(target);
    if (resolved.IsEmpty()) {
        return;
    }
    std::filesystem::path native = ToNative(resolved);
    const std::string name = native.filename().native();
    RemoveLeftoversIn(native.parent_path(), [&name](std::string_view leftover) { return leftover == name; });
}

std::time_t KeptCreationTime(const CString& path)
{
    return ReadKeptCreation(ToNative(path).c_str());
}

} // namespace FileSystem
