#include "list/ListSaver.h"

#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ListFileFormat.h"
#include "list/ListFileNames.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileException.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SystemText.h"

#include <cerrno>
#include <ctime>
#include <exception>
#include <filesystem>
#include <vector>

namespace {

// The first moment of the day two days before today.
std::time_t TwoDaysBeforeToday()
{
    std::time_t now = std::time(nullptr);
    std::tm day = {};
    localtime_r(&now, &day);
    day.tm_hour = 0;
    day.tm_min = 0;
    day.tm_sec = 0;
    day.tm_mday -= 2;
    day.tm_isdst = -1;
    return std::mktime(&day);
}

// A file moved aside is kept for two days from now, not from when the photo was taken in.
void TouchNow(const CString& path)
{
    std::error_code error;
    std::filesystem::last_write_time(FileSystem::ToNative(path),
                                     std::filesystem::file_time_type::clock::now(), error);
}

} // namespace

bool CListSaver::DoSave(const CString& path)
{
    if (m_doc.readOnly) {
        m_doc.Host().ShowWarningMessage(30205, 0);
        return false;
    }
    if (m_doc.workPath.IsEmpty()) {
        return OnSaveDocument(path.IsEmpty() ? m_doc.GetPathName() : path);
    }
    return SaveUntitledAs();
}

bool CListSaver::ReplaceFolder(const CString& folder, int question, int cannotDelete)
{
    IListHost& host = m_doc.Host();
    if (FolderExists(folder) && host.AskMessage(question, MB_YESNO, folder.GetString()) == IDYES &&
        !DeletePath(folder)) {
        host.ShowWarningMessage(cannotDelete, 0, folder.GetString());
        return false;
    }
    return true;
}

bool CListSaver::SaveUntitledAs()
{
    IListHost& host = m_doc.Host();
    CString initial = host.GetNewEntryFolder() + "/" + GetFileNameOfPath(m_doc.workPath);
    CString chosen;
    if (!host.RunSaveFileDialog(initial, "zbk", "ZBKﾌｧｲﾙ(*.zbk)|*.zbk|全てのﾌｧｲﾙ(*.*)|*.*||", chosen)) {
        return false;
    }
    chosen = FileSystem::GetFullPath(chosen);
    CString folder = GetFolderOfPath(chosen);
    CString name = GetBaseNameOfPath(chosen);
    CString photoFolderName = CListFileNames::StandardPhotoFolderName(chosen);
    CString photoFolder = folder + "/" + photoFolderName;
    CString webFolder = folder + "/Web-" + name;
    host.SetNewEntryFolder(folder);

    if (!ReplaceFolder(photoFolder, 20207, 30208) || !ReplaceFolder(webFolder, 20208, 30211)) {
        return false;
    }
    // The folder's name is stored as it stands in the list file, so it must read back whole.
    if (!CListFileFormat::IsStorableRawText(photoFolderName) || !FileSystem::CreateFolder(photoFolder)) {
        host.ShowWarningMessage(30209, 0, photoFolder.GetString());
        return false;
    }
    if (!CopyFiles(m_doc.listFolder + "/" + m_doc.photoFolderName + "/*.*", photoFolder)) {
        host.ShowWarningMessage(30210, 0);
        return false;
    }
    if (!m_doc.web.webFolder.IsEmpty()) {
        if (!FileSystem::CreateFolder(webFolder)) {
            host.ShowWarningMessage(30212, 0, webFolder.GetString());
            return false;
        }
        // A folder named otherwise than whole would be found from wherever the program started.
        if (CListFileNames::IsFolderPath(m_doc.web.webFolder) && !CopyFiles(m_doc.web.webFolder + "/*.*", webFolder)) {
            host.ShowWarningMessage(30213, 0);
            return false;
        }
    }
    m_doc.DeleteWorkFolders();
    m_doc.workPath.Empty();
    m_doc.listFolder = folder;
    m_doc.photoFolderName = photoFolderName;
    m_doc.web.webFolder = webFolder;
    m_doc.folderIdentity.Forget();
    m_doc.SetPathName(chosen, true);
    if (!OnSaveDocument(chosen)) {
        return false;
    }
    // From now on the list is claimed like any list that was opened from its file.
    if (!m_doc.lockFile.IsHeld()) {
        m_doc.lockFile.Acquire(chosen + "$");
    }
    return true;
}

bool CListSaver::OnSaveDocument(const CString& path)
{
    for (int photo : std::vector<int>(m_doc.editingPhotos.begin(), m_doc.editingPhotos.end())) {
        CString editorPath;
        editorPath.Format("%s?%d", m_doc.GetPathName().GetString(), photo);
        m_doc.Host().SavePhotoEditorIfModified(editorPath);
    }
    return WriteListFile(path, false);
}

