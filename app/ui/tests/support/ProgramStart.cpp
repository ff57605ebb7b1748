#include "ProgramStart.h"

#include "app/ui/ZantobyApp.h"

#include <wx/init.h>

#include <cstdlib>

CZantobyApp& StartProgram(const std::vector<std::string>& arguments)
{
    static CZantobyApp* app = nullptr;
    if (app == nullptr) {
        app = new CZantobyApp(nullptr);
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
        if (!wxEntryStart(argc, argv.data()) || !app->CallOnInit()) {
            std::abort();
        }
    }
    return *app;
}
