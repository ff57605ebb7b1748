#include "platform/ui/InputMethod.h"

#include "platform/ui/FcitxActivation.h"
#include "platform/ui/IbusInputMode.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <optional>
#include <string>

namespace {

// The simple context of GTK handles dead keys and compose sequences only, so choosing it for a
// widget switches any conversion input method off there.
constexpr const char* kPlainInput = "gtk-im-context-simple";

// A text widget's flag that a composition is open in it.
constexpr const char* kComposingKey = "zantoby-composing";
// A top-level window's mode, kept as the mode's number + 1 (0 for none asked).
constexpr const char* kModeKey = "zantoby-input-mode";

GtkWidget* TextWidgetOf(wxWindow& window)
{
    auto* text = dynamic_cast<wxTextCtrl*>(&window);
    GtkWidget* widget = text != nullptr ? text->GetConnectWidget() : nullptr;
    return widget != nullptr && (GTK_IS_ENTRY(widget) || GTK_IS_TEXT_VIEW(widget)) ? widget : nullptr;
}

GtkWindow* TopLevelHandle(wxWindow& window)
{
    wxWindow* top = wxGetTopLevelParent(&window);
    GtkWidget* handle = top != nullptr ? top->GetHandle() : nullptr;
    return handle != nullptr && GTK_IS_WINDOW(handle) ? GTK_WINDOW(handle) : nullptr;
}

std::optional<InputMethod::Mode> AskedMode(wxWindow& window)
{
    GtkWindow* top = TopLevelHandle(window);
    const auto stored = top != nullptr ? GPOINTER_TO_INT(g_object_get_data(G_OBJECT(top), kModeKey)) : 0;
    if (stored == 0) {
        return std::nullopt;
    }
    return static_cast<InputMethod::Mode>(stored - 1);
}

void FollowCompositions(GtkWidget* widget)
{
    if (g_object_get_data(G_OBJECT(widget), kComposingKey) != nullptr) {
        return;
    }
    // The flag's storage lives as long as the widget.
    auto* composing = g_new0(gboolean, 1);
    g_object_set_data_full(G_OBJECT(widget), kComposingKey, composing, g_free);
    g_signal_connect(widget, "preedit-changed", G_CALLBACK(+[](GtkWidget*, const gchar* text, gpointer flag) {
                         *static_cast<gboolean*>(flag) = text != nullptr && text[0] != '\0';
                     }),
                     composing);
}

// Chooses plain key input, or the desktop's input method again, for the window that has the
// keyboard: a text widget chooses its module, any other window its own context's.
void ChoosePlainInput(wxWindow& focus, bool plain)
{
    if (GtkWidget* text = TextWidgetOf(focus)) {
        gchar* module = nullptr;
        g_object_get(G_OBJECT(text), "im-module", &module, nullptr);
        const bool isPlain = g_strcmp0(module, kPlainInput) == 0;
        g_free(module);
        if (isPlain != plain) {
            g_object_set(G_OBJECT(text), "im-module", plain ? kPlainInput : nullptr, nullptr);
        }
        return;
    }
    if (focus.m_imContext != nullptr && GTK_IS_IM_MULTICONTEXT(focus.m_imContext)) {
        auto* context = GTK_IM_MULTICONTEXT(focus.m_imContext);
        const bool isPlain = g_strcmp0(gtk_im_multicontext_get_context_id(context), kPlainInput) == 0;
        if (isPlain != plain) {
            gtk_im_multicontext_set_context_id(context, plain ? kPlainInput : nullptr);
        }
    }
}

// The input method framework that the windows of window's top-level window type through: where
// the program can set it, the state is set there, so that the user can change it again with the
// desktop's keys; elsewhere the program can only choose GTK's plain input for a window.
enum class Framework
{
    kIbus,
    kFcitx,
    kOther
};

Framework FrameworkOf(wxWindow& window)
{
    wxWindow* top = wxGetTopLevelParent(&window);
    if (top == nullptr || top->m_imContext == nullptr || !GTK_IS_IM_MULTICONTEXT(top->m_imContext)) {
        return Framework::kOther;
    }
    const char* module = gtk_im_multicontext_get_context_id(GTK_IM_MULTICONTEXT(top->m_imContext));
    // IBus's XIM server owns the contexts of its clients, and the daemon refuses a mode asked
    // for a context by anyone but its owner.
    if (g_strcmp0(module, "ibus") == 0 && IbusInputMode::IsAvailable()) {
        return Framework::kIbus;
    }
    if (g_strcmp0(module, "fcitx") == 0 || g_strcmp0(module, "fcitx5") == 0) {
        return Framework::kFcitx;
    }
    return Framework::kOther;
}

IbusInputMode::Conversion ConversionOf(InputMethod::Mode mode)
{
    switch (mode) {
    case InputMethod::Mode::kHalfKatakana:
        return IbusInputMode::Conversion::kHalfKatakana;
    case InputMethod::Mode::kKatakana:
        return IbusInputMode::Conversion::kKatakana;
    case InputMethod::Mode::kAlphanumeric:
        return IbusInputMode::Conversion::kAlphanumeric;
    case InputMethod::Mode::kClosed:
        return IbusInputMode::Conversion::kDirect;
    default:
        return IbusInputMode::Conversion::kHiragana;
    }
}

// The input method state of the program, as a Japanese desktop keeps it for a program's
// windows: the top-level window it was last set for, whether the program closed it, and what
// the user had before the program closed it, to be given back.
struct ModeState
{
    wxWindow* top = nullptr;
    bool closedHere = false;
    std::string ibusModeBefore;
    bool fcitxOnBefore = false;
    // fcitx5's state in the window of a top-level window that last gave the keyboard away.
    wxWindow* fcitxLeftTop = nullptr;
    bool fcitxLeftOn = false;
};

ModeState& State()
{
    static ModeState state;
    return state;
}

// The engine is shared by every window, so only the program's own close is undone.
void ApplyToIbus(InputMethod::Mode mode)
{
    ModeState& state = State();
    if (mode == InputMethod::Mode::kClosed) {
        if (!state.closedHere || !IbusInputMode::IsDirect(IbusInputMode::Current())) {
            state.ibusModeBefore = IbusInputMode::Current();
        }
        IbusInputMode::Set(IbusInputMode::Conversion::kDirect);
        state.closedHere = true;
        return;
    }
    const bool direct = IbusInputMode::IsDirect(IbusInputMode::Current());
    const bool closedHere = state.closedHere && direct;
    state.closedHere = false;
    if (mode == InputMethod::Mode::kGivenBack) {
        if (closedHere) {
            IbusInputMode::Restore(state.ibusModeBefore);
        }
        return;
    }
    if (mode == InputMethod::Mode::kOpen) {
        // Opened in the mode it had, or in hiragana when it had only plain input.
        const bool hadMode = closedHere && !IbusInputMode::IsDirect(state.ibusModeBefore);
        if (direct && !(hadMode && IbusInputMode::Restore(state.ibusModeBefore))) {
            IbusInputMode::Set(IbusInputMode::Conversion::kHiragana);
        }
        return;
    }
    IbusInputMode::Set(ConversionOf(mode));
}

// fcitx5 keeps a state for each context, the one that has the keyboard is set.
void ApplyToFcitx(InputMethod::Mode mode)
{
    ModeState& state = State();
    const std::optional<bool> on = FcitxActivation::IsOn();
    if (mode == InputMethod::Mode::kClosed) {
        if (!state.closedHere || on.value_or(false)) {
            state.fcitxOnBefore = on.value_or(false);
        }
        FcitxActivation::Turn(false);
        state.closedHere = true;
        return;
    }
    const bool closedHere = state.closedHere && !on.value_or(true);
    state.closedHere = false;
    if (mode != InputMethod::Mode::kGivenBack) {
        // Every kana mode too: fcitx5's input method keeps the mode the user chose there.
        FcitxActivation::Turn(true);
    } else if (closedHere && state.fcitxOnBefore) {
        FcitxActivation::Turn(true);
    }
}

void Apply(wxWindow& focus, InputMethod::Mode mode)
{
    State().top = wxGetTopLevelParent(&focus);
    const Framework framework = FrameworkOf(focus);
    // Closed where the framework can be set is its own plain input, which leaves the user the
    // key that opens it again.
    ChoosePlainInput(focus, framework == Framework::kOther && mode == InputMethod::Mode::kClosed);
    switch (framework) {
    case Framework::kIbus:
        ApplyToIbus(mode);
        break;
    case Framework::kFcitx:
        ApplyToFcitx(mode);
        break;
    case Framework::kOther:
        State().closedHere = mode == InputMethod::Mode::kClosed;
        break;
    }
}

// Watches the events that concern input contexts: windows being realised, keys while a text
// widget composes, and the keyboard moving to another window.
class InputMethodFilter : public wxEventFilter
{
  public:
    int FilterEvent(wxEvent& event) override
    {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_CREATE) {
            if (auto* window = wxDynamicCast(event.GetEventObject(), wxWindow)) {
                Realised(*window);
            }
        } else if (type == wxEVT_KEY_DOWN || type == wxEVT_CHAR_HOOK) {
            // A key of a composition goes to the input method, which wx asks only when no
            // handler took the key.
            wxWindow* focus = wxWindow::FindFocus();
            if (focus != nullptr && InputMethod::IsComposing(*focus)) {
                return Event_Ignore;
            }
        } else if (type == wxEVT_SET_FOCUS) {
            if (auto* window = wxDynamicCast(event.GetEventObject(), wxWindow)) {
                KeyboardMoved(*window);
            }
        } else if (type == wxEVT_KILL_FOCUS) {
            if (auto* window = wxDynamicCast(event.GetEventObject(), wxWindow)) {
                KeyboardLeft(*window);
            }
        }
        return Event_Skip;
    }

