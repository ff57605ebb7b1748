#pragma once

#include <functional>

class wxWindow;

// Starts wx once for a window test program, waits for GTK, and saves screenshots into the test
// output folder (ZANTOBY_TEST_OUTPUT).
class CGridWindowTesting
{
  public:
    static void Start();
    static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);
    static void PumpFor(int ms);
    // False when the picture could not be written.
    static bool SaveScreenshot(wxWindow& window, const char* name);
};
