#pragma once

#include "foundation/ui/AnchorDialog.h"

#include <wx/timer.h>

// The picture shown while the program starts: modeless, without a caption, and gone by itself
// (hidden) three seconds after it is set up. The start waits for it before showing the main
// window.
class CSplashDlg : public CAnchorDialog
{
  public:
    static constexpr int kShowMilliseconds = 3000;

    explicit CSplashDlg(wxWindow* parent);

    bool OnInitDialog() override;

  private:
    void OnTimer(wxTimerEvent& event);

    wxTimer m_timer;
};