  private:
    // A window that takes the keyboard gets its top-level window's mode: every time where each
    // widget has its own context, once on entering the window where the engine is shared.
    static void KeyboardMoved(wxWindow& window)
    {
        const auto mode = AskedMode(window);
        if (!mode) {
            return;
        }
        switch (FrameworkOf(window)) {
        case Framework::kOther:
            ChoosePlainInput(window, *mode == InputMethod::Mode::kClosed);
            break;
        case Framework::kIbus:
            if (State().top != wxGetTopLevelParent(&window)) {
                // The window's own handling of the focus tells the input method first, and may
                // ask for a mode of its own, which then stands.
                wxTheApp->CallAfter([window = &window] {
                    // A window that no longer has the keyboard may be gone.
                    if (wxWindow::FindFocus() != window || State().top == wxGetTopLevelParent(window)) {
                        return;
                    }
                    if (const auto asked = AskedMode(*window)) {
                        Apply(*window, *asked);
                    }
                });
            }
            break;
        case Framework::kFcitx:
            wxTheApp->CallAfter([window = &window] {
                if (wxWindow::FindFocus() != window) {
                    return;
                }
                const auto asked = AskedMode(*window);
                if (!asked) {
                    return;
                }
                // Within one window the input method stays as the user left it in the
                // window that had the keyboard.
                ModeState& state = State();
                if (*asked == InputMethod::Mode::kGivenBack && state.fcitxLeftTop == wxGetTopLevelParent(window)) {
                    state.top = state.fcitxLeftTop;
                    FcitxActivation::Turn(state.fcitxLeftOn);
                } else {
                    Apply(*window, *asked);
                }
            });
            break;
        }
    }

