#pragma once

#include "foundation/ui/AnchorDialog.h"

class wxTextCtrl;

// Asks for the row number the list window goes to; a number below 1 is refused with a beep.
class CJumpToDlg : public CAnchorDialog
{
  public:
    explicit CJumpToDlg(wxWindow* parent);

    bool OnInitDialog() override;
    // The row number confirmed, from 1.
    int GetRow() const { return m_row; }

  private:
    void OnConfirm(wxCommandEvent& event);

    wxTextCtrl* m_edit = nullptr;
    int m_row = 0;
};
