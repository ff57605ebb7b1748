#include "list/PhotoReconverter.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/TextFile.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdlib>

CString CPhotoReconverter::ResumeFilePath() const
{
    const CString& listFile = m_doc.workPath.IsEmpty() ? m_doc.GetPathName() : m_doc.workPath;
    const CString folder = GetFolderOfPath(listFile);
    // A list that was never given a file (nor a working file) has no folder to keep it in.
    if (folder.IsEmpty()) {
        return CString();
    }
    CString path;
    path.Format("%s/%s.cnv", folder.GetString(), GetBaseNameOfPath(listFile).GetString());
    return path;
}

int CPhotoReconverter::ReadResumeSlot() const
{
    const CString path = ResumeFilePath();
    CString text;
    if (path.IsEmpty() || !ReadTextFile(text, path, CFile::modeRead | CFile::typeText)) {
        return -1;
    }
    const int slot = std::atoi(text);
    return slot >= 0 && slot < kMaxPhotos ? slot : -1;
}

void CPhotoReconverter::WriteResumeSlot(int slot) const
{
    const CString path = ResumeFilePath();
    if (path.IsEmpty()) {
        return;
    }
    CString text;
    text.Format("%d", slot);
    // Without the file the run still converts; only a resume would start from the beginning.
    WriteTextFile(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText, text);
}

void CPhotoReconverter::DeleteResumeFile() const
{
    const CString path = ResumeFilePath();
    if (!path.IsEmpty() && FileSystem::Exists(path)) {
        DeletePath(path);
    }
}

bool CPhotoReconverter::Convert(int firstSlot, Observer& observer)
{
    for (int slot = std::max(firstSlot, 0); slot < m_doc.PhotoReach(); ++slot) {
        PhotoRecord& photo = m_doc.GetPhoto(slot);
        if (!photo.inUse) {
            continue;
        }
        observer.BeforePhoto(slot);
        WriteResumeSlot(slot);
        if (m_doc.ImportPhotoImage(CString(), slot, CString(), 0) < 0) {
            return false;
        }
        // The views read the new thumbnail when they next show the photo.
        photo.thumbnail.reset();
        if (observer.StopRequested()) {
            return false;
        }
    }
    DeleteResumeFile();
    return true;
}
