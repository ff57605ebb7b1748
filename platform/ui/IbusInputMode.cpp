#include "platform/ui/IbusInputMode.h"

#include <ibus.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// What an engine's properties say of its modes: each radio item by its name, checked or not.
// Updates replace what they name; a new registration replaces everything.
std::map<std::string, bool>& ModeItems()
{
    static std::map<std::string, bool> items;
    return items;
}

std::string CheckedItem()
{
    for (const auto& [name, checked] : ModeItems()) {
        if (checked) {
            return name;
        }
    }
    return std::string();
}

// The last part of a property's name says which mode it is (the part before it names the menu).
std::string ModeWordOf(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

// The engines' words for the modes a program asks for.
bool IsModeWord(const std::string& word)
{
    return word == "Direct" || word == "Hiragana" || word == "Katakana" || word == "HalfWidthKatakana" ||
           word == "Latin" || word == "WideLatin";
}

// The items of one menu are radio items: one checked leaves the others unchecked, also where the
// engine names only the one it checked.
void Check(const std::string& item)
{
    const auto menu = item.substr(0, item.rfind('.') + 1);
    for (auto& [name, checked] : ModeItems()) {
        if (name.compare(0, menu.size(), menu) == 0) {
            checked = false;
        }
    }
    ModeItems()[item] = true;
}

bool IsModeItem(IBusProperty* property)
{
    return ibus_property_get_prop_type(property) == PROP_TYPE_RADIO &&
           IsModeWord(ModeWordOf(ibus_property_get_key(property)));
}

// A menu's items as the engine lists them. anthy checks the item chosen and leaves the one before
// checked in its list too, so of several checked the one checked here already stands, else the
// last.
void TakeInItems(IBusPropList* items, const std::string& before)
{
    std::vector<std::string> checked;
    for (guint i = 0; IBusProperty* property = ibus_prop_list_get(items, i); ++i) {
        if (IsModeItem(property)) {
            const std::string name = ibus_property_get_key(property);
            ModeItems()[name] = false;
            if (ibus_property_get_state(property) == PROP_STATE_CHECKED) {
                checked.push_back(name);
            }
        }
        if (IBusPropList* sub = ibus_property_get_sub_props(property)) {
            TakeInItems(sub, before);
        }
    }
    if (!checked.empty()) {
        Check(std::find(checked.begin(), checked.end(), before) != checked.end() ? before : checked.back());
    }
}

// One property an engine updates: an item on its own, or a menu with its items.
void TakeIn(IBusProperty* property)
{
    if (IsModeItem(property)) {
        const std::string name = ibus_property_get_key(property);
        if (ibus_property_get_state(property) == PROP_STATE_CHECKED) {
            Check(name);
        } else {
            ModeItems()[name] = false;
        }
    }
    if (IBusPropList* items = ibus_property_get_sub_props(property)) {
        TakeInItems(items, CheckedItem());
    }
}

// The property name of the engine's item for the mode, empty when it offers none.
std::string ItemFor(const std::string& word)
{
    for (const auto& [name, checked] : ModeItems()) {
        if (ModeWordOf(name) == word) {
            return name;
        }
    }
    return std::string();
}

std::string ItemFor(IbusInputMode::Conversion conversion)
{
    switch (conversion) {
    case IbusInputMode::Conversion::kDirect: {
        // anthy's plain input is its Latin mode; mozc has a direct input beside its Latin
        // composition.
        const std::string direct = ItemFor("Direct");
        return !direct.empty() ? direct : ItemFor("Latin");
    }
    case IbusInputMode::Conversion::kHalfKatakana:
        return ItemFor("HalfWidthKatakana");
    case IbusInputMode::Conversion::kKatakana:
        return ItemFor("Katakana");
    case IbusInputMode::Conversion::kHiragana:
        return ItemFor("Hiragana");
    case IbusInputMode::Conversion::kAlphanumeric:
        return ItemFor("Latin");
    }
    return std::string();
}

void OnEngineSignal(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* signal,
                    GVariant* parameters, gpointer)
{
    const bool registered = g_strcmp0(signal, "RegisterProperties") == 0;
    if ((!registered && g_strcmp0(signal, "UpdateProperty") != 0) ||
        !g_variant_is_of_type(parameters, G_VARIANT_TYPE("(v)"))) {
        return;
    }
    GVariant* wrapped = g_variant_get_child_value(parameters, 0);
    GVariant* serialized = g_variant_get_variant(wrapped);
    IBusSerializable* object = ibus_serializable_deserialize(serialized);
    g_variant_unref(serialized);
    g_variant_unref(wrapped);
    if (object == nullptr) {
        return;
    }
    if (registered && IBUS_IS_PROP_LIST(object)) {
        // Another engine may have come; its names are the ones that count.
        const std::string before = CheckedItem();
        ModeItems().clear();
        TakeInItems(IBUS_PROP_LIST(object), before);
    } else if (!registered && IBUS_IS_PROPERTY(object)) {
        TakeIn(IBUS_PROPERTY(object));
    }
    g_object_unref(object);
}

// The engines tell the daemon their properties by signals that anyone on the bus may hear.
void Subscribe(IBusBus* bus)
{
    if (GDBusConnection* connection = ibus_bus_get_connection(bus)) {
        g_dbus_connection_signal_subscribe(connection, nullptr, "org.freedesktop.IBus.Engine", nullptr, nullptr,
                                           nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnEngineSignal, nullptr, nullptr);
    }
}

// The input context that has the keyboard, as a proxy of this process's connection; null when
// no daemon answers. The bus is one per process, shared with GTK's IBus module, so what that
// module told the daemon (the focus) has reached it before this asks. With nothing focused the
// daemon names its stand-in context, which holds the engine until a window takes it; a mode
// set there goes along.
IBusInputContext* FocusedContext()
{
    if (!IbusInputMode::IsAvailable()) {
        return nullptr;
    }
    IBusBus* bus = ibus_bus_new();
    IBusInputContext* context = nullptr;
    if (ibus_bus_is_connected(bus)) {
        gchar* path = ibus_bus_current_input_context(bus);
        context = path != nullptr ? ibus_input_context_get_input_context(path, ibus_bus_get_connection(bus))
                                  : nullptr;
        g_free(path);
    }
    g_object_unref(bus);
    return context;
}

bool Activate(const std::string& item)
{
    if (item.empty()) {
        return false;
    }
    IBusInputContext* context = FocusedContext();
    if (context == nullptr) {
        return false;
    }
    ibus_input_context_property_activate(context, item.c_str(), PROP_STATE_CHECKED);
    g_object_unref(context);
    // The engine says so a moment later; until then the item stands checked here.
    Check(item);
    return true;
}

} // namespace

bool IbusInputMode::IsAvailable()
{
    return ibus_get_address() != nullptr;
}

void IbusInputMode::Watch()
{
    static IBusBus* bus = nullptr;
    if (bus != nullptr || !IsAvailable()) {
        return;
    }
    bus = ibus_bus_new();
    g_signal_connect(bus, "connected", G_CALLBACK(+[](IBusBus* connected, gpointer) { Subscribe(connected); }),
                     nullptr);
    if (ibus_bus_is_connected(bus)) {
        Subscribe(bus);
    }
}

bool IbusInputMode::Set(Conversion conversion)
{
    return Activate(ItemFor(conversion));
}

std::string IbusInputMode::Current()
{
    return CheckedItem();
}

bool IbusInputMode::IsDirect(const std::string& mode)
{
    return !mode.empty() && mode == ItemFor(Conversion::kDirect);
}

bool IbusInputMode::Restore(const std::string& mode)
{
    return ModeItems().count(mode) != 0 && Activate(mode);
}
