#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

// A Wayland compositor (weston) running inside the test's X display while it lives. Its X11
// backend shows the compositor as one window of the display and takes the display's keyboard
// and pointer as its seat, so input given to that window reaches the compositor's clients.
// WAYLAND_DISPLAY names it meanwhile; a program started then with GDK_BACKEND=wayland and no
// DISPLAY is its client.
class WaylandCompositor
{
  public:
    // Starts it on DISPLAY, in XDG_RUNTIME_DIR, and waits for its socket.
    WaylandCompositor();
    // Ends it and gives WAYLAND_DISPLAY back.
    ~WaylandCompositor();
    WaylandCompositor(const WaylandCompositor&) = delete;
    WaylandCompositor& operator=(const WaylandCompositor&) = delete;

    bool IsRunning() const { return m_running; }
    // The title of its window on the X display.
    static constexpr char kWindowTitle[] = "Weston Compositor";

  private:
    pid_t m_compositor = -1;
    bool m_running = false;
    std::optional<std::string> m_previousSocket;
};