bool CListSaver::WriteListFile(const CString& path, bool keepViews)
{
    IListHost& host = m_doc.Host();
    // Whichever command saves it (a backup too), a list opened read-only keeps its file.
    if (m_doc.readOnly && FileSystem::GetFullPath(path) == FileSystem::GetFullPath(m_doc.GetPathName())) {
        host.ShowWarningMessage(30205, 0);
        return false;
    }
    // A share that went away leaves its empty mount point at the list's path.
    const bool ownFolder = GetFolderOfPath(FileSystem::GetFullPath(path)) == m_doc.listFolder;
    const CString photoFolder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    if (ownFolder) {
        const CString changed = m_doc.folderIdentity.Check(m_doc.listFolder, photoFolder);
        if (!changed.IsEmpty()) {
            host.ShowWarningMessage(30220, 0, m_doc.listFolder.GetString(), changed.GetString());
            return false;
        }
    }
    bool written = false;
    std::vector<UnusedPhoto> unused;
    try {
        if (m_doc.sample && m_doc.IsModified() && host.AskMessage(20209, MB_OKCANCEL) != IDOK) {
            return false;
        }
        host.SetProgressText("空白行の削除中");
        if (RemoveBlankRows()) {
            host.SetProgressText("未使用写真の削除中");
            unused = ReleaseUnusedPhotos();
            // The photos move into their subfolders before the file that says they are there;
            // what a save killed while moving them left half-written goes first.
            host.SetProgressText("JPEG写真ﾃﾞｰﾀを保存中");
            m_doc.RemovePhotoWriteLeftovers();
            if (MoveLoosePhotos()) {
                if (!keepViews) {
                    m_doc.UpdateAllViews(nullptr, kHintStoreSplitter);
                }
                // A save that was killed halfway left its temporary file beside the list.
                FileSystem::RemoveReplaceLeftovers(path);
                if (CListFileWriter(m_doc).Write(path)) {
                    written = true;
                    if (ownFolder) {
                        m_doc.folderIdentity.Remember(m_doc.listFolder, photoFolder);
                    }
                    // The old file may have named them until now.
                    SetAsidePhotoFiles(unused);
                    m_doc.DeleteUndoFiles(0);
                    if (m_doc.IsModified()) {
                        m_doc.savedChanges = true;
                    }
                    m_doc.SetModifiedFlag(false);
                } else {
                    // The writer leaves errno telling why the file could not be made.
                    host.ShowErrorMessage(40209, 0, path.GetString(),
                                          CAppBase::GetLastErrorText().GetString());
                }
            }
        }
    } catch (const CFileException& error) {
        // A full disk, or a write refused: the old file is as it was, so nothing is lost.
        const CString& file = error.m_strFileName.IsEmpty() ? path : error.m_strFileName;
        host.ShowErrorMessage(40210, 0, file.GetString(), SystemErrorText(error.m_lOsError).GetString());
    } catch (const std::exception&) {
        host.ReportError(nullptr, "ZantobyDoc", __LINE__);
    }
    if (!written) {
        RestorePhotos(unused);
    }
    host.ClearProgressText();
    return written;
}

bool CListSaver::CopyPhotoFile(const CString& source, const CString& target)
{
    return CopyOrAsk(source, target) != CopyResult::Stop;
}

CListSaver::CopyResult CListSaver::CopyOrAsk(const CString& source, const CString& target)
{
    errno = 0;
    if (CopySingleFile(source, target)) {
        return CopyResult::Copied;
    }
    CString reason = CAppBase::GetLastErrorText();
    return m_doc.Host().AskMessage(20206, MB_YESNO, reason.GetString()) == IDYES ? CopyResult::Stop
                                                                                 : CopyResult::Skipped;
}

bool CListSaver::IsBlankRow(const ProductRecord& row) const
{
    if (row.photoCount > 0) {
        return false;
    }
    if (!row.HasCells()) {
        return true;
    }
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        const CellRecord& cell = row.GetCell(slot);
        switch (m_doc.GetColumnOfSlot(slot).type) {
        case kTypeYesNo:
            if (cell.yesNo) {
                return false;
            }
            break;
        case kTypeText:
        case kTypeMark:
            if (!cell.text.IsEmpty()) {
                return false;
            }
            break;
        case kTypeNumber:
            if (cell.number.IsValid() && cell.number.GetValue().GetUnits() != 0) {
                return false;
            }
            break;
        case kTypeDate:
            if (cell.date.IsValid()) {
                return false;
            }
            break;
        default:
            break;
        }
    }
    return true;
}

bool CListSaver::RemoveBlankRows()
{
    m_doc.BuildColumnMap();
    std::vector<int> blank;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        if (m_doc.GetRow(row).inUse && IsBlankRow(m_doc.GetRow(row))) {
            blank.push_back(row);
        }
    }
    if (!blank.empty()) {
        int answer = m_doc.Host().AskMessage(20205, MB_YESNOCANCEL);
        if (answer == IDCANCEL) {
            return false;
        }
        if (answer == IDYES) {
            for (int row : blank) {
                m_doc.GetRow(row).inUse = false;
            }
        }
    }
    // Display entries of rows that are gone would each show a new-row line: one stays.
    std::vector<int>& order = m_doc.displayOrder;
    int kept = 0;
    bool dropped = false;
    for (int i = 0; i < m_doc.displayCount; ++i) {
        int row = order[i];
        if (row >= 0 && row < kMaxRows && m_doc.GetRow(row).inUse) {
            order[kept++] = row;
        } else {
            dropped = true;
        }
    }
    if (dropped) {
        bool changed = kept != m_doc.displayCount - 1 || order[m_doc.displayCount - 1] != kNewRowLine;
        std::fill(order.begin() + kept, order.end(), kNewRowLine);
        m_doc.displayCount = kept + 1;
        if (changed) {
            m_doc.UpdateAllViews(nullptr, kHintAllRows);
        }
    }
    return true;
}

