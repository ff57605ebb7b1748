#pragma once

#include "platform/CString.h"

#include <stdexcept>

// A failed file operation: what went wrong, the system's error number and the file. what()
// holds a CP932 text for the error report.
class CFileException : public std::runtime_error
{
  public:
    enum Cause
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(Cause cause, int osError, const CString& fileName);

    // The cause that a system error number stands for.
    static Cause CauseFromErrno(int osError);

    // Throws the exception for the system error number.
    [[noreturn]] static void ThrowOsError(int osError, const CString& fileName);

    Cause m_cause;
    int m_lOsError;
    CString m_strFileName;
};
