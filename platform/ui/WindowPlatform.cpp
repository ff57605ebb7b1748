#include "platform/ui/WindowPlatform.h"

#include "platform/PrintSpooler.h"
#include "platform/ui/CupsPrintSpooler.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/WxMessageBox.h"

#include <wx/debug.h>
#include <wx/string.h>
#include <wx/translation.h>

#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace {

wxAssertHandler_t& PreviousAssertHandler()
{
    static wxAssertHandler_t handler = nullptr;
    return handler;
}

// Every assertion but the harmless ones goes on as before.
void AssertHandler(const wxString& file, int line, const wxString& function, const wxString& condition,
                   const wxString& message)
{
    if (WindowPlatform::IsHarmlessAssertion(message)) {
        return;
    }
    if (PreviousAssertHandler() != nullptr) {
        PreviousAssertHandler()(file, line, function, condition, message);
    }
}

// The connection that found the display. An X server whose last client leaves starts afresh
// (Xvfb does by default), and a toolkit that connected while it did would find no display; so
// the probe stays until the toolkit has its own connection.
Display*& DisplayProbe()
{
    static Display* probe = nullptr;
    return probe;
}

} // namespace

void WindowPlatform::Install()
{
    if (DisplayProbe() != nullptr) {
        XCloseDisplay(DisplayProbe());
        DisplayProbe() = nullptr;
    }
    WxMessageBox::Install();
    // wx's own windows (the print preview) speak the user's language, as the desktop's do.
    if (wxTranslations::Get() == nullptr) {
        auto* translations = new wxTranslations();
        translations->SetLanguage(wxLANGUAGE_DEFAULT);
        translations->AddStdCatalog();
        wxTranslations::Set(translations);
    }
    PrintSpooler::Install(std::make_unique<CupsPrintSpooler>());
    InputMethod::Install();
    static bool assertsInstalled = false;
    if (!assertsInstalled) {
        assertsInstalled = true;
        PreviousAssertHandler() = wxSetAssertHandler(AssertHandler);
    }
}

bool WindowPlatform::IsHarmlessAssertion(const wxString& message)
{
    // Command and control ids are the program's own numbers, up to 59393, as Windows' 16-bit
    // ids allow.
    return message == "invalid itemid value" || message == "invalid id value";
}

bool WindowPlatform::HasDisplay()
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && wayland[0] != '\0') {
        return true;
    }
    if (DisplayProbe() == nullptr) {
        DisplayProbe() = XOpenDisplay(nullptr);
    }
    return DisplayProbe() != nullptr;
}
