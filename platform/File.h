#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <cstdio>

class CFileException;

// A binary file on a CP932 path with the framework's open flags. A file opened with modeCreate
// (and without modeNoTruncate) is written beside its target and takes the target's place only
// when it is closed, so that a failed or interrupted write leaves the old file as it was.
class CFile
{
  public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };

    // Attribute bits of a file status.
    enum Attribute : unsigned char
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };

    enum SeekPosition
    {
        begin = SEEK_SET,
        current = SEEK_CUR,
        end = SEEK_END
    };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const CString& path, unsigned flags);
    // A file still open is closed; while an exception unwinds, a replacing write is abandoned
    // instead, so the target keeps its old contents.
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False (and the error filled when given) when the file cannot be opened.
    virtual bool Open(const CString& path, unsigned flags, CFileException* error = nullptr);
    // Closes the file and puts a replacing write in place; throws CFileException on failure.
    virtual void Close();
    // Closes without raising; a replacing write is thrown away.
    void Abort();

    // Reads up to count bytes; fewer at the end of the file.
    virtual unsigned Read(void* buffer, unsigned count);
    virtual void Write(const void* buffer, unsigned count);
    void Flush();
    std::int64_t Seek(std::int64_t offset, SeekPosition from);
    void SeekToBegin() { Seek(0, begin); }
    std::int64_t SeekToEnd() { return Seek(0, end); }
    std::int64_t GetPosition() const;
    std::int64_t GetLength() const;

    bool IsOpen() const { return m_stream != nullptr; }
    const CString& GetFilePath() const { return m_path; }
    // The underlying stream, for libraries that read or write a FILE*.
    FILE* GetStream() const { return m_stream; }

  protected:
    [[noreturn]] void ThrowError(int osError) const;
    // Throws when the stream reports a read or write error.
    void CheckStream();

    FILE* m_stream = nullptr;
    CString m_path;

  private:
    CString m_replaceTarget; // set while a replacing write is open
    CString m_tempPath;
    int m_openExceptions = 0; // uncaught exceptions when the file was opened
};
