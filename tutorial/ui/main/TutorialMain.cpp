#include "tutorial/TutorialChannel.h"
#include "tutorial/ui/TutorialApp.h"

#include "platform/SingleInstance.h"

#include <wx/init.h>

namespace {

// A later copy waits this long for the running one, which may still be starting.
constexpr int kHandOverTimeoutMs = 10000;

} // namespace

int main(int argc, char** argv)
{
    // The one argument is the page to show; anything else shows the start page.
    int topic = 0;
    if (argc > 1) {
        CTutorialChannel::ParseTopic(argv[1], topic);
    }
    // One viewer per user: a later copy hands its page over to the running one, before any
    // window is made, and ends. Without a channel the main program could never reach or close
    // the viewer, so none is shown.
    SingleInstance channel(CTutorialChannel::kName);
    switch (channel.Start()) {
    case SingleInstance::Role::Second:
        return channel.Send(CTutorialChannel::FormatShow(topic), kHandOverTimeoutMs) ? 0 : 1;
    case SingleInstance::Role::First:
        break;
    default:
        return 0;
    }
    wxApp::SetInstance(new CTutorialApp(channel, topic));
    return wxEntry(argc, argv);
}
