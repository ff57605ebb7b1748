#include "platform/SingleInstance.h"

#include "platform/FileSystem.h"
#include "platform/SteadyClock.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char kAnswer[] = "taken";

// A folder of this user, not a link, that no one else may read, write or enter.
bool IsPrivateFolder(const std::string& path)
{
    struct stat info = {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

// Waits until fd is ready for events or the deadline passes.
bool WaitFor(int fd, short events, long long deadline)
{
    for (;;) {
        const long long left = deadline - SteadyMilliseconds();
        if (left <= 0) {
            return false;
        }
        pollfd entry = {fd, events, 0};
        const int ready = poll(&entry, 1, static_cast<int>(left));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

bool WriteAll(int fd, const char* data, size_t size, long long deadline)
{
    while (size > 0) {
        const ssize_t written = send(fd, data, size, MSG_NOSIGNAL);
        if (written > 0) {
            data += written;
            size -= static_cast<size_t>(written);
        } else if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(fd, POLLOUT, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// Reads until the peer shuts its side; false when more than limit bytes come or time runs out.
bool ReadAll(int fd, std::string& data, size_t limit, long long deadline)
{
    char buffer[4096];
    for (;;) {
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got == 0) {
            return true;
        }
        if (got > 0) {
            if (data.size() + static_cast<size_t>(got) > limit) {
                return false;
            }
            data.append(buffer, static_cast<size_t>(got));
        } else if (errno == EAGAIN || errno == EINTR) {
            if (!WaitFor(fd, POLLIN, deadline)) {
                return false;
            }
        } else {
            return false;
        }
    }
}

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

} // namespace

SingleInstance::SingleInstance(const char* name) : m_name(name) {}

SingleInstance::~SingleInstance()
{
    if (m_listenFd >= 0) {
        close(m_listenFd);
        unlink(m_socketPath.c_str());
    }
}

CString SingleInstance::GetRuntimeFolder(const char* name, const char* tempBase)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return FileSystem::FromNative(runtime);
    }
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string fallback = std::string(tempBase) + "/" + lower + "-runtime-" + std::to_string(getuid());
    if (mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) {
        return CString();
    }
    return IsPrivateFolder(fallback) ? FileSystem::FromNative(fallback) : CString();
}

SingleInstance::Role SingleInstance::Start(const CString& folder)
{
    if (m_role != Role::None) {
        return m_role;
    }
    m_role = Role::Alone;
    std::string native;
    if (!SetSocketPath(folder, native)) {
        return m_role;
    }
    sockaddr_un address;
    MakeAddress(m_socketPath, address);
    const std::string lockPath = native + "/" + m_name.str() + ".lock";
    if (!m_lock.Acquire(FileSystem::FromNative(lockPath))) {
        // A lock file that is there but not ours belongs to the running copy.
        if (access(lockPath.c_str(), F_OK) == 0) {
            m_role = Role::Second;
        }
        return m_role;
    }
    // The lock is ours, so a socket file left behind is a crashed copy's.
    unlink(m_socketPath.c_str());
    m_listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0 || bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listenFd, 8) != 0) {
        if (m_listenFd >= 0) {
            close(m_listenFd);
            m_listenFd = -1;
        }
        return m_role; // Alone: the lock stays, so later copies still hand over and give up
    }
    m_role = Role::First;
    return m_role;
}

SingleInstance::Role SingleInstance::StartAsSender(const CString& folder)
{
    if (m_role != Role::None) {
        return m_role;
    }
    std::string native;
    m_role = SetSocketPath(folder, native) ? Role::Second : Role::Alone;
    m_waitForListener = false;
    return m_role;
}

bool SingleInstance::SetSocketPath(const CString& folder, std::string& nativeFolder)
{
    const CString base = folder.IsEmpty() ? GetRuntimeFolder(m_name) : folder;
    if (base.IsEmpty()) {
        return false;
    }
    nativeFolder = FileSystem::ToNative(base).string();
    m_socketPath = nativeFolder + "/" + m_name.str() + ".sock";
    sockaddr_un address;
    return MakeAddress(m_socketPath, address);
}

bool SingleInstance::Send(const std::string& message, int timeoutMs) const
{
    sockaddr_un address;
    if (m_role != Role::Second || message.size() > kMaxMessage || !MakeAddress(m_socketPath, address)) {
        return false;
    }
    const long long deadline = SteadyMilliseconds() + timeoutMs;
    for (;;) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            std::string answer;
            const bool delivered = WriteAll(fd, message.data(), message.size(), deadline) &&
                                   shutdown(fd, SHUT_WR) == 0 && ReadAll(fd, answer, 64, deadline) &&
                                   answer == kAnswer;
            close(fd);
            return delivered;
        }
        const int reason = errno;
        close(fd);
        // The first copy may hold the lock but not listen yet.
        if (!m_waitForListener || (reason != ENOENT && reason != ECONNREFUSED && reason != EAGAIN) ||
            SteadyMilliseconds() + 50 >= deadline) {
            return false;
        }
        usleep(50 * 1000);
    }
}

bool SingleInstance::Receive(std::string& message) const
{
    message.clear();
    if (m_listenFd < 0) {
        return false;
    }
    const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    ucred peer = {};
    socklen_t length = sizeof peer;
    const long long deadline = SteadyMilliseconds() + 1000;
    bool taken = getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == getuid() &&
                 ReadAll(fd, message, kMaxMessage, deadline);
    if (taken) {
        taken = WriteAll(fd, kAnswer, sizeof kAnswer - 1, deadline);
    }
    close(fd);
    if (!taken) {
        message.clear();
    }
    return taken;
}
