#include "platform/ui/UpdateUiCheck.h"

#include <wx/event.h>
#include <wx/menu.h>

void SetCheckIfCheckable(wxUpdateUIEvent& event, bool on)
{
    wxObject* source = event.GetEventObject();
    if (source != nullptr && source->IsKindOf(wxCLASSINFO(wxMenu))) {
        const wxMenuItem* item = static_cast<wxMenu*>(source)->FindItem(event.GetId());
        if (item == nullptr || !item->IsCheckable()) {
            return;
        }
    }
    event.Check(on);
}
