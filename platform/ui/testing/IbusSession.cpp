#include "platform/ui/testing/IbusSession.h"

#include "platform/ui/testing/QuietChild.h"
#include "platform/ui/testing/TestDisplay.h"

#include <ibus.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The daemon and its engines start within a few seconds, more on a loaded machine.
constexpr long kStartLimitMs = 60000;
constexpr unsigned long kPollMs = 100;

// The daemon's process group and folder, ended and removed when the test program ends.
struct Running
{
    pid_t group = -1;
    fs::path folder;
    // The daemon's stand-in, which holds the engine while no window has the keyboard.
    std::string standIn;

    ~Running()
    {
        if (group > 0) {
            kill(-group, SIGTERM);
            waitpid(group, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

Running& Session()
{
    static Running running;
    return running;
}

template <class Condition> bool WaitFor(Condition condition)
{
    const wxStopWatch clock;
    while (!condition()) {
        if (clock.Time() > kStartLimitMs) {
            return false;
        }
        wxMilliSleep(kPollMs);
    }
    return true;
}

// The daemon writes its address into a file of the config folder named by the machine and
// the display.
std::string AddressIn(const fs::path& folder)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) {
            if (line.rfind("IBUS_ADDRESS=", 0) == 0) {
                return line.substr(13);
            }
        }
    }
    return std::string();
}

std::string CurrentContext(IBusBus* bus)
{
    gchar* path = ibus_bus_current_input_context(bus);
    std::string current = path != nullptr ? path : "";
    g_free(path);
    return current;
}

bool EngineIsGlobal(IBusBus* bus)
{
    IBusEngineDesc* engine = ibus_bus_get_global_engine(bus);
    const bool anthy = engine != nullptr && std::string(ibus_engine_desc_get_name(engine)) == "anthy";
    if (engine != nullptr) {
        g_object_unref(engine);
    }
    return anthy;
}

// IBus's XIM server names itself on the root window once it takes clients.
bool XimServerListed()
{
    Display* display = TestDisplay::Open();
    if (display == nullptr) {
        return false;
    }
    const Atom servers = XInternAtom(display, "XIM_SERVERS", False);
    const Atom ibus = XInternAtom(display, "@server=ibus", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool listed = false;
    if (XGetWindowProperty(display, DefaultRootWindow(display), servers, 0, 1024, False, XA_ATOM, &type,
                           &format, &count, &after, &data) == Success &&
        data != nullptr) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !listed; ++i) {
            listed = atoms[i] == ibus;
        }
        XFree(data);
    }
    XCloseDisplay(display);
    return listed;
}

bool Fail(const char* why)
{
    std::fprintf(stderr, "IbusSession: %s\n", why);
    return false;
}

bool StartOnce(IbusSession::Client client)
{
    Running& session = Session();
    std::string pattern = (fs::temp_directory_path() / "zantoby-ibus.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return Fail("no folder");
    }
    session.folder = pattern;
    const fs::path config = session.folder / "config";
    fs::create_directories(config / "glib-2.0" / "settings");
    fs::create_directories(session.folder / "cache");
    // anthy starts in Latin input unless told otherwise.
    std::ofstream(config / "glib-2.0" / "settings" / "keyfile")
        << "[org/freedesktop/ibus/engine/anthy/common]\ninput-mode=0\n";

    const bool xim = client == IbusSession::Client::kXimServer;
    const pid_t child = QuietChild::Fork();
    if (child == 0) {
        setpgid(0, 0);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_CACHE_HOME", (session.folder / "cache").c_str(), 1);
        setenv("HOME", session.folder.c_str(), 1);
        setenv("GSETTINGS_BACKEND", "keyfile", 1);
        // anthy is a Python program of the system's.
        const char* path = std::getenv("PATH");
        setenv("PATH", (std::string("/usr/bin:/bin:") + (path != nullptr ? path : "")).c_str(), 1);
        execlp("dbus-run-session", "dbus-run-session", "--", "ibus-daemon", "--replace", "--panel=disable",
               "--config=/usr/libexec/ibus-memconf", xim ? "--xim" : static_cast<char*>(nullptr),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) {
        return Fail("no process");
    }
    session.group = child;

    std::string address;
    if (!WaitFor([&] { return !(address = AddressIn(config / "ibus" / "bus")).empty(); })) {
        return Fail("the daemon wrote no address");
    }
    setenv("IBUS_ADDRESS", address.c_str(), 1);
    ibus_init();
    IBusBus* bus = ibus_bus_new();
    const bool ready = WaitFor([&] {
        if (!ibus_bus_is_connected(bus)) {
            return false;
        }
        ibus_bus_set_global_engine(bus, "anthy");
        return EngineIsGlobal(bus);
    });
    // No window is made yet.
    session.standIn = CurrentContext(bus);
    g_object_unref(bus);
    if (!ready) {
        return Fail("anthy did not start");
    }
    if (xim) {
        setenv("XMODIFIERS", "@im=ibus", 1);
        setenv("GTK_IM_MODULE", "xim", 1);
        if (!WaitFor(XimServerListed)) {
            return Fail("the XIM server did not start");
        }
    } else {
        setenv("GTK_IM_MODULE", "ibus", 1);
    }
    return true;
}

} // namespace

bool IbusSession::Start(Client client)
{
    static std::optional<bool> started;
    if (!started) {
        started = StartOnce(client);
    }
    return *started;
}

std::string IbusSession::FocusedContext()
{
    IBusBus* bus = ibus_bus_new();
    const std::string current = ibus_bus_is_connected(bus) ? CurrentContext(bus) : std::string();
    g_object_unref(bus);
    return current == Session().standIn ? std::string() : current;
}
