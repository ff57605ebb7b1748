#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <ctime>

// What a directory lookup tells of a file: its times (seconds since the epoch), size and
// attribute bits (CFile::Attribute).
struct CFileStatus
{
    std::time_t m_ctime = 0; // creation
    std::time_t m_mtime = 0; // last write
    std::time_t m_atime = 0; // last access
    std::int64_t m_size = 0;
    unsigned char m_attribute = 0;
};

// Fills status from the directory entry of path; false when it is not found. A creation or
// last-access time the file system does not give is taken from the last write; a file that
// replacing writes made anew keeps the creation time of the first.
bool GetFileStatus(const CString& path, CFileStatus& status);
