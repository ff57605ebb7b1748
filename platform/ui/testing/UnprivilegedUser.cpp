#include "platform/ui/testing/UnprivilegedUser.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace UnprivilegedUser {

namespace {

// The system's account for processes that may own nothing; its number where no account entry
// names it.
constexpr uid_t kNobody = 65534;

bool IsRoot()
{
    return geteuid() == 0;
}

} // namespace

uid_t Uid()
{
    if (!IsRoot()) {
        return geteuid();
    }
    const passwd* entry = getpwnam("nobody");
    return entry != nullptr ? entry->pw_uid : kNobody;
}

gid_t Gid()
{
    if (!IsRoot()) {
        return getegid();
    }
    const passwd* entry = getpwnam("nobody");
    return entry != nullptr ? entry->pw_gid : kNobody;
}

bool Become()
{
    if (!IsRoot()) {
        return true;
    }
    const uid_t uid = Uid();
    const gid_t gid = Gid();
    return setgroups(0, nullptr) == 0 && setresgid(gid, gid, gid) == 0 && setresuid(uid, uid, uid) == 0 &&
           geteuid() == uid;
}

int Run(const std::function<int()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(Become() ? work() : 255);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool Give(const std::filesystem::path& path)
{
    if (!IsRoot()) {
        return true;
    }
    const uid_t uid = Uid();
    const gid_t gid = Gid();
    if (lchown(path.c_str(), uid, gid) != 0) {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(path, error))) {
        return true;
    }
    for (std::filesystem::recursive_directory_iterator entry(path, error), end; !error && entry != end;
         entry.increment(error)) {
        if (lchown(entry->path().c_str(), uid, gid) != 0) {
            return false;
        }
    }
    return !error;
}

void LetThrough(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    for (std::filesystem::path folder = path; !error; folder = folder.parent_path()) {
        const std::filesystem::path relative = folder.lexically_relative(temp);
        if (relative.empty() || relative == "." || *relative.begin() == "..") {
            break;
        }
        struct stat info = {};
        if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            chmod(folder.c_str(), info.st_mode | S_IXOTH);
        }
    }
}

} // namespace UnprivilegedUser
