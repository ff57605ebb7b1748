#pragma once

#include <wx/string.h>

#include <functional>

class wxRect;
class wxWindow;

// The desktop's input method as the program's windows meet it. Once installed, it keeps the
// input contexts of child windows on their top-level window, gives the keys of a text widget
// in which a composition is open to the input method alone, and keeps the mode asked for a
// top-level window on whichever of its windows has the keyboard, as a Japanese desktop keeps
// one input method state for a program's windows.
class InputMethod
{
  public:
    // How a window's input method is to convert what is typed.
    enum class Mode
    {
        kClosed,       // plain key input
        kGivenBack,    // the desktop's input method as the user left it: closed by the program,
                       // it opens again in the mode it had
        kOpen,         // open, in the mode it had
        kHalfKatakana, // open, half-width katakana
        kKatakana,     // open, full-width katakana
        kHiragana,     // open, hiragana
        kAlphanumeric, // open, alphanumeric
    };

    // Called once the toolkit has started, before the first window is made.
    static void Install();

    // The mode of the input method for the top-level window of window, from now on: set on the
    // window that has the keyboard now and on every window of that top-level window that takes
    // the keyboard later. Where the desktop types through GTK's IBus module its engine is put
    // into the mode by the engine's own names for its modes (closed is its direct input); under
    // fcitx5 closed turns the input method off and every other mode on, in the kana mode the
    // user chose there; elsewhere closed chooses plain key input for the window and every other
    // mode gives the desktop's input method back, in whatever mode it is. Closed is in each case
    // a state that the user can leave with the desktop's key.
    static void SetMode(wxWindow& window, Mode mode);
    // Whether the input method converts what is typed in the window that has the keyboard in
    // window's top-level window: false where the program chose plain input for it, where the
    // IBus engine types plain keys or fcitx5 is off.
    static bool IsOpen(wxWindow& window);

    // Composing in a window that is no text widget (wx gives each window an input context of
    // its own once it is realised): changed runs as a composition begins there, changes and
    // ends; false when the window has no input context yet.
    enum class CompositionChange
    {
        kStarted,
        kChanged,
        kEnded
    };
    static bool FollowCompositions(wxWindow& window, std::function<void(CompositionChange)> changed);
    // Gives the key release being handled to the window's input context: wx gives it only the
    // presses, and an input method may need both (the simple one's Ctrl+Shift+U sequences do).
    // Call it from the window's key-up handler.
    static void FilterKeyRelease(wxWindow& window);
    // The text being composed there now, with the position of its cursor in characters.
    struct Composition
    {
        wxString text;
        int cursor = 0;
    };
    static Composition CurrentComposition(wxWindow& window);
    // Where the input method shows its candidates for a window that is no text widget, in the
    // window's client coordinates.
    static void SetCursorArea(wxWindow& window, const wxRect& area);
    // Whether a composition is open in a text widget. The keys that would end one (Return, Esc,
    // Space, Tab, the arrows) belong to the input method until it closes: neither the dialog's
    // nor the widget's own key handlers see them meanwhile.
    static bool IsComposing(wxWindow& textWidget);
};
