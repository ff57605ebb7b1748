#include "app/startup/OpenListPreview.h"

#include "foundation/FileStatus.h"
#include "foundation/PathName.h"
#include "list/ListLimits.h"

namespace {

CString CountText(int count)
{
    CString text;
    if (count > 0) {
        text.Format("%d", count);
    }
    return text;
}

} // namespace

void COpenListPreview::Select(const CString& path)
{
    m_path = path;
    m_readCountdown = kReadDelay;
    m_stepCountdown = -1;
}

COpenListPreview::Change COpenListPreview::Tick()
{
    if (m_readCountdown > 0) {
        --m_readCountdown;
        return Change::None;
    }
    if (m_readCountdown == 0) {
        Load(m_path);
        return Change::Preview;
    }
    if (m_stepCountdown > 0) {
        --m_stepCountdown;
        return Change::None;
    }
    if (m_stepCountdown == 0) {
        return ShowPhoto(FindNext(true));
    }
    return Change::None;
}

void COpenListPreview::Load(const CString& path)
{
    m_summary.Reset();
    m_changed = 0;
    m_hasPhoto.assign(kMaxPhotos, false);
    m_current = -1;
    m_picture.Clear();
    m_readCountdown = -1;
    m_stepCountdown = -1;
    CFileStatus status;
    if (GetExtensionOfPath(path).CompareNoCase("zbk") != 0 || !GetFileStatus(path, status) ||
        !m_summary.Read(path)) {
        return;
    }
    m_changed = status.m_mtime;
    for (int position = 0; position < m_summary.GetPhotoCount(); ++position) {
        m_hasPhoto[static_cast<size_t>(m_summary.GetPhotoAt(position))] = true;
    }
    for (int photo = 0; photo < kMaxPhotos; ++photo) {
        if (m_hasPhoto[static_cast<size_t>(photo)]) {
            ShowPhoto(photo);
            break;
        }
    }
}

COpenListPreview::Change COpenListPreview::Spin(int delta)
{
    if (delta == 0) {
        return Change::None;
    }
    const Change change = ShowPhoto(FindNext(delta < 0));
    m_stepCountdown = -1;
    return change;
}

CString COpenListPreview::GetRowText() const
{
    return CountText(m_summary.GetRowCount());
}

CString COpenListPreview::GetPhotoText() const
{
    return CountText(m_summary.GetPhotoCount());
}

CString COpenListPreview::GetTimeText() const
{
    if (m_changed == 0) {
        return CString();
    }
    std::tm local = {};
    localtime_r(&m_changed, &local);
    char text[32];
    std::strftime(text, sizeof(text), "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

int COpenListPreview::FindNext(bool forward) const
{
    if (m_current < 0) {
        return -1;
    }
    for (int step = 1; step <= kMaxPhotos; ++step) {
        const int photo = (m_current + (forward ? step : kMaxPhotos - step)) % kMaxPhotos;
        if (m_hasPhoto[static_cast<size_t>(photo)]) {
            return photo;
        }
    }
    return -1;
}

COpenListPreview::Change COpenListPreview::ShowPhoto(int photo)
{
    if (photo < 0) {
        m_current = -1;
        m_stepCountdown = -1;
        m_picture.Clear();
        return Change::Picture;
    }
    if (photo == m_current) {
        m_stepCountdown = -1;
        return Change::None;
    }
    m_current = photo;
    m_stepCountdown = kStepDelay;
    // A thumbnail that is missing leaves the pane blank for this photo; the stepping goes on.
    m_picture.Clear();
    m_picture.LoadJpeg(m_summary.GetThumbnailPath(photo));
    return Change::Picture;
}
