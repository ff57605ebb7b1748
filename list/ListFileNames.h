#pragma once

#include "platform/CString.h"

// The names and folders that a list file gives its photos, Web pages and backups. A list comes
// from anywhere, so the program follows only names that keep it inside the folders the user
// chose, and puts the list's standard names in place of the others.
class CListFileNames
{
  public:
    // The stored Web folder that stands for the folder "Web" beside the list.
    static constexpr const char* kDefaultWebFolder = "%Default%";

    // A Web file name or extension: ASCII letters and digits only (empty: not set).
    static bool IsPlainName(const CString& name);
    // A folder beside the list: one name, neither "." nor "..", with no "/".
    static bool IsFolderName(const CString& name);
    // A folder given whole: absolute, with no ".", ".." or empty part.
    static bool IsFolderPath(const CString& path);

    // The photo folder's name of a list saved under path: "Photo-" and the file's base name.
    static CString StandardPhotoFolderName(const CString& listPath);
    // The photo folder's name that the program uses for a stored one: the stored name unless
    // it leads out of the list's folder (empty: the list's folder itself, as old lists have it).
    static CString PhotoFolderNameToFollow(const CString& stored, const CString& listPath);
    // The Web folder a stored setting means, for a list in listFolder.
    static CString ResolveWebFolder(const CString& stored, const CString& listFolder);
};
