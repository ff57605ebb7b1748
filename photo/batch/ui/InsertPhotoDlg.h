#pragma once

#include "platform/CString.h"

#include <wx/filedlg.h>

#include <functional>

class IPhotoProfile;

// The file dialog that picks one photo for a row, with a preview of the selected file; it starts
// in the photo folder setting and keeps the folder of the photo chosen.
class CInsertPhotoDlg : public wxFileDialog
{
  public:
    CInsertPhotoDlg(wxWindow* parent, IPhotoProfile& settings, std::function<void()> help);

    // wxID_OK with the chosen path, or wxID_CANCEL.
    int DoModal(CString& path);

  private:
    static wxWindow* CreatePane(wxWindow* dialog);

    IPhotoProfile& m_settings;
    std::function<void()> m_help;
};
