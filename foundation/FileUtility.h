#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

#include <ctime>
#include <optional>
#include <string_view>

// Free functions for the program's files and folders. Paths are CP932 with "/" as separator;
// file patterns follow the Windows wildcard rules (see MatchFileName).

// Full path of the running program file.
CString GetProgramPath();

// The folder of an installed program's shared files (Sample, Template, Web, the help file):
// share/zantoby beside the bin folder of programPath. Empty when there is none there, as for
// a program that runs from its build folder, where each file stands where the build puts it.
CString GetInstalledDataFolder(const CString& programPath);
// The running program's installed data folder, else the program's own folder.
CString GetProgramFilesFolder();

// This process's private temporary folder, with its trailing "/"; removed when the program ends.
CString GetTempFolder();

// The user's documents folder, the default of the folder settings.
CString GetMyDocumentsFolder();

// True when path is a folder that can be listed.
bool FolderExists(const CString& path);

// True when name matches a Windows file pattern: "*" any run of characters, "?" one character
// (a double-byte character is one), letters compared without regard to case, and a pattern
// ending in ".*" also matching names without a dot, so "*.*" matches every name.
bool MatchFileName(const CString& name, const CString& pattern);

// Counts the files (not folders) in the folder of pathPattern whose names match its file
// pattern, and fills list (when given) with their paths relative to that folder. With recurse,
// every sub-folder is searched first, depth first, its files listed as "sub/name". Files and
// folders whose names hold characters that Shift_JIS cannot are left out, as no path of the
// program can reach them; unheld (when given) receives their relative paths, those characters
// marked ■.
int ListFiles(const CString& pathPattern, CStringArray* list, bool recurse, CStringArray* unheld = nullptr);

// The message for a file or folder path from the system (UTF-8) whose names hold characters
// that Shift_JIS cannot: it names them and shows the path with them marked ■. Empty when every
// character can be held.
CString DescribeUnheldPath(std::string_view nativePath);
// The message for the names ListFiles left out (see its unheld list): they are named, at most
// ten of them and the count of the rest. Empty when the list is.
CString DescribeUnheldNames(const CStringArray& names);

// Copies a file, a folder with everything in it, or every file and folder matching a pattern.
// A single source goes into target when target is a folder, else becomes target; the matches
// of a pattern go into the folder target, made when missing. Existing files are replaced
// (each through a file beside it, so a failed copy leaves them as they were). True when all
// was copied.
bool CopyFiles(const CString& source, const CString& target);

// Copies the one file source (its name taken as it is, never as a pattern) to the file target,
// replacing it through a file beside it. False, with errno set, when it could not be copied.
bool CopySingleFile(const CString& source, const CString& target);

// Moves a file or folder to target, or into target when it is a folder; replaces an existing
// file. Works across file systems.
bool MovePath(const CString& source, const CString& target);

// Deletes a file, a folder with everything in it, or every file and folder matching a pattern,
// permanently and without asking. Refuses (false, nothing deleted) an empty path, the root, the
// home folder, a path with "." or ".." parts, a relative path with a pattern and a pattern in
// the root or the home folder.
bool DeletePath(const CString& path);

// Deletes the files (not folders) matching pattern, with writtenBefore only those last written
// before that time; nothing when none match. Refuses the same paths as DeletePath.
bool DeleteFiles(const CString& pattern, std::optional<std::time_t> writtenBefore = std::nullopt);
