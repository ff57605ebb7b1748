#include "tutorial/TutorialChannel.h"
#include "tutorial/TutorialLauncher.h"
#include "tutorial/TutorialPlacement.h"

#include "foundation/ShellError.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace {

TEST(TutorialChannelTest, RequestsReadBackAndAnythingElseIsRefused)
{
    CTutorialChannel::Request request;
    ASSERT_TRUE(CTutorialChannel::Parse(CTutorialChannel::FormatShow(1003), request));
    EXPECT_EQ(request.kind, CTutorialChannel::Request::Kind::Show);
    EXPECT_EQ(request.topic, 1003);
    ASSERT_TRUE(CTutorialChannel::Parse(CTutorialChannel::FormatClose(), request));
    EXPECT_EQ(request.kind, CTutorialChannel::Request::Kind::Close);
    for (const char* bad : {"show", "show ", "show -1", "show 12x", "show 2147483648", "show 99999999999",
                            "close now", "open /home/a.zbk"}) {
        EXPECT_FALSE(CTutorialChannel::Parse(bad, request)) << bad;
    }
}

TEST(TutorialPlacementTest, WindowStandsAtTheWorkAreasBottomRightHalfAgainAsHigh)
{
    const CRect window(100, 100, 400, 300);
    EXPECT_EQ(CTutorialPlacement::Place(window, CRect(0, 0, 1280, 994)), CRect(960, 664, 1260, 964));
    // A panel on the left or at the top does not push the window away from the corner.
    EXPECT_EQ(CTutorialPlacement::Place(window, CRect(64, 27, 1280, 1024)), CRect(960, 694, 1260, 994));
}

// The launcher beside a stand-in main program in a folder of its own, with the viewer's
// channel in a private runtime folder.
struct LauncherFolder
{
    LauncherFolder()
    {
        const CString runtime = scratch / "run";
        mkdir(FileSystem::ToNative(runtime).c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", FileSystem::ToNative(runtime).c_str(), 1);
        mkdir(FileSystem::ToNative(scratch / "app").c_str(), 0755);
    }
    ScratchFolder scratch;
};

TEST(TutorialLauncherTest, MissingViewerIsReportedAndNothingIsThereToClose)
{
    LauncherFolder folder;
    CTutorialLauncher launcher(folder.scratch / "app/zantoby");
    EXPECT_EQ(launcher.GetViewerPath(), "");
    EXPECT_EQ(launcher.Show(1003), CShellError::Text(CShellError::fileNotFound));
    EXPECT_FALSE(launcher.Close());
}

TEST(TutorialLauncherTest, ViewerThatCannotRunIsReportedWithTheReason)
{
    LauncherFolder folder;
    // Found in the build tree's layout: the viewer's folder beside the main program's.
    const CString viewer = folder.scratch / "tutorial/zantoby-tutorial";
    ScratchFolder::WriteBytes(viewer, std::string("\x7f"
                                                  "ELF broken",
                                                  11));
    chmod(FileSystem::ToNative(viewer).c_str(), 0755);
    CTutorialLauncher launcher(folder.scratch / "app/zantoby");
    EXPECT_EQ(launcher.GetViewerPath(), viewer);
    EXPECT_EQ(launcher.Show(0), CShellError::Text(CShellError::badFormat));
}

TEST(TutorialLauncherTest, AnInstalledViewerStandsBesideTheMainProgram)
{
    LauncherFolder folder;
    const CString built = folder.scratch / "tutorial/zantoby-tutorial";
    const CString installed = folder.scratch / "app/zantoby-tutorial";
    for (const CString& viewer : {built, installed}) {
        ScratchFolder::WriteBytes(viewer, "#!/bin/sh\n");
        chmod(FileSystem::ToNative(viewer).c_str(), 0755);
    }
    EXPECT_EQ(CTutorialLauncher(folder.scratch / "app/zantoby").GetViewerPath(), installed);
}

} // namespace
