#include "foundation/FileUtility.h"

#include "ZantobyInstallDirs.h"
#include "foundation/PathName.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/Mbcs.h"
#include "platform/PrivateTempFolder.h"
#include "platform/SpecialFolders.h"
#include "platform/UnmappableChars.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A path cut at its last "/" into the folder to search and the file pattern. The root keeps
// its "/"; a bare pattern searches the current folder.
struct PatternPath
{
    CString folder;
    CString pattern;
};

PatternPath SplitPattern(const CString& path)
{
    int slash = path.ReverseFind('/');
    if (slash < 0) {
        return {CString(), path};
    }
    return {slash == 0 ? CString("/") : path.Left(slash), path.Mid(slash + 1)};
}

bool HasWildcard(const CString& text)
{
    return text.FindOneOf("*?") >= 0;
}

// Character codes of a name, folded to lower case, so that a double-byte character is one unit.
std::vector<unsigned> FoldedCodes(const CString& text)
{
    std::vector<unsigned> codes;
    std::string_view view = text.view();
    for (size_t i = 0; i < view.size(); i += Cp932::CharLength(view, i)) {
        codes.push_back(Mbcs::CharToLower(Mbcs::CharCode(view, i)));
    }
    return codes;
}

bool MatchCodes(const std::vector<unsigned>& name, const std::vector<unsigned>& pattern)
{
    size_t n = 0;
    size_t p = 0;
    std::optional<size_t> starAt;
    size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starName = n;
        } else if (starAt) {
            p = *starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

// True for a path whose deletion would be catastrophic or depends on the current folder.
bool IsUnsafeToDelete(const CString& path)
{
    CString trimmed = path;
    trimmed.Trim();
    if (trimmed.IsEmpty()) {
        return true;
    }
    PatternPath split = SplitPattern(trimmed);
    bool pattern = HasWildcard(split.pattern);
    if (HasWildcard(split.folder) || (pattern && trimmed[0] != '/')) {
        return true;
    }
    fs::path native = FileSystem::ToNative(trimmed);
    for (const fs::path& part : native) {
        if (part == "." || part == "..") {
            return true;
        }
    }
    // What is at stake: the folder a pattern empties, or the path itself.
    fs::path target = (pattern ? FileSystem::ToNative(split.folder) : native).lexically_normal();
    if (!target.has_filename()) {
        target = target.parent_path();
    }
    fs::path home = FileSystem::ToNative(SpecialFolders::GetHomeFolder()).lexically_normal();
    return target.relative_path().empty() || target == home;
}

// The entries of a folder that match a file pattern; false when the folder cannot be read.
bool ListMatches(const PatternPath& split, std::vector<FileSystem::Entry>& matches)
{
    std::vector<FileSystem::Entry> entries;
    if (!FileSystem::ListFolder(split.folder, entries)) {
        return false;
    }
    matches.clear();
    for (auto& entry : entries) {
        if (MatchFileName(entry.name, split.pattern)) {
            matches.push_back(std::move(entry));
        }
    }
    return true;
}

// True when path lies at or below folder (compared on absolute, normalised paths).
bool IsInside(const fs::path& path, const fs::path& folder)
{
    std::error_code error;
    fs::path a = fs::absolute(path, error).lexically_normal();
    fs::path b = fs::absolute(folder, error).lexically_normal();
    auto [mismatch, ignored] = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
    return mismatch == b.end() || (mismatch->empty() && std::next(mismatch) == b.end());
}

bool IsLink(const fs::path& path)
{
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error));
}

// Copies one file to target through a file beside it, so an existing target is replaced whole.
bool CopyOneFile(const fs::path& source, const fs::path& target)
{
    FILE* in = std::fopen(source.c_str(), "rb");
    if (in == nullptr) {
        return false;
    }
    CString targetPath = FileSystem::FromNative(target);
    CString tempPath;
    FILE* out = FileSystem::CreateBeside(targetPath, false, tempPath);
    if (out == nullptr) {
        std::fclose(in);
        return false;
    }
    // The kernel copies within its page cache where it can; otherwise the bytes pass through.
    bool copied = false;
    for (;;) {
        const ssize_t sent =
            copy_file_range(fileno(in), nullptr, fileno(out), nullptr, std::size_t{1} << 30, 0);
        if (sent <= 0) {
            copied = sent == 0;
            break;
        }
    }
    char buffer[1 << 16];
    bool ok = true;
    size_t got;
    while (!copied && ok && (got = std::fread(buffer, 1, sizeof(buffer), in)) > 0) {
        ok = std::fwrite(buffer, 1, got, out) == got;
    }
    ok = ok && !std::ferror(in);
    std::fclose(in);
    if (!ok) {
        FileSystem::AbandonReplace(out, tempPath);
        return false;
    }
    return FileSystem::CommitReplace(out, tempPath, targetPath);
}

