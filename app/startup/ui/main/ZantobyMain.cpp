#include "app/settings/VersionInfo.h"
#include "app/startup/ui/ListOpening.h"
#include "app/startup/ui/ZantobyApp.h"
#include "platform/SingleInstance.h"
#include "platform/SystemText.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"

#include <wx/init.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    TakeUserLocale();
    // A later copy hands its file to the running one before any window is made, and ends.
    SingleInstance instance(kProductName);
    std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    if (instance.Start() == SingleInstance::Role::Second) {
        return CListOpening::HandOverToRunningCopy(instance, arguments);
    }
    if (!WindowPlatform::HasDisplay()) {
        std::fprintf(
            stderr, "%s\n",
            ToWx("zantoby: 画面に接続できません。DISPLAY の設定を確かめてください。").utf8_str().data());
        return 1;
    }
    wxApp::SetInstance(new CZantobyApp(&instance, std::move(arguments)));
    return wxEntry(argc, argv);
}
