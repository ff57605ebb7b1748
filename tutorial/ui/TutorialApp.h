#pragma once

#include "foundation/AppBase.h"

#include <wx/app.h>
#include <wx/weakref.h>

#include <memory>

class CTutorialDlg;
class SingleInstance;
class WxReadWatch;

// The tutorial viewer's application object: the running copy's tutorial window, the requests
// of the main program that come over the single-instance channel, the shared profile, and
// error boxes without error files.
class CTutorialApp : public wxApp
{
  public:
    // channel: this copy's hold on the single running copy, listening. topic: the page asked
    // for on the command line (0: the start page).
    CTutorialApp(SingleInstance& channel, int topic);
    ~CTutorialApp() override;

    bool OnInit() override;
    int OnExit() override;
    bool OnExceptionInMainLoop() override;
    // A click anywhere in the viewer gives it the keyboard.
    int FilterEvent(wxEvent& event) override;

  private:
    // Takes the requests waiting on the channel.
    void ReceiveRequests();

    SingleInstance& m_channel;
    int m_topic;
    CAppBase m_base;
    std::unique_ptr<WxReadWatch> m_watch;
    wxWeakRef<CTutorialDlg> m_dialog;
};
