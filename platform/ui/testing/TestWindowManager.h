#pragma once

#include <string>

#include <sys/types.h>

// Runs a window manager (openbox) on the test's display while it lives, for the tests that need
// what a desktop does and plain Xvfb does not: frames, minimising and restoring, stacking, focus
// given on map. It reads no user settings, and it ends with this object or with the test process,
// so that no later test on the display meets it.
class TestWindowManager
{
  public:
    // Starts it and waits until it manages the screen; IsRunning() says whether it does.
    TestWindowManager();
    // Ends it and waits until the screen is free of it.
    ~TestWindowManager();
    TestWindowManager(const TestWindowManager&) = delete;
    TestWindowManager& operator=(const TestWindowManager&) = delete;

    bool IsRunning() const { return m_running; }

  private:
    pid_t m_pid = -1;
    bool m_running = false;
    std::string m_folder;
};
