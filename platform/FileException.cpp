#include "platform/FileException.h"

#include "platform/SystemText.h"

#include <cerrno>

namespace {

// Every opening makes one without a system error, to receive the error should there be one;
// it has no cause to name, and the system's text of no error is not looked up.
std::string Describe(int osError, const CString& fileName)
{
    CString text;
    text.Format("ﾌｧｲﾙを処理できませんでした\nﾌｧｲﾙ名 : %s", fileName.GetString());
    if (osError != 0) {
        text += "\n原因 : " + SystemErrorText(osError);
    }
    return text.str();
}

} // namespace

CFileException::CFileException(Cause cause, int osError, const CString& fileName)
    : std::runtime_error(Describe(osError, fileName)), m_cause(cause), m_lOsError(osError),
      m_strFileName(fileName)
{
}

CFileException::Cause CFileException::CauseFromErrno(int osError)
{
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ETXTBSY:
    case EBUSY:
        return sharingViolation;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(int osError, const CString& fileName)
{
    throw CFileException(CauseFromErrno(osError), osError, fileName);
}
