#pragma once

#include "platform/CString.h"

#include <string>

// The request a later copy of the program hands to the running one: the file named on its
// command line as an absolute path, or nothing (bring the running copy forward only). Paths
// from outside never name the pseudo paths that only the program opens for itself.
class CFileHandOver
{
  public:
    // The path of a command-line argument: made absolute against currentFolder, with "." and
    // ".." parts and doubled "/" taken out. False for an empty argument and for the pseudo
    // paths "autophoto:" and "template:...".
    static bool ResolveArgument(const CString& argument, const CString& currentFolder, CString& path);

    // The message for the running copy; an empty path asks it to come forward only.
    static std::string FormatRequest(const CString& path);
    // Reads a message: true with the path (empty for bring-forward) when it is well formed and
    // names an absolute path without control characters.
    static bool ParseRequest(const std::string& message, CString& path);

    // True for the pseudo paths of the program's own opens.
    static bool IsPseudoPath(const CString& path);
};
