#include "photo/batch/ContinuousImportList.h"

#include "foundation/FileStatus.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "photo/batch/PhotoFileTexts.h"
#include "platform/FileSystem.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

std::string_view View(const CString& text)
{
    return std::string_view(text.GetString(), static_cast<size_t>(text.GetLength()));
}

} // namespace

void CContinuousImportList::Refresh(const CString& folder, bool subFolders)
{
    m_items.clear();
    if (folder.IsEmpty()) {
        return;
    }
    CStringArray names;
    ListFiles(folder + "/*.jpg", &names, subFolders);
    for (int i = 0; i < names.GetSize(); ++i) {
        ContinuousImportItem item;
        item.path = folder + "/" + names[i];
        const CPathName path(item.path);
        item.fileName = path.GetFileName();
        item.folder = path.GetFolderPath();
        CFileStatus status;
        if (GetFileStatus(item.path, status)) {
            item.size = status.m_size & 0xFFFFFFFF;
            item.written = status.m_mtime;
        }
        m_items.push_back(item);
    }
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const ContinuousImportItem& a, const ContinuousImportItem& b) {
                         const int byFolder = Mbcs::Compare(View(a.folder), View(b.folder));
                         if (byFolder != 0) {
                             return byFolder < 0;
                         }
                         return Mbcs::Compare(View(a.fileName), View(b.fileName)) < 0;
                     });
}

CString CContinuousImportList::ColumnText(const ContinuousImportItem& item, int column)
{
    switch (column) {
    case 0:
        return item.fileName;
    case 1:
        return item.folder;
    case 2:
        return PhotoFileTexts::FormatFileTime(item.written, "%Y/%m/%d %H:%M:%S");
    case 3:
        return PhotoFileTexts::FormatByteCount(item.size, true);
    default:
        return CString();
    }
}

int CContinuousImportList::NextSelection(int selected, int count)
{
    if (count <= 0) {
        return -1;
    }
    if (selected < 0) {
        return 0;
    }
    return selected + 1 < count ? selected + 1 : -1;
}

bool CContinuousImportList::DeleteFiles(const std::vector<CString>& paths, CString& failed)
{
    for (const CString& path : paths) {
        // The name is taken as it stands: a photo named with "*" is no pattern here.
        std::error_code error;
        if (!std::filesystem::remove(FileSystem::ToNative(path), error)) {
            failed = path;
            return false;
        }
    }
    return true;
}
