#include "photo/batch/PhotoPreview.h"

#include "foundation/FileStatus.h"
#include "foundation/PathName.h"
#include "photo/batch/PhotoFileTexts.h"

void CPhotoPreview::Clear()
{
    m_picture.Clear();
    m_sizeText.Empty();
    m_bytesText.Empty();
    m_dateText.Empty();
}

bool CPhotoPreview::Load(const CString& path)
{
    Clear();
    if (GetExtensionOfPath(path).CompareNoCase("jpg") != 0 || !m_picture.LoadUprightJpeg(path)) {
        m_picture.Clear();
        return false;
    }
    m_sizeText.Format("X:%d Y:%d", m_picture.Width(), m_picture.Height());
    CFileStatus status;
    if (GetFileStatus(path, status)) {
        m_bytesText = PhotoFileTexts::FormatByteCount(status.m_size, false) + " bytes";
        m_dateText = PhotoFileTexts::FormatFileTime(status.m_mtime, "%Y/%m/%d");
    }
    return true;
}
