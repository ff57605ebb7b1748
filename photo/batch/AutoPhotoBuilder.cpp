#include "photo/batch/AutoPhotoBuilder.h"

#include "foundation/FileStatus.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "list/IListHost.h"
#include "list/PhotoBatchImport.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/IAutoPhotoMonitor.h"
#include "photo/batch/PhotoFileTexts.h"
#include "platform/Mbcs.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr int kFolderColumn = 0;
constexpr int kDateColumn = 1;

std::string_view View(const CString& text)
{
    return std::string_view(text.GetString(), static_cast<size_t>(text.GetLength()));
}

} // namespace

void CAutoPhotoBuilder::CollectPhotos(const CString& folder, bool subFolders, CStringArray& paths,
                                      CStringArray* unheld)
{
    std::vector<CString> found;
    if (unheld != nullptr) {
        unheld->RemoveAll();
    }
    for (const char* pattern : {"/*.jpg", "/*.jpeg"}) {
        CStringArray names;
        CStringArray left;
        ListFiles(folder + pattern, &names, subFolders, &left);
        for (int i = 0; i < left.GetSize() && unheld != nullptr; ++i) {
            if (std::find(unheld->begin(), unheld->end(), left[i]) == unheld->end()) {
                unheld->Add(left[i]);
            }
        }
        for (int i = 0; i < names.GetSize(); ++i) {
            CString path = folder + "/" + names[i];
            const bool known = std::any_of(found.begin(), found.end(), [&](const CString& other) {
                return Mbcs::CompareNoCase(View(other), View(path)) == 0;
            });
            if (!known) {
                found.push_back(path);
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const CString& a, const CString& b) { return Mbcs::Compare(View(a), View(b)) < 0; });
    paths.RemoveAll();
    for (const CString& path : found) {
        paths.Add(path);
    }
}

void CAutoPhotoBuilder::SetUpColumns()
{
    m_doc.title = "写真整理 " + PhotoFileTexts::FormatFileTime(std::time(nullptr), "%Y/%m/%d");
    struct Definition
    {
        int type;
        const char* name;
        const char* remark;
        int align;
        int width;
    };
    static const Definition kColumns[] = {
        {kTypeText, "元の場所", "取り込み前のフォルダ名です", 0, 20},
        {kTypeDate, "日付", "写真を撮影した日付です", 1, 10},
        {kTypeText, "備考", "", 0, 10},
    };
    for (int i = 0; i < 3; ++i) {
        ColumnRecord& column = m_doc.GetColumn(i);
        column.type = kColumns[i].type;
        column.name = kColumns[i].name;
        column.remark = kColumns[i].remark;
        column.align = kColumns[i].align;
        column.width = kColumns[i].width;
    }
    m_doc.columnCount = 3;
    m_doc.BuildColumnMap();
}

bool CAutoPhotoBuilder::StartRow(const CString& folder)
{
    if (m_line + 1 >= kMaxRows) {
        m_doc.Host().ShowWarningMessage(30215, 0);
        return false;
    }
    ++m_line;
    // The new-row line is the last; writing into it makes the row.
    m_doc.SetCellTextAt(kFolderColumn, m_line, folder);
    m_doc.AppendNewRowLine();
    return true;
}

void CAutoPhotoBuilder::WriteGroupDate(int line)
{
    if (m_hasDate && line >= 0) {
        m_doc.SetCellTextAt(
            kDateColumn, line,
            PhotoFileTexts::FormatFileTime(static_cast<std::time_t>(m_groupTime), "%Y/%m/%d"));
    }
    m_hasDate = false;
}

bool CAutoPhotoBuilder::Build(const CString& folder, bool subFolders, int photosPerRow)
{
    if (!m_doc.CreateWorkFolders(CString())) {
        m_doc.DeleteWorkFolders();
        return false;
    }
    SetUpColumns();
    m_monitor.ShowSearching();
    CStringArray paths;
    CStringArray unheld;
    CollectPhotos(folder, subFolders, paths, &unheld);
    if (unheld.GetSize() > 0) {
        ShowMessageBox(DescribeUnheldNames(unheld), CString(), MB_OK | MB_ICONEXCLAMATION);
    }

    m_doc.SwitchUndoOff();
    m_line = -1;
    m_hasDate = false;
    CString previousFolder;
    bool started = false;
    int inRow = 0;
    const int total = paths.GetSize();
    std::vector<CPhotoBatchImport::Photo> photos;
    for (int i = 0; i < total; ++i) {
        photos.push_back({paths[i], CString()});
    }
    CPhotoBatchImport::Steps steps;
    // A new folder or a full row starts a row before its first photo goes in.
    steps.accept = [&](int i) {
        const CString photoFolder = CPathName(paths[i]).GetFolder();
        if (started && photoFolder == previousFolder && inRow < photosPerRow) {
            return true;
        }
        started = true;
        previousFolder = photoFolder;
        WriteGroupDate(m_line);
        inRow = 0;
        return StartRow(photoFolder);
    };
    steps.done = [&](int i, int slot) {
        CFileStatus status;
        const bool hasStatus = GetFileStatus(paths[i], status);
        if (slot >= 0 && slot < kMaxPhotos && m_doc.AddPhotoToRow(m_line, -1, slot, 0)) {
            m_doc.GetPhoto(slot).name = CPathName(paths[i]).GetName();
            ++inRow;
            const int count = m_doc.GetRow(m_doc.displayOrder[m_line]).photoCount;
            if (m_doc.photoColumns <= count) {
                m_doc.photoColumns = count + 1;
            }
            if (hasStatus && (!m_hasDate || status.m_mtime < m_groupTime)) {
                m_groupTime = status.m_mtime;
                m_hasDate = true;
            }
        } else {
            slot = -1;
        }
        const CString time =
            hasStatus ? PhotoFileTexts::FormatFileTime(status.m_mtime, "%Y/%m/%d %H:%M:%S") : CString();
        m_monitor.ShowPhotoDone(i + 1, total, paths[i], time, slot);
        return !m_monitor.IsBuildCancelled();
    };
    // The window names the photo being taken in, breathes while the photos are made, and a
    // cancel counts at once.
    int shown = -1;
    steps.waiting = [&](int i) {
        if (i != shown) {
            shown = i;
            m_monitor.ShowPhotoReading(paths[i]);
        }
        return !m_monitor.IsBuildCancelled();
    };
    CPhotoBatchImport(m_doc).Run(photos, steps);
    WriteGroupDate(m_line);
    m_doc.photoColumns = std::min(m_doc.photoColumns, kMaxPhotosPerRow);
    m_doc.SwitchUndoOn();
    m_doc.SetModifiedFlag(true);
    return true;
}
