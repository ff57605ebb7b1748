#include "foundation/ui/MessagePump.h"

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace {

// Holds off commands and close requests while a pump runs.
class CommandHold : public wxEventFilter
{
  public:
    int FilterEvent(wxEvent& event) override
    {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_MENU) {
            return Event_Ignore;
        }
        if (type == wxEVT_CLOSE_WINDOW) {
            auto& close = static_cast<wxCloseEvent&>(event);
            if (close.CanVeto()) {
                close.Veto();
                return Event_Processed;
            }
        }
        return Event_Skip;
    }
};

int depth = 0;

// One round of pending events with commands held off.
void PumpOnce()
{
    if (wxTheApp == nullptr) {
        return;
    }
    CommandHold hold;
    if (depth++ == 0) {
        wxEvtHandler::AddFilter(&hold);
    }
    wxTheApp->Yield(true);
    if (--depth == 0) {
        wxEvtHandler::RemoveFilter(&hold);
    }
}

} // namespace

void CMessagePump::PumpMessages()
{
    PumpOnce();
}

void CMessagePump::PumpMessagesFor(int ms)
{
    wxStopWatch watch;
    while (watch.Time() < ms) {
        PumpOnce();
        // A short rest keeps the loop from taking a whole processor while it waits.
        wxMilliSleep(1);
    }
}

bool CMessagePump::IsPumping()
{
    return depth > 0;
}
