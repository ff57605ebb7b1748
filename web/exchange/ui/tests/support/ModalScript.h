#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include <functional>
#include <vector>

// Acts on a modal dialog from a timer while the dialog's own loop runs: each step is tried every
// 100 ms until it reports true; a dialog still open after ten seconds is cancelled.
class ModalScript : public wxTimer
{
  public:
    ModalScript(wxDialog& dialog, std::vector<std::function<bool()>> steps);

    void Notify() override;
    bool Finished() const { return m_next == m_steps.size(); }

  private:
    wxDialog& m_dialog;
    std::vector<std::function<bool()>> m_steps;
    size_t m_next = 0;
    int m_ticks = 0;
    bool m_inStep = false;
};
