#include "platform/ui/PointerCapture.h"

#include <wx/event.h>
#include <wx/window.h>

namespace {

bool IsWithin(const wxWindow* window, const wxWindow& outer)
{
    for (; window != nullptr; window = window->GetParent()) {
        if (window == &outer) {
            return true;
        }
    }
    return false;
}

} // namespace

void PointerCapture::EndWithin(wxWindow& closing)
{
    // Captures stack; each one inside the closing window goes.
    for (wxWindow* holder = wxWindow::GetCapture(); IsWithin(holder, closing);
         holder = wxWindow::GetCapture()) {
        holder->ReleaseMouse();
        wxMouseCaptureLostEvent lost(holder->GetId());
        lost.SetEventObject(holder);
        holder->GetEventHandler()->ProcessEvent(lost);
    }
}