// Copies a file or a folder tree to target (the new path itself, not its parent). Links are
// copied as links, so a link to a folder above cannot make the copy endless.
bool CopyTree(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    if (IsInside(target, source)) {
        return false; // a folder copied into itself would never end
    }
    if (IsLink(source)) {
        fs::remove(target, error);
        fs::copy_symlink(source, target, error);
        return !error;
    }
    if (!fs::is_directory(source, error)) {
        return CopyOneFile(source, target);
    }
    fs::create_directories(target, error);
    if (error) {
        return false;
    }
    bool ok = true;
    for (const auto& item : fs::directory_iterator(source, error)) {
        ok = CopyTree(item.path(), target / item.path().filename()) && ok;
    }
    return ok && !error;
}

bool RemoveTree(const fs::path& path)
{
    std::error_code error;
    fs::remove_all(path, error);
    return !error;
}

bool DeleteMatching(const CString& pattern, bool filesOnly, std::optional<std::time_t> writtenBefore)
{
    if (IsUnsafeToDelete(pattern)) {
        return false;
    }
    PatternPath split = SplitPattern(pattern);
    std::vector<FileSystem::Entry> matches;
    if (!ListMatches(split, matches)) {
        return false;
    }
    bool ok = true;
    for (const auto& entry : matches) {
        if (filesOnly && entry.isDirectory) {
            continue;
        }
        FileSystem::Info info;
        if (writtenBefore && (!FileSystem::GetInfo(entry.native, info) || info.writeTime >= *writtenBefore)) {
            continue;
        }
        ok = RemoveTree(entry.native) && ok;
    }
    return ok;
}

} // namespace

CString GetProgramPath()
{
    return SpecialFolders::GetModulePath();
}

CString GetInstalledDataFolder(const CString& programPath)
{
    const CString folder =
        FileSystem::GetFullPath(GetFolderOfPath(programPath) + "/" + ZANTOBY_DATA_FROM_PROGRAM);
    return FileSystem::IsDirectory(folder) ? folder : CString();
}

CString GetProgramFilesFolder()
{
    const CString program = GetProgramPath();
    const CString installed = GetInstalledDataFolder(program);
    return installed.IsEmpty() ? GetFolderOfPath(program) : installed;
}

CString GetTempFolder()
{
    return PrivateTempFolder::Get();
}

CString GetMyDocumentsFolder()
{
    return SpecialFolders::GetDocumentsFolder();
}

bool FolderExists(const CString& path)
{
    std::vector<FileSystem::Entry> entries;
    return FileSystem::ListFolder(path, entries);
}

bool MatchFileName(const CString& name, const CString& pattern)
{
    std::vector<unsigned> codes = FoldedCodes(name);
    if (MatchCodes(codes, FoldedCodes(pattern))) {
        return true;
    }
    // "*.*" and "x*.*" also take names without any dot, as Windows lists them.
    int length = pattern.GetLength();
    return length >= 2 && pattern.Right(2) == ".*" && name.Find('.') < 0 &&
           MatchCodes(codes, FoldedCodes(pattern.Left(length - 2)));
}

