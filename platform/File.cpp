#include "platform/File.h"

#include "platform/FileException.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <exception>
#include <sys/stat.h>
#include <utility>

CFile::CFile(const CString& path, unsigned flags)
{
    CFileException error(CFileException::none, 0, path);
    if (!Open(path, flags, &error)) {
        throw error;
    }
}

CFile::~CFile()
{
    if (m_stream == nullptr) {
        return;
    }
    if (std::uncaught_exceptions() > m_openExceptions) {
        Abort();
        return;
    }
    try {
        Close();
    } catch (const CFileException&) {
        // A destructor cannot report; the target was left as it was.
    }
}

bool CFile::Open(const CString& path, unsigned flags, CFileException* error)
{
    if (m_stream != nullptr) {
        Abort();
    }
    m_path = path;
    m_openExceptions = std::uncaught_exceptions();
    unsigned access = flags & 0x3;
    bool create = (flags & modeCreate) != 0;
    bool truncate = create && (flags & modeNoTruncate) == 0;
    errno = 0;
    if (truncate && access != modeRead) {
        CString target = FileSystem::ReplaceTarget(path);
        if (!target.IsEmpty()) {
            m_stream = FileSystem::CreateBeside(target, access == modeReadWrite, m_tempPath);
            if (m_stream != nullptr) {
                m_replaceTarget = target;
            }
        } else {
            m_stream = FileSystem::OpenStream(path, access == modeReadWrite ? "w+b" : "wb");
        }
    } else if (access == modeRead) {
        m_stream = FileSystem::OpenStream(path, "rb");
    } else {
        m_stream = FileSystem::OpenStream(path, "r+b");
        if (m_stream == nullptr && create && errno == ENOENT) {
            m_stream = FileSystem::OpenStream(path, "w+b");
        }
    }
    if (m_stream == nullptr) {
        if (error != nullptr) {
            *error = CFileException(CFileException::CauseFromErrno(errno), errno, path);
        }
        return false;
    }
    // A directory opens for reading on Linux; the framework refuses it. The temporary file
    // beside a target is always a new plain file.
    struct stat st
    {
    };
    if (m_replaceTarget.IsEmpty() && fstat(fileno(m_stream), &st) == 0 && S_ISDIR(st.st_mode)) {
        Abort();
        if (error != nullptr) {
            *error = CFileException(CFileException::accessDenied, EISDIR, path);
        }
        return false;
    }
    return true;
}

void CFile::Close()
{
    if (m_stream == nullptr) {
        return;
    }
    FILE* stream = std::exchange(m_stream, nullptr);
    if (!m_replaceTarget.IsEmpty()) {
        CString target = std::exchange(m_replaceTarget, CString());
        if (!FileSystem::CommitReplace(stream, m_tempPath, target)) {
            ThrowError(errno);
        }
        return;
    }
    if (std::fclose(stream) != 0) {
        ThrowError(errno);
    }
}

void CFile::Abort()
{
    if (m_stream == nullptr) {
        return;
    }
    FILE* stream = std::exchange(m_stream, nullptr);
    if (!m_replaceTarget.IsEmpty()) {
        m_replaceTarget.Empty();
        FileSystem::AbandonReplace(stream, m_tempPath);
    } else {
        std::fclose(stream);
    }
}

unsigned CFile::Read(void* buffer, unsigned count)
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    size_t got = std::fread(buffer, 1, count, m_stream);
    CheckStream();
    return static_cast<unsigned>(got);
}

void CFile::Write(const void* buffer, unsigned count)
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    if (count > 0 && std::fwrite(buffer, 1, count, m_stream) != count) {
        ThrowError(errno != 0 ? errno : EIO);
    }
}

void CFile::Flush()
{
    if (m_stream != nullptr && std::fflush(m_stream) != 0) {
        ThrowError(errno);
    }
}

std::int64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    if (m_stream == nullptr || fseeko(m_stream, offset, from) != 0) {
        ThrowError(m_stream == nullptr ? EBADF : errno);
    }
    return GetPosition();
}

std::int64_t CFile::GetPosition() const
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    return ftello(m_stream);
}

std::int64_t CFile::GetLength() const
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    off_t position = ftello(m_stream);
    if (position < 0 || fseeko(m_stream, 0, SEEK_END) != 0) {
        ThrowError(errno);
    }
    off_t length = ftello(m_stream);
    if (fseeko(m_stream, position, SEEK_SET) != 0) {
        ThrowError(errno);
    }
    return length;
}

void CFile::ThrowError(int osError) const
{
    CFileException::ThrowOsError(osError, m_path);
}

void CFile::CheckStream()
{
    if (std::ferror(m_stream)) {
        int error = errno != 0 ? errno : EIO;
        std::clearerr(m_stream);
        ThrowError(error);
    }
}
