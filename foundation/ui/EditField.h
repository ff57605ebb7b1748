#pragma once

#include "foundation/ui/HostedField.h"

// A plain typed field over a dialog's placeholder; a double click in it reaches the dialog.
class CEditField : public CHostedField
{
  public:
    bool CreateOverDialogItem(wxWindow* parent, int id, const DialogItemInfo* info)
    {
        return AttachToDialogItem(parent, id, info);
    }

  protected:
    void OnAttached() override;
    void OnEditChange() override;
    void OnEditKillFocus() override;
};