std::vector<CListSaver::UnusedPhoto> CListSaver::ReleaseUnusedPhotos()
{
    std::vector<bool> referenced(kMaxPhotos, false);
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        const ProductRecord& record = m_doc.GetRow(row);
        for (int i = 0; record.inUse && i < record.photoCount; ++i) {
            int photo = record.photos[i];
            if (photo >= 0 && photo < kMaxPhotos) {
                referenced[photo] = true;
            }
        }
    }
    std::vector<UnusedPhoto> unused;
    for (int slot = 0; slot < m_doc.PhotoReach(); ++slot) {
        PhotoRecord& photo = m_doc.GetPhoto(slot);
        if (!photo.inUse || referenced[slot]) {
            continue;
        }
        UnusedPhoto& entry = unused.emplace_back();
        entry.slot = slot;
        entry.original = m_doc.GetOriginalPhotoPath(slot);
        entry.others[0] = m_doc.GetMiddlePhotoPath(slot);
        entry.others[1] = m_doc.GetThumbnailPath(slot);
        entry.others[2] = m_doc.GetDrawingPath(slot);
        entry.record = std::move(photo);
        photo.Reset();
    }
    return unused;
}

void CListSaver::SetAsidePhotoFiles(const std::vector<UnusedPhoto>& unused)
{
    if (unused.empty()) {
        return;
    }
    CString org = m_doc.listFolder + "/" + m_doc.photoFolderName + "/org";
    CString tag = "x" + GetToday().FormatDate("YYMMDD");
    int number = ListFiles(org + "/" + tag + "*.jpg", nullptr, false);
    for (const UnusedPhoto& photo : unused) {
        // Numbers that are taken already are skipped, so that no kept original is replaced.
        CString kept;
        do {
            kept.Format("%s/%s-%04d.jpg", org.GetString(), tag.GetString(), number++);
        } while (FileSystem::Exists(kept));
        if (MovePath(photo.original, kept)) {
            TouchNow(kept);
        }
        for (const CString& other : photo.others) {
            DeletePath(other);
        }
    }
    if (ListFiles(org + "/x*.jpg", nullptr, false) > 0) {
        DeleteFiles(org + "/x*.jpg", TwoDaysBeforeToday());
    }
}

void CListSaver::RestorePhotos(std::vector<UnusedPhoto>& unused)
{
    // The list was not saved: it keeps the photos it had, as its old file does.
    for (UnusedPhoto& photo : unused) {
        m_doc.GetPhoto(photo.slot) = std::move(photo.record);
    }
    unused.clear();
}

bool CListSaver::MoveLoosePhotos()
{
    bool foldersChecked = false;
    for (int slot = 0; slot < m_doc.PhotoReach(); ++slot) {
        PhotoRecord& photo = m_doc.GetPhoto(slot);
        if (!photo.inUse || !photo.flatFiles) {
            continue;
        }
        if (!foldersChecked) {
            m_doc.MakePhotoSubfolders();
            foldersChecked = true;
        }
        struct Move
        {
            CString from;
            CString to;
        };
        // The reader takes a photo as moved once its original is in the subfolder, so the
        // original goes last: a save killed before it leaves the photo loose and whole.
        std::vector<Move> moves;
        for (auto kind : {CListPhotos::kStandard, CListPhotos::kThumbnail, CListPhotos::kDrawing,
                          CListPhotos::kOriginal}) {
            CString from = m_doc.GetPhotoFilePath(slot, kind, true);
            if (kind != CListPhotos::kDrawing || FileSystem::Exists(from)) {
                moves.push_back({from, m_doc.GetPhotoFilePath(slot, kind, false)});
            }
        }
        bool copied = true;
        for (const Move& move : moves) {
            CopyResult result = CopyOrAsk(move.from, move.to);
            if (result == CopyResult::Stop) {
                return false;
            }
            copied = copied && result == CopyResult::Copied;
        }
        // A photo that could not be copied whole keeps its loose files and stays where it is;
        // what lies in the subfolders for it is stale or partial, and would mislead a reader.
        // Its original copy goes first there, so that it is never in the subfolder alone.
        if (copied) {
            for (const Move& move : moves) {
                DeletePath(move.from);
            }
        } else {
            for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
                DeletePath(move->to);
            }
        }
        photo.flatFiles = !copied;
    }
    return true;
}
