#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/SpinEdit.h"

class CConfigForm;

// The settings dialog: what happens at start, open and close, the list font size and the rows
// per mouse wheel step; "設定" writes them to the profile.
class CConfigDlg : public CAnchorDialog
{
  public:
    static constexpr int kApplyId = 1;

    CConfigDlg(wxWindow* parent, CConfigForm& form);

    bool OnInitDialog() override;

  private:
    void OnApply(wxCommandEvent& event);

    CConfigForm& m_form;
    CSpinEdit m_fontSize;
    CSpinEdit m_wheel;
};
