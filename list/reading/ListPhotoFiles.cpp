#include "list/reading/ListPhotoFiles.h"

#include "foundation/BitmapEx.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"

bool CListPhotoFiles::Exists(const CString& path)
{
    // A list without photos on disk has no photo folder: one look at the folder answers for
    // every file of every photo.
    const CString folder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    if (!m_folderLooked || folder != m_folder) {
        m_folder = folder;
        m_folderLooked = true;
        m_folderExists = FileSystem::Exists(folder);
    }
    return m_folderExists && FileSystem::Exists(path);
}

CString CListPhotoFiles::Original(int slot, bool flat) const
{
    return m_doc.GetPhotoFilePath(slot, CListPhotos::kOriginal, flat);
}

void CListPhotoFiles::Measure(int slot)
{
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    CBitmapEx bitmap;
    if (bitmap.LoadJpeg(m_doc.GetOriginalPhotoPath(slot))) {
        photo.width = bitmap.Width();
        photo.height = bitmap.Height();
    } else {
        photo.width = -1;
        photo.height = -1;
    }
}