    // fcitx5 still names the context that gave the keyboard away until the next one takes it.
    static void KeyboardLeft(wxWindow& window)
    {
        if (AskedMode(window) && FrameworkOf(window) == Framework::kFcitx) {
            const std::optional<bool> on = FcitxActivation::IsOn();
            State().fcitxLeftTop = on ? wxGetTopLevelParent(&window) : nullptr;
            State().fcitxLeftOn = on.value_or(false);
        }
    }

    static void Realised(wxWindow& window)
    {
        if (GtkWidget* text = TextWidgetOf(window)) {
            FollowCompositions(text);
            return;
        }
        // wx gives a child window's input context the window's own GdkWindow. GTK's XIM module
        // would turn that into an X window of its own as soon as the window is typed into,
        // and such a window stops showing what is painted into it (or shows it shifted) while
        // its siblings go on; the top-level window is an X window already.
        GdkWindow* own = window.GTKGetDrawingWindow();
        if (window.m_imContext != nullptr && own != nullptr && !window.IsTopLevel()) {
            gtk_im_context_set_client_window(window.m_imContext, gdk_window_get_toplevel(own));
        }
    }
};

} // namespace

void InputMethod::Install()
{
    static InputMethodFilter* filter = nullptr;
    if (filter != nullptr) {
        return;
    }
    filter = new InputMethodFilter();
    wxEvtHandler::AddFilter(filter);
    IbusInputMode::Watch();
}

void InputMethod::SetMode(wxWindow& window, Mode mode)
{
    if (GtkWindow* top = TopLevelHandle(window)) {
        g_object_set_data(G_OBJECT(top), kModeKey, GINT_TO_POINTER(static_cast<int>(mode) + 1));
    }
    wxWindow* focus = wxWindow::FindFocus();
    Apply(focus != nullptr && wxGetTopLevelParent(focus) == wxGetTopLevelParent(&window) ? *focus : window,
          mode);
}

