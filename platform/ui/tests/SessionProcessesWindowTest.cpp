// The desktop services a test starts end with it: every process, also one that made itself a
// daemon and ignores SIGTERM, as IBus's Python engines do.
#include "platform/ui/testing/IbusSession.h"
#include "platform/ui/testing/SessionProcesses.h"

#include <gtest/gtest.h>

#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream in(path);
    std::string text;
    std::getline(in, text, '\0');
    return text;
}

// A process's command line, its words apart by spaces.
std::string CommandLine(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::replace(line.begin(), line.end(), '\0', ' ');
    return line;
}

// Ended: gone, or a zombie that only waits for a parent that is not this test.
bool HasEnded(pid_t pid)
{
    const std::string stat = FileText("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    return close == std::string::npos || stat.compare(close + 2, 1, "Z") == 0 ||
           stat.compare(close + 2, 1, "X") == 0;
}

} // namespace

TEST(SessionProcessesWindowTest, ADaemonThatIgnoresTermIsEndedAndWaitedFor)
{
    SessionProcesses session;
    ASSERT_TRUE(session.MakeFolder("zantoby-session-test"));
    const std::string pidFile = (session.Folder() / "daemon.pid").string();
    // A child that leaves the session's process group and ignores SIGTERM, as a server does
    // that makes itself a daemon.
    ASSERT_TRUE(session.Start({"sh", "-c",
                               "setsid sh -c 'trap \"\" TERM; echo $$ > \"$0.part\"; mv \"$0.part\" \"$0\"; "
                               "while :; do sleep 1; done' \"$0\" & wait",
                               pidFile}));
    const wxStopWatch clock;
    while (FileText(pidFile).empty() && clock.Time() < 30000) {
        wxMilliSleep(20);
    }
    const pid_t daemon = static_cast<pid_t>(std::stol("0" + FileText(pidFile)));
    ASSERT_GT(daemon, 0) << "the daemon started";
    ASSERT_FALSE(HasEnded(daemon));
    EXPECT_NE(getpgid(daemon), getpgid(0));

    session.End();
    EXPECT_TRUE(HasEnded(daemon)) << "the daemon outlived its session";
    EXPECT_TRUE(session.Running().empty());
}

TEST(SessionProcessesWindowTest, AnIbusSessionEndsItsEnginesToo)
{
    ASSERT_TRUE(IbusSession::Start(IbusSession::Client::kIbusModule));
    const std::vector<pid_t> started = IbusSession::Processes();
    bool engine = false;
    for (const pid_t pid : started) {
        engine = engine || CommandLine(pid).find("anthy") != std::string::npos;
    }
    EXPECT_TRUE(engine) << "anthy's engine runs in the session";
    IbusSession::End();
    for (const pid_t pid : started) {
        EXPECT_TRUE(HasEnded(pid)) << CommandLine(pid) << " outlived the session";
    }
}
