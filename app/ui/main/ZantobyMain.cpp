#include "app/VersionInfo.h"
#include "app/ui/ZantobyApp.h"
#include "platform/SingleInstance.h"
#include "platform/SystemText.h"

#include <wx/init.h>

#include <algorithm>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    TakeUserLocale();
    // A later copy hands its file to the running one before any window is made, and ends.
    SingleInstance instance(kProductName);
    std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (instance.Start() == SingleInstance::Role::Second) {
        return CZantobyApp::HandOverToRunningCopy(instance, arguments);
    }
    wxApp::SetInstance(new CZantobyApp(&instance, std::move(arguments)));
    return wxEntry(argc, argv);
}
