#include "platform/ui/testing/InputSteps.h"

#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/ModalWindows.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/stopwatch.h>
#include <wx/timer.h>

#include <deque>
#include <map>

namespace {

struct Step
{
    CString what;
    InputSteps::Condition ready;
    InputSteps::Action run;
    int timeoutMs;
};

struct Chain
{
    std::deque<Step> steps;
    long since = 0; // when its front step became the front
};

class StepTimer : public wxTimer
{
  public:
    std::map<int, Chain> chains;
    int lastChain = 0;
    int depth = 0; // steps running; the simulator pumps input, so a step may start a loop
    wxStopWatch clock;

    // Runs at most one step, and holds no iterator while it runs: a loop that the step starts
    // ticks this timer again.
    void Notify() override
    {
        std::erase_if(chains, [](const auto& entry) { return entry.second.steps.empty(); });
        Step running;
        int number = 0;
        for (auto it = chains.begin(); it != chains.end() && number == 0; ++it) {
            Chain& chain = it->second;
            Step& step = chain.steps.front();
            if (step.ready()) {
                number = it->first;
                running = std::move(step);
                chain.steps.pop_front();
                chain.since = clock.Time();
            } else if (clock.Time() - chain.since > step.timeoutMs) {
                ADD_FAILURE() << "input step timed out: " << ToWx(step.what).utf8_str();
                // The steps that follow (answers to dialogs among them) wait for what did not
                // happen; whatever is open, a menu or a dialog, would keep its loop running
                // forever.
                chains.clear();
                FakeInput::Key(WXK_ESCAPE, wxMOD_NONE);
                ModalWindows::CancelAll();
                return;
            }
        }
        if (number == 0) {
            if (chains.empty()) {
                Stop();
            }
            return;
        }
        ++depth;
        running.run();
        --depth;
        if (auto found = chains.find(number); found != chains.end()) {
            found->second.since = clock.Time();
        }
    }
};

StepTimer& Timer()
{
    static StepTimer* timer = new StepTimer();
    return *timer;
}

} // namespace

int InputSteps::Start(const CString& what, Condition ready, Action run, int timeoutMs)
{
    StepTimer& timer = Timer();
    const int number = ++timer.lastChain;
    Chain& chain = timer.chains[number];
    chain.since = timer.clock.Time();
    chain.steps.push_back({what, std::move(ready), std::move(run), timeoutMs});
    if (!timer.IsRunning()) {
        timer.Start(20);
    }
    return number;
}

void InputSteps::Then(int chain, const CString& what, Condition ready, Action run, int timeoutMs)
{
    auto found = Timer().chains.find(chain);
    if (found != Timer().chains.end()) {
        found->second.steps.push_back({what, std::move(ready), std::move(run), timeoutMs});
    }
}

void InputSteps::Next(int chain, const CString& what, Condition ready, Action run, int timeoutMs)
{
    auto found = Timer().chains.find(chain);
    if (found != Timer().chains.end()) {
        found->second.steps.push_front({what, std::move(ready), std::move(run), timeoutMs});
    }
}

bool InputSteps::AllDone()
{
    for (const auto& [number, chain] : Timer().chains) {
        if (!chain.steps.empty()) {
            return false;
        }
    }
    return true;
}

bool InputSteps::InStep()
{
    return Timer().depth > 0;
}

bool InputSteps::Finish(int timeoutMs)
{
    if (WxTestEnvironment::PumpUntil(&InputSteps::AllDone, timeoutMs)) {
        return true;
    }
    for (const auto& [number, chain] : Timer().chains) {
        if (!chain.steps.empty()) {
            ADD_FAILURE() << "input steps not done: " << ToWx(chain.steps.front().what).utf8_str();
        }
    }
    Timer().chains.clear();
    return false;
}
