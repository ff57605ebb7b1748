#include "platform/DeferredSync.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>
#include <vector>

std::mutex CDeferredSync::s_mutex;
int CDeferredSync::s_runs = 0;
std::set<std::string> CDeferredSync::s_folders;

CDeferredSync::CDeferredSync()
{
    std::lock_guard lock(s_mutex);
    ++s_runs;
}

CDeferredSync::~CDeferredSync()
{
    Finish();
}

bool CDeferredSync::Defer(const std::filesystem::path& folder)
{
    std::lock_guard lock(s_mutex);
    if (s_runs == 0) {
        return false;
    }
    s_folders.insert(folder.empty() ? std::string(".") : folder.string());
    return true;
}

bool CDeferredSync::Finish()
{
    std::set<std::string> folders;
    {
        std::lock_guard lock(s_mutex);
        if (!std::exchange(m_open, false)) {
            return true;
        }
        // Nested runs leave the folders to the outermost one.
        if (--s_runs > 0) {
            return true;
        }
        folders.swap(s_folders);
    }
    bool ok = true;
    int error = 0;
    std::vector<dev_t> synced;
    for (const std::string& folder : folders) {
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            // A folder removed since is no longer anyone's to flush.
            continue;
        }
        struct stat info
        {
        };
        bool flushed = fstat(fd, &info) == 0;
        // One flush of a whole file system writes every file of the run that lies on it.
        if (flushed && std::find(synced.begin(), synced.end(), info.st_dev) == synced.end()) {
            flushed = syncfs(fd) == 0;
            synced.push_back(info.st_dev);
        }
        flushed = flushed && fsync(fd) == 0;
        if (!flushed && ok) {
            ok = false;
            error = errno;
            m_failed = folder;
        }
        close(fd);
    }
    if (!ok) {
        errno = error;
    }
    return ok;
}
