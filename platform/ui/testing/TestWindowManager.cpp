#include "platform/ui/testing/TestWindowManager.h"

#include "platform/ui/testing/TestDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
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

// A child that ends with the test, however the test ends, and writes nowhere.
pid_t ForkQuietChild()
{
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) {
            _exit(0);
        }
        if (std::freopen("/dev/null", "w", stdout) == nullptr || std::freopen("/dev/null", "w", stderr) == nullptr) {
            _exit(126);
        }
    }
    return child;
}

void EndChild(pid_t child)
{
    if (child > 0) {
        kill(child, SIGTERM);
        int status = 0;
        waitpid(child, &status, 0);
    }
}

} // namespace

bool TestWindowManager::StartDisplay()
{
    int ready[2];
    if (pipe(ready) != 0) {
        return false;
    }
    m_server = ForkQuietChild();
    if (m_server == 0) {
        close(ready[0]);
        // The server picks a free display number and writes it to the pipe once it takes clients.
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    if (number.empty()) {
        return false;
    }
    if (const char* previous = std::getenv("DISPLAY")) {
        m_previousDisplay = previous;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

TestWindowManager::TestWindowManager()
{
    if (!StartDisplay()) {
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
    m_manager = ForkQuietChild();
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
    EndChild(m_manager);
    EndChild(m_server);
    if (m_previousDisplay) {
        setenv("DISPLAY", m_previousDisplay->c_str(), 1);
    } else if (m_server > 0) {
        unsetenv("DISPLAY");
    }
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}
