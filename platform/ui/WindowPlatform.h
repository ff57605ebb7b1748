#pragma once

class wxString;

// Switches the platform layer to its window services at program start: message boxes become
// wx dialogs, printers come from CUPS, wx's own texts come in the user's language, menus and
// windows take the program's ids above 32767, and input contexts stay on top-level windows.
class WindowPlatform
{
  public:
    // Called once the toolkit has started; ends the connection HasDisplay made.
    static void Install();
    // Whether the windows have a display to go to; checked before the toolkit starts, which
    // cannot go on without one. The connection that finds it stays open until Install.
    static bool HasDisplay();
    // Whether a wx assertion only reports what the platform does on purpose: command and control
    // ids above 32767, which wx flags for other platforms while GTK takes any int.
    static bool IsHarmlessAssertion(const wxString& message);
};
