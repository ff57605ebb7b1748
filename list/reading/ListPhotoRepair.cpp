#include "list/reading/ListPhotoRepair.h"

#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/PhotoRegistration.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListPhotoFiles.h"

#include <algorithm>

void CListPhotoRepair::RepairReferences()
{
    int restored = 0;
    int dropped = 0;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        ProductRecord& record = m_doc.GetRow(row);
        if (!record.inUse) {
            continue;
        }
        int kept = 0;
        for (int i = 0; i < record.photoCount; ++i) {
            int slot = record.photos[i];
            PhotoRecord& photo = m_doc.GetPhoto(slot);
            if (!photo.inUse) {
                // A photo whose line is missing comes back when its original is still there.
                for (bool flat : {false, true}) {
                    if (!photo.inUse && m_files.Exists(m_files.Original(slot, flat))) {
                        photo.flatFiles = flat;
                        m_files.Measure(slot);
                        photo.inUse = true;
                        ++restored;
                    }
                }
            }
            if (photo.inUse) {
                record.photos[kept++] = slot;
            } else {
                ++dropped;
            }
        }
        std::fill(record.photos.begin() + kept, record.photos.end(), -1);
        record.photoCount = kept;
    }
    CString repair;
    if (restored > 0) {
        repair.Format("登録の抜けていた写真 %d 枚を登録し直しました", restored);
        m_repairs.push_back(repair);
    }
    if (dropped > 0) {
        repair.Format("登録されていない写真への参照 %d 件を削除しました", dropped);
        m_repairs.push_back(repair);
    }
}

void CListPhotoRepair::RebuildMissingPictures()
{
    // Older saves killed while they moved loose photos into the subfolders left photos without
    // their standard picture or thumbnail, and half-written copies beside them; a folder that
    // went missing takes every picture of its kind with it. All are made again from the
    // originals.
    if (m_doc.readOnly) {
        return;
    }
    m_doc.RemovePhotoWriteLeftovers();
    bool foldersMade = false;
    int rebuilt = 0;
    std::vector<CString> unreadable;
    for (int slot = 0; slot < m_doc.PhotoReach(); ++slot) {
        if (!m_doc.GetPhoto(slot).inUse ||
            (m_files.Exists(m_doc.GetMiddlePhotoPath(slot)) &&
             m_files.Exists(m_doc.GetThumbnailPath(slot))) ||
            !m_files.Exists(m_doc.GetOriginalPhotoPath(slot))) {
            continue;
        }
        if (!foldersMade) {
            m_doc.MakePhotoSubfolders();
            foldersMade = true;
        }
        CPhotoRegistration registration(m_doc.Host().GetVersionString());
        if (m_doc.PrepareRegistration(CString(), slot, CString(), 0, registration)) {
            registration.Run();
            using Outcome = CPhotoRegistration::Outcome;
            if (registration.outcome == Outcome::kDone) {
                ++rebuilt;
            } else if (registration.outcome == Outcome::kUnreadable ||
                       registration.outcome == Outcome::kTooLarge) {
                unreadable.push_back(GetFileNameOfPath(m_doc.GetOriginalPhotoPath(slot)));
            }
        }
    }
    CString repair;
    if (rebuilt > 0) {
        repair.Format("標準とｻﾑﾈｲﾙの画像が欠けていた写真 %d 枚の画像を作り直しました", rebuilt);
        m_repairs.push_back(repair);
    }
    if (!unreadable.empty()) {
        constexpr size_t kNamed = 10;
        CString names;
        for (size_t i = 0; i < std::min(unreadable.size(), kNamed); ++i) {
            names += (i > 0 ? ", " : "") + unreadable[i];
        }
        if (unreadable.size() > kNamed) {
            names.AppendFormat(" ほか %d 枚", static_cast<int>(unreadable.size() - kNamed));
        }
        repair.Format("元の写真が読めないため、標準とｻﾑﾈｲﾙの画像を作れなかった写真が %d 枚あります: %s",
                      static_cast<int>(unreadable.size()), names.GetString());
        m_repairs.push_back(repair);
    }
}
