#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/FontObject.h"

// The about box: the greeting, the program's picture and version, and the way to its home page.
class CAboutDlg : public CAnchorDialog
{
  public:
    explicit CAboutDlg(wxWindow* parent);

    bool OnInitDialog() override;

  private:
    void OnHomePage(wxCommandEvent& event);

    CFontObject m_greetingFont;
};
