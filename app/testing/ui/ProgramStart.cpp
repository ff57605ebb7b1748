#include "app/testing/ui/ProgramStart.h"

#include "app/startup/ZantobyAppCore.h"
#include "app/startup/ui/ZantobyApp.h"
#include "platform/SystemText.h"
#include "platform/ui/testing/TestDisplay.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <wx/init.h>

#include <cstdlib>

CZantobyApp& StartProgram(const std::vector<std::string>& arguments)
{
    static CZantobyApp* app = nullptr;
    if (app == nullptr) {
        {
            // A start without the modal start navigator and without the tutorial viewer,
            // unless the test's own profile asks for them.
            CZantobyAppCore profile;
            profile.SetIniFile(CString());
            if (profile.GetProfileString("Auto", "Navigate", "").IsEmpty()) {
                profile.Settings().SetAutoNavigate(false);
            }
            if (profile.GetProfileString("Auto", "Tutorial", "").IsEmpty()) {
                profile.WriteProfileBool("Auto", "Tutorial", false);
            }
        }
        WxTestEnvironment::FailOnAssertions();
        // As the program's main does: GTK picks its input module by this locale.
        TakeUserLocale();
        app = new CZantobyApp(nullptr, arguments);
        wxApp::SetInstance(app);
        static std::vector<std::string> words;
        static std::vector<char*> argv;
        words.push_back("zantoby");
        words.insert(words.end(), arguments.begin(), arguments.end());
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        static int argc = static_cast<int>(words.size());
        if (!TestDisplay::AwaitForToolkit() || !wxEntryStart(argc, argv.data()) || !app->CallOnInit()) {
            std::abort();
        }
    }
    return *app;
}
