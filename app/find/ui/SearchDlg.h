#pragma once

#include "foundation/ui/AnchorDialog.h"

class CSearchState;
class wxComboBox;

// The find dialog of the lists: the search text with its history, whole-cell, case and
// all-columns switches and the direction; it ends with find next, find from the top or cancel,
// leaving what was chosen in the application's search state.
class CSearchDlg : public CAnchorDialog
{
  public:
    CSearchDlg(wxWindow* parent, CSearchState& state);

    bool OnInitDialog() override;

  private:
    void OnSearch(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    CSearchState& m_state;
    wxComboBox* m_text = nullptr;
};
