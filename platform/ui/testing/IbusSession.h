#pragma once

#include <string>

// A Japanese input method of the test program's own, as our users' desktops have one: IBus with
// anthy in hiragana, on a D-Bus session bus and in folders of its own, so that it never meets a
// user's. It must start before the toolkit, which takes the input method from the environment
// it leaves, and it ends with the test program.
class IbusSession
{
  public:
    // How the program's windows reach it: GTK's IBus module, or GTK's XIM module through IBus's
    // XIM server (XMODIFIERS=@im=ibus), as on a desktop whose only input method is an XIM server.
    enum class Client
    {
        kIbusModule,
        kXimServer
    };

    // Starts it once for the test program and waits until anthy takes keys; later calls return
    // the first answer. False (with the reason on stderr) when it could not start.
    static bool Start(Client client);
    // The input context the daemon gives the keys to now, empty while no window of the program
    // has it. A window that has just taken the keyboard types through the input method once its
    // context is named here: before, the toolkit may still be making it.
    static std::string FocusedContext();
};
