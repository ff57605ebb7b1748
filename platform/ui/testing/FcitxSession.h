#pragma once

#include <string>

// fcitx5 with mozc as the test program's own input method, as many Japanese desktops have it:
// on a D-Bus session bus and in folders of its own, through GTK's fcitx module. As there, each
// input context starts with the input method off, and Ctrl+Space turns it on. It must start
// before the toolkit, and it ends with the test program. mozc's server refuses to run as root:
// its test programs run as UnprivilegedRun.
class FcitxSession
{
  public:
    // Starts it once for the test program and waits until mozc is there; later calls return
    // the first answer. False (with the reason on stderr) when it could not start.
    static bool Start();
    // The input context that has the keyboard, empty while no window of the program has it.
    static std::string FocusedContext();
    // Whether the input method is on in the context that has the keyboard.
    static bool IsOn();
};
