#include "platform/ui/IbusInputMode.h"

#include <ibus.h>

namespace {

// The property an engine takes for each mode: anthy's InputMode.* and mozc's CompositionMode.*.
// An engine leaves the names it does not know alone.
struct EngineModes
{
    const char* direct;
    const char* halfKatakana;
    const char* katakana;
    const char* hiragana;
    const char* alphanumeric;
};

constexpr EngineModes kEngines[] = {
    {"InputMode.Latin", "InputMode.HalfWidthKatakana", "InputMode.Katakana", "InputMode.Hiragana",
     "InputMode.Latin"},
    {"CompositionMode.DIRECT", "CompositionMode.HALF_KATAKANA", "CompositionMode.FULL_KATAKANA",
     "CompositionMode.HIRAGANA", "CompositionMode.HALF_ASCII"},
};

const char* PropertyOf(const EngineModes& engine, IbusInputMode::Conversion conversion)
{
    switch (conversion) {
    case IbusInputMode::Conversion::kDirect:
        return engine.direct;
    case IbusInputMode::Conversion::kHalfKatakana:
        return engine.halfKatakana;
    case IbusInputMode::Conversion::kKatakana:
        return engine.katakana;
    case IbusInputMode::Conversion::kHiragana:
        return engine.hiragana;
    case IbusInputMode::Conversion::kAlphanumeric:
        return engine.alphanumeric;
    }
    return nullptr;
}

} // namespace

bool IbusInputMode::IsAvailable()
{
    return ibus_get_address() != nullptr;
}

bool IbusInputMode::Set(Conversion conversion)
{
    if (!IsAvailable()) {
        return false;
    }
    // The bus is one per process, shared with GTK's IBus module, so what that module told the
    // daemon (the focus) has reached it before this asks.
    IBusBus* bus = ibus_bus_new();
    bool set = false;
    if (ibus_bus_is_connected(bus)) {
        // With nothing focused the daemon names its stand-in context, which holds the engine
        // until a window takes it; a mode set there goes along.
        gchar* path = ibus_bus_current_input_context(bus);
        IBusInputContext* context =
            path != nullptr ? ibus_input_context_get_input_context(path, ibus_bus_get_connection(bus))
                            : nullptr;
        if (context != nullptr) {
            for (const EngineModes& engine : kEngines) {
                ibus_input_context_property_activate(context, PropertyOf(engine, conversion),
                                                     PROP_STATE_CHECKED);
            }
            g_object_unref(context);
            set = true;
        }
        g_free(path);
    }
    g_object_unref(bus);
    return set;
}
