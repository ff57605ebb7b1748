#include "list/ListFolderIdentity.h"

#include "platform/FileSystem.h"

void CListFolderIdentity::Remember(const CString& listFolder, const CString& photoFolder)
{
    FileSystem::Info info;
    m_known = FileSystem::GetInfo(listFolder, info) && info.isDirectory;
    m_device = info.device;
    m_inode = info.inode;
    m_photoFolderPresent = m_known && FileSystem::IsDirectory(photoFolder);
}

CString CListFolderIdentity::Check(const CString& listFolder, const CString& photoFolder) const
{
    if (!m_known) {
        return CString();
    }
    // A folder that is not there at all takes no file: the writing fails and says why.
    FileSystem::Info info;
    if (!FileSystem::GetInfo(listFolder, info)) {
        return CString();
    }
    if (!info.isDirectory || info.device != m_device || info.inode != m_inode) {
        return "ﾘｽﾄを開いた時のﾌｫﾙﾀﾞではなくなっています(ﾈｯﾄﾜｰｸﾌｫﾙﾀﾞやﾃﾞｨｽｸが外された可能性があります)";
    }
    if (m_photoFolderPresent && !FileSystem::IsDirectory(photoFolder)) {
        return "写真保存用ﾌｫﾙﾀﾞ[" + photoFolder + "]がなくなっています";
    }
    return CString();
}
