#include "platform/ui/testing/TestWindowManager.h"

#include "platform/ui/testing/QuietChild.h"
#include "platform/ui/testing/TestDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// Whether a window manager holds the screen: the window it names as its own on the root window
// (_NET_SUPPORTING_WM_CHECK) exists. A manager that was killed may leave the property behind,
// but never its window.
bool ManagerPresent(Display* display)
{
    const Window root = DefaultRootWindow(display);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    Window check = 0;
    if (XGetWindowProperty(display, root, XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                           XA_WINDOW, &type, &format, &items, &after, &data) == Success &&
        items == 1) {
        check = *reinterpret_cast<Window*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    if (check == 0) {
        return false;
    }
    Window top = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    bool found = false;
    if (XQueryTree(display, root, &top, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count && !found; ++i) {
            found = children[i] == check;
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

bool WaitForManager(Display* display)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (ManagerPresent(display)) {
            return true;
        }
        usleep(25 * 1000);
    }
    return false;
}

} // namespace

TestWindowManager::TestWindowManager()
{
    if (!m_display.IsRunning()) {
        return;
    }
    Display* display = TestDisplay::Open();
    if (display == nullptr) {
        return;
    }
    // Its settings and cache go to a folder of its own: the system's defaults, nothing of the user's.
    const char* tmp = std::getenv("TMPDIR");
    m_folder = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zantoby-wm.XXXXXX";
    if (mkdtemp(m_folder.data()) == nullptr) {
        m_folder.clear();
        XCloseDisplay(display);
        return;
    }
    m_manager = QuietChild::Fork();
    if (m_manager == 0) {
        setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
        setenv("XDG_CACHE_HOME", m_folder.c_str(), 1);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    m_running = m_manager > 0 && WaitForManager(display);
    XCloseDisplay(display);
}

TestWindowManager::~TestWindowManager()
{
    QuietChild::End(m_manager);
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}
