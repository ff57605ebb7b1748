#include "FileTree.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

FileTree ReadFileTree(const CString& folder)
{
    FileTree tree;
    const fs::path root(folder.str());
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::none, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string relative = fs::relative(it->path(), root).string();
        if (it->is_symlink()) {
            tree[relative] = "link:" + fs::read_symlink(it->path()).string();
        } else if (it->is_directory()) {
            tree[relative + "/"] = "";
        } else {
            std::ifstream in(it->path(), std::ios::binary);
            tree[relative] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return tree;
}

std::vector<std::string> ChangedPaths(const FileTree& before, const FileTree& after,
                                      const std::vector<std::string>& ignoredFolders)
{
    auto ignored = [&](const std::string& path) {
        for (const std::string& folder : ignoredFolders) {
            if (path == folder + "/" || path.rfind(folder + "/", 0) == 0) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> changed;
    for (const auto& [path, bytes] : before) {
        const auto now = after.find(path);
        if (ignored(path)) {
            continue;
        }
        if (now == after.end()) {
            changed.push_back("-" + path);
        } else if (now->second != bytes) {
            changed.push_back("~" + path);
        }
    }
    for (const auto& entry : after) {
        if (!ignored(entry.first) && before.find(entry.first) == before.end()) {
            changed.push_back("+" + entry.first);
        }
    }
    return changed;
}
