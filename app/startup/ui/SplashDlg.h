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
    // Whether its time is up. The start waits on this, not on whether the window is shown: a
    // window hidden before the window system has mapped it is taken for shown again when the
    // late map arrives (a list that takes long to open holds the events back).
    bool HasEnded() const { return m_ended; }

  private:
    void OnTimer(wxTimerEvent& event);

    wxTimer m_timer;
    bool m_ended = false;
};
