#pragma once

#include "foundation/ui/ButtonEdit.h"
#include "list/ui/ListDialog.h"
#include "photo/batch/ContinuousImportList.h"
#include "photo/batch/PhotoPreview.h"
#include "platform/Arrays.h"

#include <wx/timer.h>

class CPhotoFrame;
class IPhotoProfile;
class CReportList;
class IListHost;

// The continuous import window: the photo files of a folder beside the lists, from which a right
// click on a list row takes the selected files; previews the selection, enlarges it and can
// delete the selected files. One window serves the whole run and is hidden, not closed.
class CSequencePhotoDlg : public CListDialog
{
  public:
    // The main window is its parent, so that it goes with the program and never keeps it running.
    CSequencePhotoDlg(wxWindow* parent, IListHost& host, IPhotoProfile& settings);

    bool OnInitDialog() override;

    // The full paths of the selected rows in list order; false when none is selected.
    bool GetSelectedFiles(CStringArray& paths) const;
    // Moves the selection to the row after the selected one (none after the last row; the first
    // row when none was selected).
    void SelectNext();

    // Lists the folder anew and keeps the folder and sub-folder settings.
    void Refresh();
    void Zoom();
    // Asks, then deletes the selected files from the disk and lists the folder anew.
    void DeleteSelected();
    CReportList& List() { return *m_list; }
    const CPhotoPreview& Preview() const { return m_preview; }

  protected:
    void OnCancelRequest() override { Hide(); }

  private:
    void OnSelectionChanged();
    void OnTick();
    void ShowPreview();
    void OnListKey(wxKeyEvent& event);

    IListHost& m_host;
    IPhotoProfile& m_settings;
    CButtonEdit m_folder;
    CReportList* m_list = nullptr;
    CPhotoFrame* m_frame = nullptr;
    CContinuousImportList m_files;
    CPhotoPreview m_preview;
    wxTimer m_timer;
    int m_countdown = 0;
};
