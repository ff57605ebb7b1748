#pragma once

class wxListBox;
class wxTopLevelWindow;
class wxWindow;

// The few GTK calls that wx does not offer: making a window resizable after creation, choosing
// the input method of a text widget and measuring a list box's lines.
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

    // Height in pixels of one line of the list box with its present font, spacing between
    // lines included; 0 when it cannot be measured.
    static int GetListLineHeight(wxListBox& list);
};
