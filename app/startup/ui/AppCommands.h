#pragma once

#include "app/startup/ZantobyAppCore.h"
#include "list/GlobalFindSettings.h"
#include "platform/CString.h"

#include <memory>

class CZantobyApp;
class wxCommandEvent;

// The application's own commands, whichever window is in front: new, open and samples through
// the start navigator, the global extract over every open list, the settings, about, the error
// log and help.
class CAppCommands
{
  public:
    // Binds the commands to the application.
    explicit CAppCommands(CZantobyApp& app);

    // The start navigator on a tab (0 organiser, 1 new list, 2 recent lists, 3 samples), then
    // what the user chose there: a new list, a list from a template, the automatic organiser,
    // a recent list, a sample, or a file chosen in the open-list dialog.
    void RunOpenNavigator(int mode);
    // The folder whose Sample and Template folders the navigator offers; the program's own
    // unless set (tests run beside the build's folder).
    void SetResourceFolder(const CString& folder) { m_resourceFolder = folder; }
    // The global extract's settings while it applies them, else null: a list opened at another
    // time shows its rows as it always does.
    GlobalFindSettings* AppliedGlobalFind() const
    {
        return m_applyingGlobalFind ? m_globalFind.get() : nullptr;
    }

  private:
    void OnFileCommand(wxCommandEvent& event);
    void OnGlobalExtract(wxCommandEvent& event);
    void ApplyGlobalExtract();
    void OnSettings(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnErrorLog(wxCommandEvent& event);
    void OnHelpCommand(wxCommandEvent& event);

    CZantobyApp& m_app;
    std::unique_ptr<GlobalFindSettings> m_globalFind;
    bool m_applyingGlobalFind = false;
    CString m_resourceFolder = CZantobyAppCore::GetResourceFolder();
};
