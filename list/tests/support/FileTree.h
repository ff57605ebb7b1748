#pragma once

#include "platform/CString.h"

#include <map>
#include <string>
#include <vector>

// Every file, folder and link under a folder, by path relative to it, with a file's bytes or a
// link's target, so that what a run touched can be told by comparing two readings.
using FileTree = std::map<std::string, std::string>;

FileTree ReadFileTree(const CString& folder);

// The paths added, removed or changed from before to after, each with "+", "-" or "~" in front,
// leaving out those under any of the folders given (relative paths).
std::vector<std::string> ChangedPaths(const FileTree& before, const FileTree& after,
                                      const std::vector<std::string>& ignoredFolders = {});
