#include "foundation/FileStatus.h"

#include "platform/File.h"
#include "platform/FileSystem.h"

bool GetFileStatus(const CString& path, CFileStatus& status)
{
    FileSystem::Info info;
    if (!FileSystem::GetInfo(path, info)) {
        return false;
    }
    status = CFileStatus();
    status.m_mtime = info.writeTime;
    // A file rewritten through a replacing write is a new file that keeps its first creation.
    std::time_t kept = info.isDirectory ? 0 : FileSystem::KeptCreationTime(path);
    status.m_ctime = kept != 0 ? kept : info.creationTime != 0 ? info.creationTime : info.writeTime;
    status.m_atime = info.accessTime != 0 ? info.accessTime : info.writeTime;
    status.m_size = info.size;
    status.m_attribute = (info.isDirectory ? CFile::directory : 0) | (info.readOnly ? CFile::readOnly : 0) |
                         (info.hidden ? CFile::hidden : 0);
    return true;
}
