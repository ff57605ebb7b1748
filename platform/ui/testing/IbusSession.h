#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// A Japanese input method of the test program's own, as our users' desktops have one: IBus with
// anthy or mozc in hiragana, on a D-Bus session bus and in folders of its own, so that it never
// meets a user's. It must start before the toolkit, which takes the input method from the
// environment it leaves, and it ends with the test program.
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
    enum class Engine
    {
        kAnthy,
        // mozc's server refuses to run as root: its test programs run as UnprivilegedRun.
        kMozc
    };

    // Starts it once for the test program and waits until the engine takes keys; later calls
    // return the first answer. False (with the reason on stderr) when it could not start.
    static bool Start(Client client, Engine engine = Engine::kAnthy);
    // Ends it now: the daemon, its engines and whatever they started, waiting for them all.
    static void End();
    // The input context the daemon gives the keys to now, empty while no window of the program
    // has it. A window that has just taken the keyboard types through the input method once its
    // context is named here: before, the toolkit may still be making it.
    static std::string FocusedContext();
    // The processes of the session that still run.
    static std::vector<pid_t> Processes();
};
