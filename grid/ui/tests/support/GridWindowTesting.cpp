#include "grid/ui/tests/support/GridWindowTesting.h"

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <cstdlib>

void CGridWindowTesting::Start()
{
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    static int argc = 1;
    static char name[] = "grid-window-test";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::abort();
    }
}

bool CGridWindowTesting::PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    wxStopWatch watch;
    while (!done() && watch.Time() < timeoutMs) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    wxTheApp->Yield(true);
    return done();
}

void CGridWindowTesting::PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

bool CGridWindowTesting::SaveScreenshot(wxWindow& window, const char* name)
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    if (folder == nullptr || !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        return false;
    }
    window.Refresh();
    PumpFor(300);
    window.Update();
    const wxRect area(window.GetScreenPosition(), window.GetSize());
    const wxString path = wxString(folder) + "/" + name + ".png";
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d '%s'", area.width,
                                              area.height, area.x, area.y, path);
    return std::system(command.utf8_str()) == 0 && wxFileName::FileExists(path);
}
