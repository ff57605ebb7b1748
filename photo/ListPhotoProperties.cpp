#include "photo/ListPhotoProperties.h"

#include "list/IListView.h"
#include "list/ListHintArg.h"
#include "list/ListLimits.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/IDrawingHost.h"
#include "platform/FileSystem.h"
#include "platform/SystemText.h"

#include <cerrno>

CListPhotoProperties::CListPhotoProperties(CZantobyDoc& list, int photo, IDrawingHost& host)
    : m_list(list), m_photo(photo), m_host(host)
{
}

bool CListPhotoProperties::Load()
{
    if (m_photo < 0 || m_photo >= kMaxPhotos || !m_list.GetPhoto(m_photo).inUse) {
        return false;
    }
    comment = m_list.GetPhoto(m_photo).name;
    drawing.path.SetPath(m_list.GetDrawingPath(m_photo));
    return drawing.Read(drawing.path.GetPath(), m_host);
}

bool CListPhotoProperties::IsEditable() const
{
    // The editor keeps the photo's corrections and comment too and would write its own back.
    return !m_list.readOnly && m_list.editingPhotos.count(m_photo) == 0;
}

CString CListPhotoProperties::GetOriginalPath() const
{
    return m_list.GetOriginalPhotoPath(m_photo);
}

int CListPhotoProperties::GetWidth() const
{
    return m_list.GetPhoto(m_photo).width;
}

int CListPhotoProperties::GetHeight() const
{
    return m_list.GetPhoto(m_photo).height;
}

bool CListPhotoProperties::WriteDrawingFile(CDrawingData& drawing, IDrawingHost& host)
{
    const CString folder = drawing.path.GetFolderPath();
    if (folder.IsEmpty() || (!FileSystem::IsDirectory(folder) && !FileSystem::CreateFolder(folder))) {
        const int error = folder.IsEmpty() ? ENOENT : errno;
        host.ShowErrorMessage(41003, folder + "\n" + SystemErrorText(error));
        return false;
    }
    return drawing.Write(drawing.path.GetPath(), host);
}

bool CListPhotoProperties::Apply()
{
    if (!IsEditable() || !WriteDrawingFile(drawing, m_host)) {
        return false;
    }
    m_list.GetPhoto(m_photo).name = comment;
    m_list.SetModifiedFlag();
    const bool rendered = m_list.ImportPhotoImage(CString(), m_photo, CString(), 0) >= 0;
    ListHintArg arg;
    arg.photo = m_photo;
    m_list.UpdateAllViews(nullptr, kHintPhotoChanged, &arg);
    m_list.UpdateAllViews(nullptr, kHintRowsEdited);
    return rendered;
}
