#include "list/reading/ListLockClaim.h"

#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SystemText.h"

bool CListLockClaim::Take(const CString& path)
{
    FileSystem::Info info;
    if (FileSystem::GetInfo(path, info) && info.readOnly) {
        m_doc.readOnly = true;
    }
    m_doc.lockFile.Release();
    if (m_doc.readOnly || m_doc.lockFile.Acquire(path + "$")) {
        return true;
    }
    // Nobody holds the list, but it cannot be claimed here: its folder is read-only to this user.
    if (const int failure = m_doc.lockFile.GetFailure(); failure != 0) {
        m_doc.Host().ShowWarningMessage(30221, 0, GetFolderOfPath(path).GetString(),
                                        SystemErrorText(failure).GetString());
        m_doc.readOnly = true;
        return true;
    }
    if (m_doc.Host().ShowWarningMessage(30216, MB_YESNO) != IDYES) {
        return false;
    }
    m_doc.readOnly = true;
    return true;
}
