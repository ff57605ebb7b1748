#include "tutorial/TutorialChannel.h"
#include "tutorial/TutorialLauncher.h"

#include "foundation/FileUtility.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The viewer starts slowly in the test build.
constexpr int kStartSeconds = 30;

bool WaitUntil(const std::function<bool()>& done, int seconds)
{
    const std::time_t end = std::time(nullptr) + seconds;
    while (!done()) {
        if (std::time(nullptr) > end) {
            return false;
        }
        usleep(50 * 1000);
    }
    return true;
}

// The exit code of a process, or -1 when it did not end in time or ended by a signal.
int WaitForExit(pid_t pid, int seconds)
{
    int status = 0;
    if (!WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, seconds)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The viewer's channel in a private runtime folder, and the launcher as the main program
// beside the viewer holds it.
class ViewerProcessTest : public testing::Test
{
  protected:
    ViewerProcessTest()
    {
        mkdir(FileSystem::ToNative(m_runtime).c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", FileSystem::ToNative(m_runtime).c_str(), 1);
    }

    pid_t StartViewer(const char* argument)
    {
        const std::string program = FileSystem::ToNative(m_launcher.GetViewerPath()).string();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    // True once a running viewer took a request to come forward.
    static bool ViewerListens()
    {
        SingleInstance probe(CTutorialChannel::kName);
        return probe.StartAsSender() == SingleInstance::Role::Second &&
               probe.Send(CTutorialChannel::FormatShow(0), 1000);
    }

    bool ViewerRuns() const { return FileSystem::Exists(m_runtime + "/ZantobyTutorial.lock"); }

    ScratchFolder m_scratch;
    CString m_runtime = m_scratch / "run";
    CTutorialLauncher m_launcher{GetProgramPath()};
};

TEST_F(ViewerProcessTest, SecondStartHandsItsPageToTheRunningViewerAndEnds)
{
    ASSERT_FALSE(m_launcher.GetViewerPath().IsEmpty());
    const pid_t first = StartViewer(nullptr);
    ASSERT_TRUE(WaitUntil(ViewerListens, kStartSeconds));
    EXPECT_EQ(WaitForExit(StartViewer("1004"), kStartSeconds), 0);
    EXPECT_TRUE(ViewerRuns());

    EXPECT_TRUE(m_launcher.Close());
    EXPECT_EQ(WaitForExit(first, kStartSeconds), 0);
    EXPECT_FALSE(ViewerRuns());
    EXPECT_FALSE(m_launcher.Close());
}

TEST_F(ViewerProcessTest, LauncherStartsTheViewerWhenNoneRunsAndClosesIt)
{
    EXPECT_EQ(m_launcher.Show(1005), "");
    // The viewer runs on its own; once it listens, the close request reaches it.
    ASSERT_TRUE(WaitUntil([&] { return m_launcher.Close(); }, kStartSeconds));
    EXPECT_TRUE(WaitUntil([&] { return !ViewerRuns(); }, kStartSeconds));
}

TEST_F(ViewerProcessTest, AViewerLeftIdleEndsAsSoonAsItIsAskedToClose)
{
    const pid_t viewer = StartViewer(nullptr);
    ASSERT_TRUE(WaitUntil(ViewerListens, kStartSeconds));
    // Nothing happens on the display for a while, as when the main program ends later.
    sleep(3);
    EXPECT_TRUE(m_launcher.Close());
    EXPECT_EQ(WaitForExit(viewer, 5), 0) << "the viewer kept its window after the close request";
}

} // namespace
