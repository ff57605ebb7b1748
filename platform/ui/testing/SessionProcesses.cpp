#include "platform/ui/testing/SessionProcesses.h"

#include "platform/ui/testing/QuietChild.h"

#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every process of a session carries this in its environment, which its children inherit
// wherever they move: a daemon leaves the session's process group, never its environment.
constexpr const char* kMarkerName = "ZANTOBY_TEST_SESSION";

// A process ends in well under a second once told; a loaded machine needs more.
constexpr long kEndLimitMs = 10000;
constexpr unsigned long kPollMs = 20;
// The daemons and their engines start within a few seconds, more on a loaded machine.
constexpr long kStartLimitMs = 60000;
constexpr unsigned long kStartPollMs = 100;

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A zombie has ended; only its parent's wait is left.
bool HasEnded(pid_t pid)
{
    const std::string stat = FileText("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size()) {
        return true;
    }
    const char state = stat[close + 2];
    return state == 'Z' || state == 'X';
}

} // namespace

SessionProcesses::~SessionProcesses()
{
    End();
}

bool SessionProcesses::MakeFolder(const char* name)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(name) + ".XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    m_folder = pattern;
    std::error_code error;
    fs::create_directories(ConfigFolder(), error);
    fs::create_directories(m_folder / "cache", error);
    return !error;
}

bool SessionProcesses::Start(const std::vector<std::string>& command)
{
    // The shell names the bus once it runs, then becomes the command.
    std::vector<std::string> words = {
        "dbus-run-session",
        "--",
        "sh",
        "-c",
        "printf '%s\\n' \"$DBUS_SESSION_BUS_ADDRESS\" > \"$0.part\" && mv \"$0.part\" \"$0\" && exec \"$@\"",
        BusAddressFile().string()};
    words.insert(words.end(), command.begin(), command.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const pid_t child = QuietChild::Fork();
    if (child == 0) {
        setpgid(0, 0);
        setenv(kMarkerName, m_folder.c_str(), 1);
        setenv("HOME", m_folder.c_str(), 1);
        setenv("XDG_CONFIG_HOME", ConfigFolder().c_str(), 1);
        setenv("XDG_CACHE_HOME", (m_folder / "cache").c_str(), 1);
        // The engines are programs of the system's (Python ones among them), never a version
        // manager's shims.
        const char* path = std::getenv("PATH");
        setenv("PATH", (std::string("/usr/bin:/bin:") + (path != nullptr ? path : "")).c_str(), 1);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    m_leader = child;
    return child > 0;
}

std::string SessionProcesses::BusAddress() const
{
    std::string address = FileText(BusAddressFile());
    while (!address.empty() && (address.back() == '\n' || address.back() == '\r')) {
        address.pop_back();
    }
    return address;
}

bool SessionProcesses::WaitUntil(const std::function<bool()>& condition)
{
    const wxStopWatch clock;
    while (!condition()) {
        if (clock.Time() > kStartLimitMs) {
            return false;
        }
        wxMilliSleep(kStartPollMs);
    }
    return true;
}

std::vector<pid_t> SessionProcesses::Running() const
{
    std::vector<pid_t> running;
    if (m_folder.empty()) {
        return running;
    }
    const std::string marker = std::string(kMarkerName) + "=" + m_folder.string();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        // The environment is a row of NUL-ended entries.
        const std::string environment = FileText(entry.path() / "environ");
        for (std::size_t start = 0; start < environment.size();) {
            const std::size_t end = environment.find('\0', start);
            const std::size_t length = (end == std::string::npos ? environment.size() : end) - start;
            if (environment.compare(start, length, marker) == 0) {
                if (!HasEnded(pid)) {
                    running.push_back(pid);
                }
                break;
            }
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
    }
    return running;
}

void SessionProcesses::End()
{
    const auto reapLeader = [this] {
        if (m_leader > 0 && waitpid(m_leader, nullptr, WNOHANG) == m_leader) {
            m_leader = -1;
        }
    };
    const auto signalAll = [this](int signal) {
        if (m_leader > 0) {
            kill(-m_leader, signal);
        }
        for (const pid_t pid : Running()) {
            kill(pid, signal);
        }
    };
    // A process on its way out has given back its memory, environment included, so it no longer
    // shows the session's marker: the ones seen running are waited for by their ids.
    std::vector<pid_t> seen = Running();
    const auto anyRunning = [&] {
        for (const pid_t pid : Running()) {
            if (std::find(seen.begin(), seen.end(), pid) == seen.end()) {
                seen.push_back(pid);
            }
        }
        return std::any_of(seen.begin(), seen.end(), [](pid_t pid) { return !HasEnded(pid); });
    };
    const auto awaitEnd = [&] {
        const wxStopWatch clock;
        while (anyRunning() && clock.Time() < kEndLimitMs) {
            reapLeader();
            wxMilliSleep(kPollMs);
        }
        reapLeader();
        return !anyRunning();
    };
    signalAll(SIGTERM);
    if (!awaitEnd()) {
        signalAll(SIGKILL);
        awaitEnd();
    }
    if (m_leader > 0) {
        kill(-m_leader, SIGKILL);
        waitpid(m_leader, nullptr, 0);
        m_leader = -1;
    }
    if (!m_folder.empty()) {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
        m_folder.clear();
    }
}
