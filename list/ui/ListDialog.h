#pragma once

#include "foundation/ui/AnchorDialog.h"

// The base of the dialogs of a list's definition: the program's icon, Esc and the close box
// handed to the dialog's own cancel (an in-cell edit keeps its Esc), Enter that closes nothing,
// and an end that serves a dialog shown modally or not.
class CListDialog : public CAnchorDialog
{
  protected:
    CListDialog(wxWindow* parent, int templateId, const CString& title);

    // Esc and the close box.
    virtual void OnCancelRequest() = 0;
    // Whether a control is editing in place and takes Esc itself.
    virtual bool IsEditingInPlace() const { return false; }
    // Ends a modal run with the result, or hides a dialog shown without one.
    void Finish(int result);

  private:
    void OnCharHookEvent(wxKeyEvent& event);
};
