#pragma once

#include "platform/CString.h"

#include <wx/filedlg.h>

class CProfileSettings;

// The file dialog that opens a list: the system's file chooser with a preview pane of the list
// under the cursor below it, starting in the folder last opened from.
class COpenListDlg : public wxFileDialog
{
  public:
    COpenListDlg(wxWindow* parent, CProfileSettings& settings);

    // Runs the dialog; on OK the chosen file's folder is remembered. A file the program cannot
    // name counts as cancelled (see TakeChosenPath).
    int DoModal();
    const CString& GetChosenPath() const { return m_chosen; }

  private:
    static wxWindow* CreatePane(wxWindow* parent);

    CProfileSettings& m_settings;
    CString m_chosen;
};
