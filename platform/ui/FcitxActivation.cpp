#include "platform/ui/FcitxActivation.h"

#include <gio/gio.h>

namespace {

// fcitx5 answers within milliseconds; a hung one must not hang the program long.
constexpr int kReplyLimitMs = 1000;

// The calls go on the process's shared connection to the session bus, the one GTK's fcitx
// module tells the focus on, so that they reach fcitx5 after what the module told it.
GVariant* Call(const char* method)
{
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        return nullptr;
    }
    GVariant* reply =
        g_dbus_connection_call_sync(bus, "org.fcitx.Fcitx5", "/controller", "org.fcitx.Fcitx.Controller1", method,
                                    nullptr, nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, kReplyLimitMs, nullptr, nullptr);
    g_object_unref(bus);
    return reply;
}

} // namespace

std::optional<bool> FcitxActivation::IsOn()
{
    GVariant* reply = Call("State");
    if (reply == nullptr) {
        return std::nullopt;
    }
    // 0: no context has the keyboard, 1: off, 2: on.
    gint32 state = 0;
    g_variant_get(reply, "(i)", &state);
    g_variant_unref(reply);
    if (state == 0) {
        return std::nullopt;
    }
    return state == 2;
}

bool FcitxActivation::Turn(bool on)
{
    GVariant* reply = Call(on ? "Activate" : "Deactivate");
    if (reply == nullptr) {
        return false;
    }
    g_variant_unref(reply);
    return true;
}
