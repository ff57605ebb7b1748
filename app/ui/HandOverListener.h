#pragma once

#include <wx/evtloopsrc.h>

#include <functional>

// Watches the single-instance socket from the event loop and calls back whenever a later copy
// of the program has a request waiting.
class CHandOverListener : public wxEventLoopSourceHandler
{
  public:
    explicit CHandOverListener(std::function<void()> onRequest) : m_onRequest(std::move(onRequest)) {}

    void OnReadWaiting() override { m_onRequest(); }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

  private:
    std::function<void()> m_onRequest;
};
