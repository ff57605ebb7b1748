#pragma once

#include "platform/CString.h"

#include <wx/timer.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class CZantobyApp;
class SingleInstance;
class WxReadWatch;

// The lists the program is asked to open (by its windows, its command line, the later copies that
// hand their file over) and the request to end: each carried out at once, or once the start and
// any long work have ended.
class CListOpening
{
  public:
    explicit CListOpening(CZantobyApp& app);
    ~CListOpening();

    // A later copy hands its command line's file (or nothing) to the running copy. Returns the
    // process's exit code: 0 when the running copy took the request.
    static int HandOverToRunningCopy(SingleInstance& instance, const std::vector<std::string>& arguments);
    // From now on the files later copies hand over are taken, also while the start goes on; until
    // StopListening.
    void Listen(SingleInstance& instance);
    void StopListening();

    bool IsStarting() const { return m_starting; }
    // The start is over: what waited for it is done now.
    void EndStart();
    // Opens a list by path through the document templates; during the start the request waits
    // until the start has ended. False when nothing was opened.
    bool Open(const CString& path);
    bool OpenNow(const CString& path);
    // A file named on the command line, relative to the current folder; false when it names no
    // file the program opens.
    bool OpenFileArgument(const CString& file);
    // Opens the recent-file list's entry; an entry that no longer opens leaves the list.
    void OpenRecent(int index);
    // Ended by the session or a signal: the program closes as the user would, asking about
    // unsaved lists, as soon as the start or long work allows it.
    void RequestEnd();

  private:
    // Takes the requests waiting on the single-instance socket.
    void ReceiveHandOver();
    // Opens the files handed over and carries out a request to end, once the start is over and
    // no long work is in progress; otherwise it tries again shortly.
    void DoDeferredWork();
    void OnRetryTimer(wxTimerEvent& event);
    void BringForward();

    CZantobyApp& m_app;
    SingleInstance* m_instance = nullptr;
    std::unique_ptr<WxReadWatch> m_handOverWatch;
    bool m_starting = true;
    std::deque<CString> m_pendingOpens;
    bool m_endRequested = false;
    wxTimer m_retryTimer;
};
