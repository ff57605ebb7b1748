#include "list/reading/ListPhotosReader.h"

#include "list/ListFileFormat.h"
#include "list/ListFileNames.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"
#include "list/reading/ListPhotoFiles.h"

namespace {

// A refused name in the open's report, cut short where a damaged file holds a long one.
CString Shown(const CString& value)
{
    constexpr int kShownBytes = 80;
    const CString shown = CTextHelper(value).LeftEx(kShownBytes);
    return shown.GetLength() < value.GetLength() ? shown + "..." : shown;
}

} // namespace

void CListPhotosReader::ReadFolderName()
{
    // Rows' photos are looked for there from the next line on, so the name is judged at once.
    const CString name = m_line.Field(0);
    m_doc.photoFolderName = CListFileNames::PhotoFolderNameToFollow(name, m_path);
    if (m_doc.photoFolderName == name) {
        return;
    }
    CString repair;
    repair.Format("写真保存用ﾌｫﾙﾀﾞ名[%s]はﾘｽﾄと同じﾌｫﾙﾀﾞの中の名前ではないため、標準の[%s]にしました",
                  Shown(name).GetString(), m_doc.photoFolderName.GetString());
    m_repairs.push_back(repair);
}

void CListPhotosReader::ReadPhoto()
{
    const int slot = m_line.KeyNumber(1);
    if (slot < 0 || slot >= kMaxPhotos) {
        return;
    }
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    photo.Reset();
    // Files that a save could not move into the subfolders still lie in the photo folder.
    photo.flatFiles =
        !m_files.Exists(m_files.Original(slot, false)) && m_files.Exists(m_files.Original(slot, true));
    if (m_line.version >= CListFileFormat::kVersionPhotoSizes) {
        photo.width = m_line.Int(0);
        photo.height = m_line.Int(1);
        photo.name = m_line.Text(2);
        if (photo.width == 0 || photo.height == 0) {
            m_files.Measure(slot);
        }
    } else {
        photo.name = m_line.Field(0);
        m_files.Measure(slot);
    }
    photo.inUse = true;
}
