#pragma once

#include <wx/modalhook.h>

#include <vector>

class wxDialog;

// The modal dialogs open now, outermost first, as wx's hook of modal dialogs reports them: the
// program's own and the toolkit's file chooser alike.
class COpenModalDialogs : public wxModalDialogHook
{
  public:
    // The one list, following the dialogs from its first call on.
    static COpenModalDialogs& Get();
    wxDialog* Innermost() const { return m_open.empty() ? nullptr : m_open.back(); }

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

  private:
    std::vector<wxDialog*> m_open;
};
