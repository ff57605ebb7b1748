#include "list/ListProperties.h"

#include "foundation/FileStatus.h"
#include "foundation/Number.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"

#include <ctime>

namespace {

CString FormatTime(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof(text), "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

} // namespace

CString CListProperties::FormatCount(std::int64_t count)
{
    return CNumber(COleCurrency(count * COleCurrency::kUnitsPerOne)).Format(true, 0, true);
}

void CListProperties::Collect(CZantobyDoc& doc)
{
    path = doc.GetPathName();
    title = doc.title;
    CFileStatus status;
    if (GetFileStatus(path, status)) {
        modified = FormatTime(status.m_mtime);
        created = FormatTime(status.m_ctime);
        fileSize = FormatCount(status.m_size);
    } else {
        modified.Empty();
        created.Empty();
        fileSize.Empty();
    }

    int rowCount = 0;
    for (int row = 0; row < doc.RowReach(); ++row) {
        rowCount += doc.GetRow(row).inUse ? 1 : 0;
    }
    rows = FormatCount(rowCount);

    // Sizes add up in 64 bits: the photos of a large list pass 2 GB.
    IListHost& host = doc.Host();
    int photoCount = 0;
    std::int64_t total = 0;
    for (int slot = 0; slot < doc.PhotoReach(); ++slot) {
        if (!doc.GetPhoto(slot).inUse) {
            continue;
        }
        ++photoCount;
        for (const CString& file :
             {doc.GetOriginalPhotoPath(slot), doc.GetMiddlePhotoPath(slot), doc.GetThumbnailPath(slot)}) {
            CFileStatus photoStatus;
            if (GetFileStatus(file, photoStatus)) {
                total += photoStatus.m_size;
            }
        }
        if (photoCount % 10 == 0) {
            CString progress;
            progress.Format("%d枚目の写真ｻｲｽﾞを取得中...%lldﾊﾞｲﾄ", photoCount, static_cast<long long>(total));
            host.SetProgressText(progress);
        }
    }
    photos = FormatCount(photoCount);
    photoBytes = FormatCount(total);
    host.ClearProgressText();
}