bool InputMethod::IsOpen(wxWindow& window)
{
    wxWindow* focus = wxWindow::FindFocus();
    wxWindow& target =
        focus != nullptr && wxGetTopLevelParent(focus) == wxGetTopLevelParent(&window) ? *focus : window;
    bool plain = false;
    if (GtkWidget* text = TextWidgetOf(target)) {
        gchar* module = nullptr;
        g_object_get(G_OBJECT(text), "im-module", &module, nullptr);
        plain = g_strcmp0(module, kPlainInput) == 0;
        g_free(module);
    } else if (target.m_imContext != nullptr && GTK_IS_IM_MULTICONTEXT(target.m_imContext)) {
        plain = g_strcmp0(gtk_im_multicontext_get_context_id(GTK_IM_MULTICONTEXT(target.m_imContext)),
                          kPlainInput) == 0;
    }
    if (plain) {
        return false;
    }
    const bool closedHere = State().closedHere && State().top == wxGetTopLevelParent(&target);
    switch (FrameworkOf(target)) {
    case Framework::kIbus: {
        const std::string current = IbusInputMode::Current();
        return current.empty() ? !closedHere : !IbusInputMode::IsDirect(current);
    }
    case Framework::kFcitx:
        return FcitxActivation::IsOn().value_or(!closedHere);
    case Framework::kOther:
        break;
    }
    return true;
}

bool InputMethod::FollowCompositions(wxWindow& window, std::function<void(CompositionChange)> changed)
{
    if (window.m_imContext == nullptr) {
        return false;
    }
    // wx asks for no composition text, and an input method that is not asked for it shows
    // nothing and never says that a composition began.
    gtk_im_context_set_use_preedit(window.m_imContext, TRUE);
    using Handler = std::function<void(CompositionChange)>;
    auto* handler = new Handler(std::move(changed));
    const auto connect = [&](const char* signal, GCallback callback, bool owns) {
        g_signal_connect_data(window.m_imContext, signal, callback, handler,
                              owns ? +[](gpointer data, GClosure*) { delete static_cast<Handler*>(data); }
                                   : static_cast<GClosureNotify>(nullptr),
                              GConnectFlags(0));
    };
    connect("preedit-start", G_CALLBACK(+[](GtkIMContext*, gpointer data) {
                (*static_cast<Handler*>(data))(CompositionChange::kStarted);
            }),
            true);
    connect("preedit-changed", G_CALLBACK(+[](GtkIMContext*, gpointer data) {
                (*static_cast<Handler*>(data))(CompositionChange::kChanged);
            }),
            false);
    connect("preedit-end", G_CALLBACK(+[](GtkIMContext*, gpointer data) {
                (*static_cast<Handler*>(data))(CompositionChange::kEnded);
            }),
            false);
    return true;
}

void InputMethod::FilterKeyRelease(wxWindow& window)
{
    GdkEvent* event = gtk_get_current_event();
    if (event == nullptr) {
        return;
    }
    if (window.m_imContext != nullptr && event->type == GDK_KEY_RELEASE) {
        gtk_im_context_filter_keypress(window.m_imContext, &event->key);
    }
    gdk_event_free(event);
}

InputMethod::Composition InputMethod::CurrentComposition(wxWindow& window)
{
    Composition composition;
    if (window.m_imContext == nullptr) {
        return composition;
    }
    gchar* text = nullptr;
    gint cursor = 0;
    gtk_im_context_get_preedit_string(window.m_imContext, &text, nullptr, &cursor);
    composition.text = wxString::FromUTF8(text != nullptr ? text : "");
    composition.cursor = cursor;
    g_free(text);
    return composition;
}

void InputMethod::SetCursorArea(wxWindow& window, const wxRect& area)
{
    GdkWindow* own = window.GTKGetDrawingWindow();
    if (window.m_imContext == nullptr || own == nullptr) {
        return;
    }
    // The context works on the top-level window, so the area is given there.
    int x = 0;
    int y = 0;
    gdk_window_get_origin(own, &x, &y);
    int topX = 0;
    int topY = 0;
    gdk_window_get_origin(gdk_window_get_toplevel(own), &topX, &topY);
    GdkRectangle rect{area.x + x - topX, area.y + y - topY, area.width, area.height};
    gtk_im_context_set_cursor_location(window.m_imContext, &rect);
}

bool InputMethod::IsComposing(wxWindow& textWidget)
{
    GtkWidget* widget = TextWidgetOf(textWidget);
    const auto* composing =
        widget != nullptr ? static_cast<const gboolean*>(g_object_get_data(G_OBJECT(widget), kComposingKey))
                          : nullptr;
    return composing != nullptr && *composing;
}
