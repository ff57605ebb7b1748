#pragma once

#include "platform/CString.h"

#include <functional>

class wxWindow;

// Starts wx once for a window test program and offers the waits that window tests need, since
// GTK applies sizes and focus asynchronously. Input is given through UserInput.
class WxTestEnvironment
{
  public:
    // The bound of a wait for something the test expects: it only stops a test whose program
    // hangs, so it is long enough for a sanitizer build on a machine loaded with other builds.
    static constexpr int kPatienceMs = 60000;

    // Starts wx on the first call, with FailOnAssertions; later calls do nothing.
    static void Ensure();
    // From now on every wx assertion fails the running test with its place and message, and the
    // program goes on; the platform's own harmless ones (ids above 32767) excepted. Call it before
    // wx starts, so that the program's start-up is covered too.
    static void FailOnAssertions();
    // From now on every critical or warning GTK or GLib prints fails the running test too. Call
    // it before wx starts to cover the program's start-up.
    static void FailOnToolkitWarnings();
    // Processes pending events until done() holds or timeoutMs pass; returns done().
    static bool PumpUntil(const std::function<bool()>& done, int timeoutMs = kPatienceMs);
    // Processes pending events for about ms milliseconds.
    static void PumpFor(int ms);
    // Processes pending events until the X server has given a top-level window the size wx set
    // (GTK takes a size later than wx reports it, and a late one would undo a size set after it);
    // returns whether it has.
    static bool PumpUntilSized(wxWindow& window, int timeoutMs = kPatienceMs);
    // Saves a picture of the window's screen area as PNG into the test output folder
    // (ZANTOBY_TEST_OUTPUT); returns the path, empty when it could not be written.
    static CString SaveScreenshot(wxWindow& window, const char* name);
};
