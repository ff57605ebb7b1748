#include "app/VersionInfo.h"
#include "app/ui/ZantobyApp.h"
#include "platform/SingleInstance.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"

#include <wx/init.h>

#include <cstdio>

int main(int argc, char** argv)
{
    // A later copy hands its file to the running one before any window is made, and ends.
    SingleInstance instance(kProductName);
    if (instance.Start() == SingleInstance::Role::Second) {
        return CZantobyApp::HandOverToRunningCopy(instance, std::vector<std::string>(argv + 1, argv + argc));
    }
    if (!WindowPlatform::HasDisplay()) {
        std::fprintf(stderr, "%s\n",
                     ToWx("zantoby: 画面に接続できません。DISPLAY の設定を確かめてください。").utf8_str().data());
        return 1;
    }
    wxApp::SetInstance(new CZantobyApp(&instance));
    return wxEntry(argc, argv);
}
