#include "app/VersionInfo.h"
#include "app/ui/ZantobyApp.h"
#include "platform/SingleInstance.h"

#include <wx/init.h>

int main(int argc, char** argv)
{
    // A later copy hands its file to the running one before any window is made, and ends.
    SingleInstance instance(kProductName);
    if (instance.Start() == SingleInstance::Role::Second) {
        return CZantobyApp::HandOverToRunningCopy(instance, std::vector<std::string>(argv + 1, argv + argc));
    }
    wxApp::SetInstance(new CZantobyApp(&instance));
    return wxEntry(argc, argv);
}
