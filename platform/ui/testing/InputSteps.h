#pragma once

#include "platform/CString.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <functional>

// Runs armed steps of an input test from inside whatever loop is running: a modal dialog's, a
// message box's, a popup menu's, or a test's own pumping. Steps form chains; a chain's next step
// runs once its condition holds, one step per timer tick so that GTK takes in each input before
// the next. A step whose condition does not hold in time fails the running test, drops every
// chain, presses Esc and cancels every modal window, so that a dialog or menu left open cannot
// hang the test.
class InputSteps
{
  public:
    using Condition = std::function<bool()>;
    using Action = std::function<void()>;

    // Starts a new chain with one step; returns its number.
    static int Start(const CString& what, Condition ready, Action run,
                     int timeoutMs = WxTestEnvironment::kPatienceMs);
    // Adds a step at the end of a chain (also from inside one of its own steps).
    static void Then(int chain, const CString& what, Condition ready, Action run,
                     int timeoutMs = WxTestEnvironment::kPatienceMs);
    // Puts a step before the rest of a chain (from inside one of its own steps).
    static void Next(int chain, const CString& what, Condition ready, Action run,
                     int timeoutMs = WxTestEnvironment::kPatienceMs);
    // Whether every armed chain has run to its end.
    static bool AllDone();
    // True while a step runs, when nothing may pump events.
    static bool InStep();
    // Pumps events until every chain has ended or timeoutMs pass; on timeout the chains fail.
    static bool Finish(int timeoutMs = WxTestEnvironment::kPatienceMs);
};
