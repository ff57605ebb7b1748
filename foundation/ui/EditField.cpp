#include "foundation/ui/EditField.h"

void CEditField::OnAttached()
{
    GetEdit().Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) { SendToParent(EVT_FIELD_DOUBLE_CLICK); });
}

void CEditField::OnEditChange()
{
    PostToParent(EVT_FIELD_CHANGE);
}

void CEditField::OnEditKillFocus()
{
    if (GetEdit().IsModified()) {
        PostToParent(EVT_FIELD_UPDATE);
    }
    PostToParent(EVT_FIELD_KILL_FOCUS);
}
