#pragma once

#include "platform/ui/testing/PrivateDisplay.h"

#include <string>

#include <sys/types.h>

// Runs a display of its own (Xvfb) with a window manager (openbox) while it lives, for the tests
// that need what a desktop does and plain Xvfb does not: frames, minimising and restoring,
// stacking, focus given on map. DISPLAY names it meanwhile, so what the test opens or starts
// afterwards lands there; test programs running beside it on the shared display never meet the
// manager. It reads no user settings, and it ends with this object or with the test process.
class TestWindowManager
{
  public:
    // Starts both and waits until the manager holds the screen; IsRunning() says whether it does.
    TestWindowManager();
    // Ends both and gives DISPLAY back.
    ~TestWindowManager();
    TestWindowManager(const TestWindowManager&) = delete;
    TestWindowManager& operator=(const TestWindowManager&) = delete;

    bool IsRunning() const { return m_running; }

  private:
    PrivateDisplay m_display;
    pid_t m_manager = -1;
    bool m_running = false;
    std::string m_folder;
};
