#pragma once

#include "platform/CString.h"
#include "platform/LockFile.h"

#include <string>

// Keeps one running copy of a program per user. The first copy holds a lock file (flock) and
// listens on a Unix-domain socket in the user's private runtime folder; a later copy finds the
// lock taken and hands its request to the first copy through the socket. Only processes of the
// same user can reach the socket, and the first copy checks the sender's user as well.
class SingleInstance
{
  public:
    enum class Role
    {
        // Not started yet.
        None,
        // This is the running copy: it listens for requests.
        First,
        // Another copy runs: hand the request over and end.
        Second,
        // No private folder or socket could be had; the program runs without the check.
        Alone,
    };

    // name: the lock and socket names ("<name>.lock", "<name>.sock") and the fallback folder.
    explicit SingleInstance(const char* name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock or finds it taken. The folder is GetRuntimeFolder's unless one is given.
    Role Start(const CString& folder = CString());
    // For a program that only sends requests to another program's running copy and never
    // becomes that copy: no lock is taken, and Send fails at once when no copy listens.
    // Second, or Alone when no runtime folder can be had.
    Role StartAsSender(const CString& folder = CString());
    Role GetRole() const { return m_role; }

    // Second copy: delivers the message and waits until the first copy has taken it; false when
    // no first copy took it within timeoutMs (it may still be starting, so connecting is retried).
    bool Send(const std::string& message, int timeoutMs) const;

    // First copy: the listening socket, readable while a request waits; -1 in other roles.
    int GetListenHandle() const { return m_listenFd; }
    // First copy: takes one waiting request, answers its sender and returns true; false when none
    // waits, or the request came from another user, was longer than kMaxMessage or did not
    // arrive whole within a second.
    bool Receive(std::string& message) const;

    static constexpr size_t kMaxMessage = 64 * 1024;

    // $XDG_RUNTIME_DIR when it is an absolute folder of this user that nobody else may enter;
    // else <tempBase>/<name>-runtime-<uid>, made with mode 0700 when missing. Empty when neither
    // is safe (a folder of another user, open to others, or a link in its place).
    static CString GetRuntimeFolder(const char* name, const char* tempBase = "/tmp");

  private:
    // The socket's path in the folder (GetRuntimeFolder's when empty); false when there is no
    // folder or the path is too long for a socket address.
    bool SetSocketPath(const CString& folder, std::string& nativeFolder);

    CString m_name;
    Role m_role = Role::None;
    LockFile m_lock;
    int m_listenFd = -1;
    std::string m_socketPath;
    // A later copy may find the lock taken before the first copy listens, so it keeps trying.
    bool m_waitForListener = true;
};
