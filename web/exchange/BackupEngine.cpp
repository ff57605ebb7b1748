#include "web/exchange/BackupEngine.h"

#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/ListFileNames.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/exchange/IBackupMonitor.h"

#include <cerrno>
#include <exception>
#include <filesystem>

namespace {

struct PhotoPass
{
    CListPhotos::FileKind kind;
    const char* folder;
    int progressBase;
};

// Drawings first, as they are small; drawings and originals share the first third of the bar.
constexpr PhotoPass kPhotoPasses[] = {
    {CListPhotos::kDrawing, "draw", 0},
    {CListPhotos::kOriginal, "org", 0},
    {CListPhotos::kStandard, "m", 10000},
    {CListPhotos::kThumbnail, "s", 20000},
};

// The last-write time of a file; the earliest time there is for a file that is not there.
std::filesystem::file_time_type WriteTime(const CString& path)
{
    std::error_code error;
    auto time = std::filesystem::last_write_time(FileSystem::ToNative(path), error);
    return error ? std::filesystem::file_time_type::min() : time;
}

CString ErrorText(int error)
{
    errno = error;
    return CAppBase::GetLastErrorText();
}

} // namespace

CBackupEngine::CBackupEngine(CZantobyDoc& doc, IBackupMonitor& monitor) : m_doc(doc), m_monitor(monitor) {}

bool CBackupEngine::IsValidDestination(const CString& destination)
{
    // The destination may come from the list file: a relative one would be found from wherever
    // the program was started.
    return CListFileNames::IsFolderPath(destination);
}

CBackupEngine::Outcome CBackupEngine::Run(const CString& destination, bool severalDisks, bool changedOnly,
                                          bool settingsChanged)
{
    IListHost& host = m_doc.Host();
    m_doc.backupFolder = destination;
    m_doc.backupOn = severalDisks;
    // Copies into the list's own folder would land on the files they copy, and keep nothing
    // apart from them.
    if (FileSystem::IsSameOrInside(destination, GetFolderOfPath(ListFilePath()))) {
        host.ShowWarningMessage(30502, 0, destination.GetString());
        return Outcome::NotStarted;
    }
    if (!IsValidDestination(destination)) {
        host.ShowWarningMessage(30500, 0);
        return Outcome::NotStarted;
    }
    if (settingsChanged || m_doc.IsModified()) {
        if (host.AskMessage(20200, MB_OKCANCEL) != IDOK) {
            return Outcome::NotStarted;
        }
        m_doc.SetModifiedFlag();
        if (!m_doc.WriteListFile(ListFilePath(), false)) {
            return Outcome::NotStarted;
        }
    }
    m_destination = destination;
    while (m_destination.GetLength() > 1 && m_destination[m_destination.GetLength() - 1] == '/') {
        m_destination = m_destination.Left(m_destination.GetLength() - 1);
    }
    m_changedOnly = changedOnly;
    m_severalDisks = severalDisks;
    bool done = false;
    try {
        done = CopyAll();
    } catch (const std::exception&) {
        host.ReportError(nullptr, "BackupDlg", __LINE__);
    }
    m_monitor.ShowBackupStatus(done ? "完了しました" : "中断しました");
    return done ? Outcome::Completed : Outcome::Stopped;
}

bool CBackupEngine::CopyAll()
{
    // Without the question, the disk already in the drive is the first.
    m_disk = m_severalDisks ? 0 : 1;
    if (m_severalDisks && !NextDisk(false)) {
        return false;
    }
    if (!CopyItem(ListFilePath(), m_destination)) {
        return false;
    }
    CString photoFolder = m_destination + "/" + m_doc.photoFolderName + "/";
    for (const PhotoPass& pass : kPhotoPasses) {
        for (int slot = 0; slot < kMaxPhotos; ++slot) {
            if (slot % 10 == 0) {
                m_monitor.SetBackupProgress(pass.progressBase + slot);
                if (m_monitor.IsBackupCancelled()) {
                    return false;
                }
            }
            const PhotoRecord& photo = m_doc.GetPhoto(slot);
            if (!photo.inUse) {
                continue;
            }
            CString source = m_doc.GetPhotoFilePath(slot, pass.kind, photo.flatFiles);
            // Most photos were never drawn on and have no drawing file.
            if (pass.kind == CListPhotos::kDrawing && !FileSystem::Exists(source)) {
                continue;
            }
            if (!CopyItem(source, photoFolder + pass.folder)) {
                return false;
            }
        }
    }
    m_monitor.SetBackupProgress(kProgressEnd);
    return true;
}

bool CBackupEngine::CopyItem(const CString& source, const CString& targetFolder)
{
    CString name = GetFileNameOfPath(source);
    CString target = targetFolder + "/" + name;
    m_monitor.ShowBackupStatus(name);
    // A copy as new as its source is up to date; so is a missing source with no copy.
    if (m_changedOnly && WriteTime(target) >= WriteTime(source)) {
        return true;
    }
    for (;;) {
        if (!FolderExists(targetFolder) && !CreateFolders(targetFolder)) {
            return false;
        }
        int error = CopyFile(source, target);
        if (error == 0) {
            return true;
        }
        if (error == ENOSPC || error == EDQUOT) {
            if (!NextDisk(true)) {
                return false;
            }
            continue;
        }
        return m_doc.Host().AskMessage(20500, MB_YESNO, source.GetString(), ErrorText(error).GetString()) !=
               IDYES;
    }
}

int CBackupEngine::CopyFile(const CString& source, const CString& target)
{
    errno = 0;
    if (CopySingleFile(source, target)) {
        return 0;
    }
    return errno != 0 ? errno : EIO;
}

bool CBackupEngine::NextDisk(bool diskFull)
{
    for (;;) {
        // Disks are counted from 1, as the user labels them.
        if (m_doc.Host().AskMessage(diskFull ? 20502 : 20501, MB_OKCANCEL, m_destination.GetString(),
                                    m_disk + 1) != IDOK) {
            return false;
        }
        // A fresh disk has no backup folder yet; one that cannot be made is reported, and the
        // user may insert another disk or cancel.
        if (FolderExists(m_destination) || CreateFolders(m_destination)) {
            ++m_disk;
            return true;
        }
    }
}

bool CBackupEngine::CreateFolders(const CString& folder)
{
    for (int end = folder.Find('/', 1);; end = folder.Find('/', end + 1)) {
        CString part = end < 0 ? folder : folder.Left(end);
        if (!part.IsEmpty() && !FolderExists(part)) {
            errno = 0;
            if (!FileSystem::CreateFolder(part)) {
                CString reason = CAppBase::GetLastErrorText();
                m_doc.Host().ShowWarningMessage(30501, 0, part.GetString(), reason.GetString());
                return false;
            }
        }
        if (end < 0) {
            return true;
        }
    }
}

CString CBackupEngine::ListFilePath() const
{
    // An untitled list lives in its working file until its first save.
    return m_doc.workPath.IsEmpty() ? m_doc.GetPathName() : m_doc.workPath;
}
