#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ButtonEdit.h"
#include "web/exchange/IBackupMonitor.h"

class CZantobyDoc;

// The backup of a list: the destination folder, several disks or one, changed files only or
// all; runs the backup with its progress and closes with OK once a backup has completed. Esc
// stops a running backup between files.
class CBackupDlg : public CAnchorDialog, public IBackupMonitor
{
  public:
    CBackupDlg(wxWindow* parent, CZantobyDoc& doc);

    // The list's backup command: IDOK when a backup was made.
    static int Run(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;

    // Button 1: one run of the backup; the dialog closes with OK when it completed and stays
    // open otherwise, so the destination can be changed and the run tried again.
    void RunBackup();

    // IBackupMonitor
    void ShowBackupStatus(const CString& text) override;
    void SetBackupProgress(int position) override;
    bool IsBackupCancelled() override;

  private:
    void OnCancel();
    void OnClose(wxCloseEvent& event);

    CZantobyDoc& m_doc;
    CButtonEdit m_destination;
    bool m_running = false;
    bool m_settingsChanged = false;
    bool m_cancelled = false;
};
