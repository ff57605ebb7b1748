#include "platform/ui/testing/FcitxSession.h"

#include "platform/ui/testing/SessionProcesses.h"

#include <gio/gio.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>

namespace {

namespace fs = std::filesystem;

SessionProcesses& Processes()
{
    static SessionProcesses processes;
    return processes;
}

GDBusConnection* Bus()
{
    static GDBusConnection* bus = nullptr;
    if (bus == nullptr) {
        bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    }
    return bus;
}

// A call of fcitx5's controller; null when it does not answer.
GVariant* Controller(const char* method)
{
    return Bus() == nullptr ? nullptr
                            : g_dbus_connection_call_sync(Bus(), "org.fcitx.Fcitx5", "/controller",
                                                          "org.fcitx.Fcitx.Controller1", method, nullptr,
                                                          nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
}

bool MozcIsThere()
{
    GVariant* reply = Controller("AvailableInputMethods");
    if (reply == nullptr) {
        return false;
    }
    bool there = false;
    GVariantIter* methods = nullptr;
    g_variant_get(reply, "(a(ssssssb))", &methods);
    const gchar* name = nullptr;
    while (g_variant_iter_next(methods, "(&s&s&s&s&s&sb)", &name, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr)) {
        there = there || g_strcmp0(name, "mozc") == 0;
    }
    g_variant_iter_free(methods);
    g_variant_unref(reply);
    return there;
}

bool Fail(const char* why)
{
    std::fprintf(stderr, "FcitxSession: %s\n", why);
    return false;
}

bool StartOnce()
{
    SessionProcesses& processes = Processes();
    if (!processes.MakeFolder("zantoby-fcitx")) {
        return Fail("no folder");
    }
    // A Japanese group: the keyboard, and mozc for the input method turned on.
    const fs::path config = processes.ConfigFolder() / "fcitx5";
    fs::create_directories(config);
    std::ofstream(config / "profile") << "[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n\n"
                                         "[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n"
                                         "[Groups/0/Items/1]\nName=mozc\nLayout=\n\n[GroupOrder]\n0=Default\n";
    // Its own windows (the candidate list, tray items) and its other front ends stay out of the
    // tests' screen.
    if (!processes.Start({"fcitx5", "--disable=classicui,kimpanel,notificationitem,wayland,waylandim,"
                                    "ibusfrontend,fcitx4frontend,xim,clipboard,emoji,quickphrase,spell,unicode"})) {
        return Fail("no process");
    }
    if (!SessionProcesses::WaitUntil([&] { return !processes.BusAddress().empty(); })) {
        return Fail("the bus did not start");
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", processes.BusAddress().c_str(), 1);
    if (!SessionProcesses::WaitUntil(MozcIsThere)) {
        return Fail("mozc did not start");
    }
    setenv("GTK_IM_MODULE", "fcitx", 1);
    return true;
}

} // namespace

bool FcitxSession::Start()
{
    static std::optional<bool> started;
    if (!started) {
        started = StartOnce();
    }
    return *started;
}

std::string FcitxSession::FocusedContext()
{
    GVariant* reply = Controller("DebugInfo");
    if (reply == nullptr) {
        return std::string();
    }
    const gchar* text = nullptr;
    g_variant_get(reply, "(&s)", &text);
    // "  IC [uuid] program:... focus:1" for each context.
    std::string info = text != nullptr ? text : "";
    g_variant_unref(reply);
    const auto focused = info.find("focus:1");
    const auto open = focused == std::string::npos ? std::string::npos : info.rfind("IC [", focused);
    const auto close = open == std::string::npos ? std::string::npos : info.find(']', open);
    return close == std::string::npos ? std::string() : info.substr(open + 4, close - open - 4);
}

bool FcitxSession::IsOn()
{
    GVariant* reply = Controller("State");
    if (reply == nullptr) {
        return false;
    }
    gint32 state = 0;
    g_variant_get(reply, "(i)", &state);
    g_variant_unref(reply);
    return state == 2;
}
