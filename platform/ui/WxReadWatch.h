#pragma once

#include <wx/evtloopsrc.h>

#include <functional>

// Calls back from wx's event loop whenever a file descriptor (a listening socket) has data
// waiting, for as long as the object lives.
class WxReadWatch : private wxEventLoopSourceHandler
{
  public:
    WxReadWatch(int fd, std::function<void()> onReadable);
    ~WxReadWatch() override;
    WxReadWatch(const WxReadWatch&) = delete;
    WxReadWatch& operator=(const WxReadWatch&) = delete;

    // False when the event loop could not watch the descriptor.
    bool IsWatching() const { return m_source != nullptr; }

  private:
    void OnReadWaiting() override { m_onReadable(); }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

    std::function<void()> m_onReadable;
    wxEventLoopSource* m_source = nullptr;
};
