#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "list/InputCheckSwitches.h"

class IListHost;

// The input check's options ("ﾘｽﾄ入力内容ﾁｪｯｸ"): which of the six tests run. It will not close
// with OK while no test is chosen.
class CCheckListDlg : public CAnchorDialog
{
  public:
    // host shows the dialog's message.
    CCheckListDlg(wxWindow* parent, IListHost& host);

    // Shows the dialog with the switches preset; IDOK (the switches then hold the choice) or
    // IDCANCEL.
    static int Run(wxWindow* parent, IListHost& host, InputCheckSwitches& switches);

    bool OnInitDialog() override;

    // Set before DoModal; after IDOK they hold the user's choice.
    InputCheckSwitches switches;

  private:
    void OnOK(wxCommandEvent& event);

    IListHost& m_host;
};
