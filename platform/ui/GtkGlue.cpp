#include "platform/ui/GtkGlue.h"

#include <gtk/gtk.h>
#include <wx/event.h>
#include <wx/listbox.h>
#include <wx/utils.h>
#include <wx/toplevel.h>

namespace {

// The widget that has the keyboard focus in the top-level window of window.
GtkWidget* FocusedWidget(wxWindow& window)
{
    wxWindow* top = wxGetTopLevelParent(&window);
    if (top == nullptr || top->GetHandle() == nullptr || !GTK_IS_WINDOW(top->GetHandle())) {
        return nullptr;
    }
    return gtk_window_get_focus(GTK_WINDOW(top->GetHandle()));
}

// The simple context of GTK handles dead keys and compose sequences only, so choosing it for a
// widget switches any conversion input method off there.
constexpr const char* kPlainInput = "gtk-im-context-simple";

} // namespace

void GtkGlue::SetResizable(wxTopLevelWindow& window, bool resizable)
{
    if (window.GetHandle() != nullptr && GTK_IS_WINDOW(window.GetHandle())) {
        gtk_window_set_resizable(GTK_WINDOW(window.GetHandle()), resizable ? TRUE : FALSE);
    }
}

void GtkGlue::SetOwnWindowGroup(wxTopLevelWindow& window)
{
    if (window.GetHandle() == nullptr || !GTK_IS_WINDOW(window.GetHandle())) {
        return;
    }
    GtkWindow* handle = GTK_WINDOW(window.GetHandle());
    if (gtk_window_has_group(handle)) {
        return;
    }
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, handle);
    // The window holds the group from now on.
    g_object_unref(group);
}

bool GtkGlue::IsResizable(const wxTopLevelWindow& window)
{
    GtkWidget* handle = const_cast<wxTopLevelWindow&>(window).GetHandle();
    return handle != nullptr && GTK_IS_WINDOW(handle) && gtk_window_get_resizable(GTK_WINDOW(handle));
}

bool GtkGlue::SetInputMethodEnabled(wxWindow& window, bool enabled)
{
    GtkWidget* focus = FocusedWidget(window);
    if (focus == nullptr || !(GTK_IS_ENTRY(focus) || GTK_IS_TEXT_VIEW(focus))) {
        return false;
    }
    g_object_set(G_OBJECT(focus), "im-module", enabled ? nullptr : kPlainInput, nullptr);
    return true;
}

bool GtkGlue::IsInputMethodEnabled(wxWindow& window)
{
    GtkWidget* focus = FocusedWidget(window);
    if (focus == nullptr || !(GTK_IS_ENTRY(focus) || GTK_IS_TEXT_VIEW(focus))) {
        return true;
    }
    gchar* module = nullptr;
    g_object_get(G_OBJECT(focus), "im-module", &module, nullptr);
    const bool plain = module != nullptr && g_strcmp0(module, kPlainInput) == 0;
    g_free(module);
    return !plain;
}

bool GtkGlue::OnCompositionStart(wxWindow& window, std::function<void()> started)
{
    if (window.m_imContext == nullptr) {
        return false;
    }
    using Handler = std::function<void()>;
    g_signal_connect_data(
        window.m_imContext, "preedit-start",
        G_CALLBACK(+[](GtkIMContext*, gpointer handler) { (*static_cast<Handler*>(handler))(); }),
        new Handler(std::move(started)), +[](gpointer handler, GClosure*) { delete static_cast<Handler*>(handler); },
        GConnectFlags(0));
    return true;
}

void GtkGlue::DropComposition(wxWindow& window)
{
    if (window.m_imContext != nullptr) {
        gtk_im_context_reset(window.m_imContext);
    }
}

void GtkGlue::RepeatKey(wxWindow& window, const wxKeyEvent& key)
{
    GtkWidget* focus = FocusedWidget(window);
    GdkWindow* target = focus != nullptr ? gtk_widget_get_window(focus) : nullptr;
    if (target == nullptr || key.GetRawKeyCode() == 0) {
        return;
    }
    GdkDisplay* display = gdk_window_get_display(target);
    auto send = [&](GdkEventType type, guint keyval, guint16 code, guint state) {
        GdkEvent* event = gdk_event_new(type);
        event->key.window = GDK_WINDOW(g_object_ref(target));
        event->key.send_event = TRUE;
        event->key.time = GDK_CURRENT_TIME;
        event->key.keyval = keyval;
        event->key.hardware_keycode = code;
        event->key.state = state;
        gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
        gtk_widget_event(focus, event);
        gdk_event_free(event);
    };
    guint state = (key.ShiftDown() ? GDK_SHIFT_MASK : 0) | (key.RawControlDown() ? GDK_CONTROL_MASK : 0) |
                  (key.AltDown() ? GDK_MOD1_MASK : 0);
    send(GDK_KEY_PRESS, key.GetRawKeyCode(), static_cast<guint16>(key.GetRawKeyFlags()), state);
    // Modifiers let go since then are let go here too: an input method may wait for that.
    const struct
    {
        guint mask;
        guint keyval;
        wxKeyCode key;
    } modifiers[] = {{GDK_SHIFT_MASK, GDK_KEY_Shift_L, WXK_SHIFT}, {GDK_CONTROL_MASK, GDK_KEY_Control_L, WXK_CONTROL}};
    for (const auto& modifier : modifiers) {
        GdkKeymapKey* keys = nullptr;
        gint count = 0;
        if ((state & modifier.mask) == 0 || wxGetKeyState(modifier.key) ||
            !gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), modifier.keyval, &keys,
                                               &count)) {
            continue;
        }
        send(GDK_KEY_RELEASE, modifier.keyval, static_cast<guint16>(keys[0].keycode), state);
        state &= ~modifier.mask;
        g_free(keys);
    }
}

int GtkGlue::GetListLineHeight(wxListBox& list)
{
    GtkTreeView* view = list.m_treeview;
    GtkTreeViewColumn* column = view != nullptr ? gtk_tree_view_get_column(view, 0) : nullptr;
    GtkTreeModel* model = view != nullptr ? gtk_tree_view_get_model(view) : nullptr;
    if (column == nullptr || model == nullptr) {
        return 0;
    }
    // The renderers measure the row their cell data came from last.
    GtkTreeIter first;
    if (gtk_tree_model_get_iter_first(model, &first)) {
        gtk_tree_view_column_cell_set_cell_data(column, model, &first, FALSE, FALSE);
    }
    int height = 0;
    gtk_tree_view_column_cell_get_size(column, nullptr, nullptr, nullptr, nullptr, &height);
    int separator = 0;
    gtk_widget_style_get(GTK_WIDGET(view), "vertical-separator", &separator, nullptr);
    return height + separator;
}

void GtkGlue::SetListCursor(wxListBox& list, int line)
{
    GtkTreeView* view = list.m_treeview;
    if (view == nullptr || line < 0 || line >= static_cast<int>(list.GetCount())) {
        return;
    }
    GtkTreePath* path = gtk_tree_path_new_from_indices(line, -1);
    gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
    gtk_tree_view_scroll_to_cell(view, path, nullptr, FALSE, 0, 0);
    gtk_tree_path_free(path);
}
