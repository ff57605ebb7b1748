#pragma once

class wxTopLevelWindow;
class wxWindow;

// The few GTK calls that wx does not offer: making a window resizable after creation and
// choosing the input method of a text widget.
class GtkGlue
{
  public:
    static void SetResizable(wxTopLevelWindow& window, bool resizable);
    static bool IsResizable(const wxTopLevelWindow& window);

    // The input method of the focused text widget inside window: false switches the input
    // method off (plain key input), true gives it back to the desktop's input method. False
    // when the focus is on no text widget.
    static bool SetInputMethodEnabled(wxWindow& window, bool enabled);
    // True unless the focused text widget of window has its input method switched off.
    static bool IsInputMethodEnabled(wxWindow& window);
};
