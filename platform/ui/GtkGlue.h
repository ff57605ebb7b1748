#pragma once

#include <functional>

class wxKeyEvent;
class wxListBox;
class wxTopLevelWindow;
class wxWindow;

// The few GTK calls that wx does not offer: making a window resizable after creation, choosing
// the input method of a text widget, following compositions of the input method, measuring a
// list box's lines and placing its cursor.
class GtkGlue
{
  public:
    static void SetResizable(wxTopLevelWindow& window, bool resizable);
    static bool IsResizable(const wxTopLevelWindow& window);
    // Puts a top-level window in a window group of its own: the input grab of a modal dialog
    // holds only the windows of its group, so a modeless window opened over a modal dialog
    // then takes clicks and keys itself.
    static void SetOwnWindowGroup(wxTopLevelWindow& window);

    // The input method of the focused text widget inside window: false switches the input
    // method off (plain key input), true gives it back to the desktop's input method. False
    // when the focus is on no text widget.
    static bool SetInputMethodEnabled(wxWindow& window, bool enabled);
    // True unless the focused text widget of window has its input method switched off.
    static bool IsInputMethodEnabled(wxWindow& window);

    // Composing in a window that is no text widget (wx gives each window an input context of
    // its own once it is realised): started runs whenever the input method begins a composition
    // there; false when the window has no input context yet. Dropping the composition lets it
    // begin again elsewhere, where the key that began it is given again (to the focused text
    // widget inside window's top-level window).
    static bool OnCompositionStart(wxWindow& window, std::function<void()> started);
    static void DropComposition(wxWindow& window);
    static void RepeatKey(wxWindow& window, const wxKeyEvent& key);

    // Height in pixels of one line of the list box with its present font, spacing between
    // lines included; 0 when it cannot be measured.
    static int GetListLineHeight(wxListBox& list);
    // Selects a line of the list box as the keys would reach it: its keyboard cursor moves
    // there too (a selection alone leaves the arrows going on from the first line), and the
    // line scrolls into view.
    static void SetListCursor(wxListBox& list, int line);
};
