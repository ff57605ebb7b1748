#include "platform/ui/testing/WxTestEnvironment.h"

#include "platform/SystemText.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/testing/TestDisplay.h"

#include <gtest/gtest.h>

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
#include <cstring>

#include <gtk/gtk.h>

void WxTestEnvironment::Ensure()
{
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    FailOnAssertions();
    // As the programs do: GTK picks its input module by this locale.
    TakeUserLocale();
    static int argc = 1;
    static char name[] = "window-test";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp());
    if (!TestDisplay::AwaitForToolkit() || !wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::abort();
    }
    wxInitAllImageHandlers();
    // As every program of the project does before its first window.
    InputMethod::Install();
}

bool WxTestEnvironment::PumpUntilSized(wxWindow& window, int timeoutMs)
{
    return PumpUntil(
        [&] {
            GdkWindow* shown = gtk_widget_get_window(window.GetHandle());
            const wxSize size = window.GetSize();
            return shown != nullptr && gdk_window_get_width(shown) == size.x &&
                   gdk_window_get_height(shown) == size.y;
        },
        timeoutMs);
}

void WxTestEnvironment::FailOnAssertions()
{
    wxSetAssertHandler([](const wxString& file, int line, const wxString& function, const wxString& condition,
                          const wxString& message) {
        if (WindowPlatform::IsHarmlessAssertion(message)) {
            return;
        }
        ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << function.utf8_str() << ": "
                                              << condition.utf8_str() << " " << message.utf8_str();
    });
}

void WxTestEnvironment::FailOnToolkitWarnings()
{
    // A critical or warning of the toolkit is a fault of ours as much as an assertion is, though
    // GTK only prints it and goes on. GLib takes one writer per process.
    static bool writing = false;
    if (!writing) {
        writing = true;
        g_log_set_writer_func(
            [](GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data) {
                if ((level & (G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) != 0) {
                    const char* domain = "";
                    const char* message = "";
                    for (gsize field = 0; field < count; ++field) {
                        if (std::strcmp(fields[field].key, "GLIB_DOMAIN") == 0) {
                            domain = static_cast<const char*>(fields[field].value);
                        } else if (std::strcmp(fields[field].key, "MESSAGE") == 0) {
                            message = static_cast<const char*>(fields[field].value);
                        }
                    }
                    ADD_FAILURE() << domain << ": " << message;
                }
                return g_log_writer_default(level, fields, count, data);
            },
            nullptr, nullptr);
    }
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
    // wx reports a new size at once; the display follows after a round trip and a repaint.
    window.Refresh();
    PumpFor(300);
    window.Update();
    // ImageMagick reads the screen as the X server has it (a screen DC of GTK 3 may return
    // what was there before the last resize).
    const wxRect area(window.GetScreenPosition(), window.GetSize());
    const wxString path = wxString(folder) + "/" + name + ".png";
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d '%s'", area.width,
                                              area.height, area.x, area.y, path);
    if (std::system(command.utf8_str()) != 0 || !wxFileName::FileExists(path)) {
        return CString();
    }
    return CString(std::string(path.utf8_str()));
}