int ListFiles(const CString& pathPattern, CStringArray* list, bool recurse, CStringArray* unheld)
{
    if (list != nullptr) {
        list->RemoveAll();
    }
    if (unheld != nullptr) {
        unheld->RemoveAll();
    }
    PatternPath split = SplitPattern(pathPattern);
    int count = 0;
    // Depth first: a folder's sub-folders before its own files.
    auto search = [&](auto& self, const CString& folder, const CString& relative) -> void {
        std::vector<FileSystem::Entry> entries;
        if (!FileSystem::ListFolder(folder, entries)) {
            return;
        }
        CString prefix = folder.IsEmpty() ? CString() : (folder == "/" ? folder : folder + "/");
        std::erase_if(entries, [&](const FileSystem::Entry& entry) {
            const bool wanted = entry.isDirectory ? recurse : MatchFileName(entry.name, split.pattern);
            if (!entry.lossless && unheld != nullptr && wanted) {
                const std::string name = entry.native.filename().string();
                unheld->Add(relative + CUnmappableChars(name).Marked());
            }
            return !entry.lossless;
        });
        if (recurse) {
            for (const auto& entry : entries) {
                if (entry.isDirectory && !IsLink(entry.native)) {
                    self(self, prefix + entry.name, relative + entry.name + "/");
                }
            }
        }
        for (const auto& entry : entries) {
            if (!entry.isDirectory && MatchFileName(entry.name, split.pattern)) {
                ++count;
                if (list != nullptr) {
                    list->Add(relative + entry.name);
                }
            }
        }
    };
    search(search, split.folder, CString());
    return count;
}

bool CopyFiles(const CString& source, const CString& target)
{
    fs::path to = FileSystem::ToNative(target);
    std::error_code error;
    PatternPath split = SplitPattern(source);
    if (!HasWildcard(split.pattern)) {
        fs::path from = FileSystem::ToNative(source);
        if (!fs::exists(fs::symlink_status(from, error))) {
            return false;
        }
        if (fs::is_directory(to, error)) {
            to /= from.filename();
        }
        return CopyTree(from, to);
    }
    std::vector<FileSystem::Entry> matches;
    if (!ListMatches(split, matches)) {
        return false;
    }
    fs::create_directories(to, error);
    if (!fs::is_directory(to, error)) {
        return false;
    }
    bool ok = true;
    for (const auto& entry : matches) {
        ok = CopyTree(entry.native, to / entry.native.filename()) && ok;
    }
    return ok;
}

bool CopySingleFile(const CString& source, const CString& target)
{
    return CopyOneFile(FileSystem::ToNative(source), FileSystem::ToNative(target));
}

bool MovePath(const CString& source, const CString& target)
{
    fs::path from = FileSystem::ToNative(source);
    fs::path to = FileSystem::ToNative(target);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(from, error))) {
        return false;
    }
    if (fs::is_directory(to, error)) {
        to /= from.filename();
    }
    fs::rename(from, to, error);
    if (!error) {
        return true;
    }
    if (error != std::errc::cross_device_link) {
        return false;
    }
    return CopyTree(from, to) && RemoveTree(from);
}

bool DeletePath(const CString& path)
{
    if (IsUnsafeToDelete(path)) {
        return false;
    }
    if (HasWildcard(SplitPattern(path).pattern)) {
        return DeleteMatching(path, false, std::nullopt);
    }
    fs::path native = FileSystem::ToNative(path);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(native, error))) {
        return false;
    }
    return RemoveTree(native);
}

bool DeleteFiles(const CString& pattern, std::optional<std::time_t> writtenBefore)
{
    return DeleteMatching(pattern, true, writtenBefore);
}

CString DescribeUnheldPath(std::string_view nativePath)
{
    const CUnmappableChars unmappable(nativePath);
    if (unmappable.IsEmpty()) {
        return CString();
    }
    CString message;
    message.Format("ファイルまたはフォルダの名前に、このプログラムでは扱えない文字（%s）があります。\n"
                   "名前を変えてから、もう一度選んでください。\n\n%s",
                   unmappable.Codes().GetString(), unmappable.Marked().GetString());
    return message;
}

CString DescribeUnheldNames(const CStringArray& names)
{
    constexpr int kNamed = 10;
    if (names.GetSize() == 0) {
        return CString();
    }
    CString message = "次のファイルまたはフォルダは、名前にこのプログラムでは扱えない文字（■の所）が"
                      "あるため取り込めません。\n名前を変えてから、もう一度取り込んでください。\n";
    for (int i = 0; i < names.GetSize() && i < kNamed; ++i) {
        message += "\n" + names[i];
    }
    if (names.GetSize() > kNamed) {
        message.AppendFormat("\nほか %d 件", names.GetSize() - kNamed);
    }
    return message;
}
