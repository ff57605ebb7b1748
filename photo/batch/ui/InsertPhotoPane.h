#pragma once

#include "photo/batch/PhotoPreview.h"

#include <wx/panel.h>
#include <wx/timer.h>

#include <functional>

class CPhotoFrame;
class wxFileDialog;

// The pane below the insert-photo file dialog: the selected photo with its pixel size, file size
// and date, following the dialog's selection.
class CInsertPhotoPane : public wxPanel
{
  public:
    CInsertPhotoPane(wxFileDialog* dialog, std::function<void()> help);

    // Shows the file (nothing for a file that is not a readable ".jpg").
    void ShowFile(const CString& path);
    const CPhotoPreview& Preview() const { return m_preview; }

  private:
    void OnTick();

    wxFileDialog* m_dialog;
    wxTimer m_timer;
    CString m_selection;
    CPhotoPreview m_preview;
    CPhotoFrame* m_frame = nullptr;
};
