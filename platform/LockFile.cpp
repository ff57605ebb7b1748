#include "platform/LockFile.h"

#include "platform/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

bool LockFile::Acquire(const CString& path)
{
    Release();
    m_failure = 0;
    std::filesystem::path native = FileSystem::ToNative(path);
    // A lock that could not be removed again would outlive its holder; and what is kept in a
    // folder that cannot be written cannot be changed either.
    const std::filesystem::path folder = native.parent_path().empty() ? "." : native.parent_path();
    if (access(folder.c_str(), W_OK) != 0) {
        m_failure = errno;
        return false;
    }
    // A holder that releases removes the file while it still holds the lock, so a lock taken
    // on a file that is no longer at the path is worthless: try again on the new file.
    for (int attempt = 0; attempt < 8; ++attempt) {
        int fd = open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EACCES) {
            // Another user's lock file, in a folder shared with them: it locks as well read-only.
            fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
            errno = fd < 0 ? EACCES : 0;
        }
        if (fd < 0) {
            m_failure = errno;
            return false;
        }
        int locked;
        while ((locked = flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            m_failure = errno == EWOULDBLOCK ? 0 : errno;
            close(fd);
            return false;
        }
        struct stat held = {};
        struct stat named = {};
        if (fstat(fd, &held) == 0 && stat(native.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            m_fd = fd;
            m_path = path;
            return true;
        }
        close(fd);
    }
    return false;
}

void LockFile::Release()
{
    if (m_fd < 0) {
        return;
    }
    unlink(FileSystem::ToNative(m_path).c_str());
    close(m_fd); // lets the lock go
    m_fd = -1;
    m_path.Empty();
}
