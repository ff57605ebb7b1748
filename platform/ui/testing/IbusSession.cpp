#include "platform/ui/testing/IbusSession.h"

#include "platform/ui/testing/SessionProcesses.h"
#include "platform/ui/testing/TestDisplay.h"

#include <ibus.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Running
{
    SessionProcesses processes;
    // The daemon's stand-in, which holds the engine while no window has the keyboard.
    std::string standIn;
};

Running& Session()
{
    static Running running;
    return running;
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

bool EngineIsGlobal(IBusBus* bus, const char* name)
{
    IBusEngineDesc* engine = ibus_bus_get_global_engine(bus);
    const bool global = engine != nullptr && std::string(ibus_engine_desc_get_name(engine)) == name;
    if (engine != nullptr) {
        g_object_unref(engine);
    }
    return global;
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

// Each engine starts in hiragana, as a Japanese desktop's input method is set up: anthy would
// start in Latin input, mozc in direct input.
void StartInHiragana(const fs::path& config)
{
    fs::create_directories(config / "glib-2.0" / "settings");
    std::ofstream(config / "glib-2.0" / "settings" / "keyfile")
        << "[org/freedesktop/ibus/engine/anthy/common]\ninput-mode=0\n";
    fs::create_directories(config / "mozc");
    std::ofstream(config / "mozc" / "ibus_config.textproto")
        << "engines {\n  name: \"mozc-jp\"\n  longname: \"Mozc\"\n  layout: \"default\"\n"
           "  layout_variant: \"\"\n  layout_option: \"\"\n  rank: 80\n}\nactive_on_launch: True\n";
}

bool StartOnce(IbusSession::Client client, IbusSession::Engine engine)
{
    Running& session = Session();
    if (!session.processes.MakeFolder("zantoby-ibus")) {
        return Fail("no folder");
    }
    const fs::path config = session.processes.ConfigFolder();
    StartInHiragana(config);

    const bool xim = client == IbusSession::Client::kXimServer;
    // The memory config and the key file settings need no desktop's settings service.
    std::vector<std::string> daemon = {"env",         "GSETTINGS_BACKEND=keyfile",           "ibus-daemon",
                                       "--replace",   "--config=/usr/libexec/ibus-memconf", "--cache=refresh",
                                       "--panel=disable"};
    if (xim) {
        daemon.emplace_back("--xim");
    }
    if (!session.processes.Start(daemon)) {
        return Fail("no process");
    }

    std::string address;
    if (!SessionProcesses::WaitUntil([&] { return !(address = AddressIn(config / "ibus" / "bus")).empty(); })) {
        return Fail("the daemon wrote no address");
    }
    setenv("IBUS_ADDRESS", address.c_str(), 1);
    ibus_init();
    IBusBus* bus = ibus_bus_new();
    const char* name = engine == IbusSession::Engine::kMozc ? "mozc-jp" : "anthy";
    const bool ready = SessionProcesses::WaitUntil([&] {
        if (!ibus_bus_is_connected(bus)) {
            return false;
        }
        ibus_bus_set_global_engine(bus, name);
        return EngineIsGlobal(bus, name);
    });
    // No window is made yet.
    session.standIn = CurrentContext(bus);
    g_object_unref(bus);
    if (!ready) {
        return Fail("the engine did not start");
    }
    if (xim) {
        setenv("XMODIFIERS", "@im=ibus", 1);
        setenv("GTK_IM_MODULE", "xim", 1);
        if (!SessionProcesses::WaitUntil(XimServerListed)) {
            return Fail("the XIM server did not start");
        }
    } else {
        setenv("GTK_IM_MODULE", "ibus", 1);
    }
    return true;
}

} // namespace

bool IbusSession::Start(Client client, Engine engine)
{
    static std::optional<bool> started;
    if (!started) {
        started = StartOnce(client, engine);
    }
    return *started;
}

void IbusSession::End()
{
    Session().processes.End();
}

std::string IbusSession::FocusedContext()
{
    IBusBus* bus = ibus_bus_new();
    const std::string current = ibus_bus_is_connected(bus) ? CurrentContext(bus) : std::string();
    g_object_unref(bus);
    return current == Session().standIn ? std::string() : current;
}

std::vector<pid_t> IbusSession::Processes()
{
    return Session().processes.Running();
}
