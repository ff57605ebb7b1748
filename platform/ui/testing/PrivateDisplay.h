#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

// An X display of the test's own (Xvfb) while it lives. DISPLAY names it meanwhile, so that what
// the test opens or starts afterwards lands there and never meets the tests running beside it on
// the shared display.
class PrivateDisplay
{
  public:
    // Whether the server starts afresh when its last client leaves, as Xvfb does by default.
    enum class Reset { kNever, kWhenLastClientLeaves };

    explicit PrivateDisplay(Reset reset = Reset::kNever);
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    bool IsRunning() const { return m_running; }
    // Ends the server and gives DISPLAY back; whether the server ended cleanly.
    bool Stop();

  private:
    pid_t m_server = -1;
    bool m_running = false;
    std::optional<std::string> m_previousDisplay;
};
