#pragma once

#include "foundation/ui/AnchorDialog.h"

class CAppBase;

// The error history: every error report's log, newest first, which the user may copy or clear.
class CErrorLogDlg : public CAnchorDialog
{
  public:
    CErrorLogDlg(wxWindow* parent, CAppBase& app);

    bool OnInitDialog() override;

  private:
    void OnClear(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);

    CAppBase& m_app;
};
