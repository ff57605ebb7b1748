#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

// File-system calls on the program's CP932 paths ("/" as separator). Every path is converted to
// UTF-8 here, at the system call, and names read from the system come back as CP932.
namespace FileSystem {

// The UTF-8 path that the system sees for a CP932 path. *lossless is cleared when a byte of the
// path has no Unicode mapping (the path then names a different file).
std::filesystem::path ToNative(const CString& path, bool* lossless = nullptr);

// The CP932 form of a system path. *lossless is cleared when the name holds a character that
// CP932 cannot express; such a name cannot be opened again through its CP932 form.
CString FromNative(const std::filesystem::path& path, bool* lossless = nullptr);

// One entry of a folder, with its system name so that it can be reached even when its CP932
// name is not exact.
struct Entry
{
    CString name;
    std::filesystem::path native;
    bool isDirectory = false;
    bool lossless = true;
};

// The entries of a folder without "." and "..", sorted by name without regard to case (the
// order a Windows file system lists them in). False when the folder cannot be read.
bool ListFolder(const CString& folder, std::vector<Entry>& entries);

// What a directory lookup tells of a path (links followed). Times are seconds since the epoch;
// creationTime is 0 when the file system does not record it.
struct Info
{
    bool isDirectory = false;
    bool readOnly = false;
    bool hidden = false;
    std::int64_t size = 0;
    std::time_t creationTime = 0;
    std::time_t writeTime = 0;
    std::time_t accessTime = 0;
    // Which file it is: another file, or a folder mounted over the path, has another pair.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

bool GetInfo(const CString& path, Info& info);

// The path made absolute against the current folder, with "." and ".." parts resolved as text
// (links are not followed). An empty path stays empty.
CString GetFullPath(const CString& path);
bool GetInfo(const std::filesystem::path& native, Info& info);
bool Exists(const CString& path);

// Makes one folder, as CreateDirectory does: false when it exists already or its parent is
// missing.
bool CreateFolder(const CString& path);
bool IsDirectory(const CString& path);

// True when path names folder itself or something inside it, after both are made absolute and
// their links, "." and ".." resolved as far as they exist.
bool IsSameOrInside(const CString& path, const CString& folder);

// Opens a file with an fopen mode; null with errno set on failure.
FILE* OpenStream(const CString& path, const char* mode);

// Replacing writes: a new file is written beside the target under a unique name and renamed
// over the target when complete, so that the target holds either its old or its new contents
// and never a half-written file. CreateBeside returns the open temporary stream (mode "wb" or
// "w+b") and its path; CommitReplace flushes it to the disk, gives it the target's permissions,
// closes it and renames it over the target; AbandonReplace closes and removes it. Both close
// the stream whatever happens. False with errno set on failure. The new file keeps the time the
// target was first created (see KeptCreationTime).
FILE* CreateBeside(const CString& target, bool readable, CString& tempPath);
bool CommitReplace(FILE* stream, const CString& tempPath, const CString& target);
void AbandonReplace(FILE* stream, const CString& tempPath);
// A replacing write of contents known whole, in one write: as CreateBeside and CommitReplace
// make it, through a temporary file beside the target renamed over it once complete.
bool ReplaceContents(const CString& target, std::string_view bytes);
// Removes the temporary files that replacing writes of target left behind when the process was
// killed before it could commit or abandon them.
void RemoveReplaceLeftovers(const CString& target);
// The same for every target in a folder whose system name isTarget takes (a pattern of names).
void RemoveReplaceLeftoversIn(const CString& folder, const std::function<bool(std::string_view target)>& isTarget);
// When a file was first created, as replacing writes carry it from file to file; 0 when the
// file was never replaced or the file system keeps no such note.
std::time_t KeptCreationTime(const CString& path);

// The file that a replacing write of path should replace: path itself, or the file a symbolic
// link points to. Empty when path exists but is not a regular file (a device or a pipe), which
// is then written in place.
CString ReplaceTarget(const CString& path);

} // namespace FileSystem
