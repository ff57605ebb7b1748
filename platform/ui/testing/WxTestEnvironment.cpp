#include "platform/ui/testing/WxTestEnvironment.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <cstdlib>

void WxTestEnvironment::Ensure()
{
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    static int argc = 1;
    static char name[] = "window-test";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::abort();
    }
    wxInitAllImageHandlers();
}

bool WxTestEnvironment::PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    wxStopWatch watch;
    while (!done() && watch.Time() < timeoutMs) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    wxTheApp->Yield(true);
    return done();
}

void WxTestEnvironment::PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

CString WxTestEnvironment::SaveScreenshot(wxWindow& window, const char* name)
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    if (folder == nullptr || !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        return CString();
    }
    window.Raise();
    PumpFor(200);
    const wxRect area(window.GetScreenPosition(), window.GetSize());
    wxBitmap picture(area.width, area.height);
    {
        wxScreenDC screen;
        wxMemoryDC memory(picture);
        memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
    }
    const wxString path = wxString(folder) + "/" + name + ".png";
    if (!picture.SaveFile(path, wxBITMAP_TYPE_PNG)) {
        return CString();
    }
    return CString(std::string(path.utf8_str()));
}
