#include "platform/FolderLock.h"

#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const CString& folder)
{
    m_fd = open(FileSystem::ToNative(folder.IsEmpty() ? CString(".") : folder).c_str(),
                O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd >= 0) {
        while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0) {
        close(m_fd); // releases the lock
    }
}
