#include "list/ui/ListDialog.h"

#include <wx/app.h>
#include <wx/toplevel.h>

CListDialog::CListDialog(wxWindow* parent, int templateId, const CString& title)
    : CAnchorDialog(parent, templateId, title, wxDefaultSize)
{
    // The main window carries the program's icon.
    if (auto* main =
            dynamic_cast<wxTopLevelWindow*>(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr)) {
        SetIcons(main->GetIcons());
    }
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CHAR_HOOK, &CListDialog::OnCharHookEvent, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancelRequest(); });
}

void CListDialog::Finish(int result)
{
    if (IsModal()) {
        EndModal(result);
    } else {
        SetReturnCode(result);
        Hide();
    }
}

void CListDialog::OnCharHookEvent(wxKeyEvent& event)
{
    if (event.GetKeyCode() != WXK_ESCAPE || event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    if (IsEditingInPlace()) {
        // Passed on, so that the edit gets the key; the dialog itself has no Esc button.
        event.Skip();
        return;
    }
    OnCancelRequest();
}
