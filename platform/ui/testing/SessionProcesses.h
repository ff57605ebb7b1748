#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/types.h>

// The processes of a desktop service that a test starts on a D-Bus session bus of its own (an
// input method with its engines), in a folder of their own that stands for their HOME. They end
// with the session, also those that left its process group (servers that make themselves
// daemons) and those that ignore SIGTERM, and the session waits until they have.
class SessionProcesses
{
  public:
    SessionProcesses() = default;
    ~SessionProcesses();
    SessionProcesses(const SessionProcesses&) = delete;
    SessionProcesses& operator=(const SessionProcesses&) = delete;

    // Makes the folder (with config and cache folders in it) under the system's temporary
    // folder; false when it cannot be made.
    bool MakeFolder(const char* name);
    const std::filesystem::path& Folder() const { return m_folder; }
    std::filesystem::path ConfigFolder() const { return m_folder / "config"; }

    // Runs the command on a session bus of its own (dbus-run-session), with HOME, the config
    // and cache folders in the session's folder and the system's programs first in PATH; the
    // bus address is written to BusAddressFile() once the bus runs.
    bool Start(const std::vector<std::string>& command);
    std::filesystem::path BusAddressFile() const { return m_folder / "bus-address"; }
    // The session bus's address, empty until the bus runs.
    std::string BusAddress() const;

    // Waits until condition holds, as long as a service may take to start on a loaded machine;
    // whether it held.
    static bool WaitUntil(const std::function<bool()>& condition);

    // The processes of the session that still run (not yet ended, whoever their parent is).
    std::vector<pid_t> Running() const;
    // Ends every process of the session: SIGTERM, then SIGKILL for those still there after a
    // while; returns once none runs, and removes the folder.
    void End();

  private:
    std::filesystem::path m_folder;
    pid_t m_leader = -1;
};
