#pragma once

#include "platform/CString.h"

class CZantobyDoc;
class IBackupMonitor;

// Copies a list file and the four files of each of its photos into a backup folder (the list
// file beside its photo folder with the sub-folders draw, org, m and s), optionally only what
// changed since the last backup, optionally onto several disks in turn: when one is full the
// user is asked for the next, which is mounted on the same folder.
class CBackupEngine
{
  public:
    static constexpr int kProgressEnd = 30000;

    CBackupEngine(CZantobyDoc& doc, IBackupMonitor& monitor);
    virtual ~CBackupEngine() = default;
    CBackupEngine(const CBackupEngine&) = delete;
    CBackupEngine& operator=(const CBackupEngine&) = delete;

    enum class Outcome
    {
        NotStarted, // the destination was refused, or the list was not saved
        Stopped,    // copying began but did not finish
        Completed,
    };

    // One run of the backup. Keeps the destination and the several-disks choice in the list,
    // checks the destination, saves the list first (after asking) when it or the backup settings
    // changed, then copies. Once copying has begun the outcome is shown through the monitor;
    // every failure has been told to the user.
    Outcome Run(const CString& destination, bool severalDisks, bool changedOnly, bool settingsChanged);

    // A destination must be an absolute folder path.
    static bool IsValidDestination(const CString& destination);

  protected:
    // Copies one file over the target; 0 when copied, else the system's error number (ENOSPC
    // when the disk is full).
    virtual int CopyFile(const CString& source, const CString& target);

  private:
    bool CopyAll();
    // Copies a file into a folder of the backup; false when the run must end.
    bool CopyItem(const CString& source, const CString& targetFolder);
    // Asks for the next disk until its folder is there or the user cancels; diskFull says first
    // that the disk in use is full.
    bool NextDisk(bool diskFull);
    // Makes the folder and every missing folder above it; false after telling the user.
    bool CreateFolders(const CString& folder);
    CString ListFilePath() const;

    CZantobyDoc& m_doc;
    IBackupMonitor& m_monitor;
    CString m_destination;
    bool m_changedOnly = false;
    bool m_severalDisks = false;
    int m_disk = 0; // disks used in this run
};
