// The program on a Wayland desktop: weston inside a display of the test's own, the program its
// client, typed into as a user types.
#include "app/startup/SampleListMaker.h"
#include "app/testing/process/ProgramProcess.h"
#include "app/testing/process/ProgramWindows.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/PrivateDisplay.h"
#include "platform/ui/testing/TestDisplay.h"
#include "platform/ui/testing/WaylandCompositor.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace ProgramProcess;
using namespace ProgramWindows;

TEST(WaylandProgramWindowTest, TypingGoesIntoTheCurrentCellAndAListOpensWithoutToolkitWarnings)
{
    ScratchFolder scratch;
    const fs::path root = FileSystem::ToNative(scratch.Path());
    fs::create_directories(root / "run");
    chmod((root / "run").c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
    setenv("ZANTOBY_PAINT_LOG", (root / "paint.log").c_str(), 1);
    ScratchFolder::WriteBytes(scratch / "config/zantoby/Zantoby.ini",
                              "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nShow=1\r\n");
    FakeListHost host;
    const fs::path list = root / "goods.zbk";
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(list), 3, 1));

    PrivateDisplay privateDisplay;
    ASSERT_TRUE(privateDisplay.IsRunning());
    Display* display = TestDisplay::Open();
    ASSERT_NE(display, nullptr);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    WaylandCompositor compositor;
    ASSERT_TRUE(compositor.IsRunning()) << "weston did not start";
    Window weston = 0;
    ASSERT_TRUE(WaitUntil(
        [&] { return (weston = FindShownWindow(display, 0, WaylandCompositor::kWindowTitle)) != 0; }));

    // The program sees the compositor alone, as on a Wayland desktop.
    const std::string xDisplay = std::getenv("DISPLAY");
    unsetenv("DISPLAY");
    setenv("GDK_BACKEND", "wayland", 1);
    const pid_t copy = Start(ZANTOBY_PROGRAM, {list.string()}, root, {root / "errors.txt"});
    setenv("DISPLAY", xDisplay.c_str(), 1);
    unsetenv("GDK_BACKEND");
    EXPECT_TRUE(WaitUntil([&] { return Lines(root / "paint.log").size() >= 2; })) << "the list never showed";

    // The keyboard of the display is the compositor's: typed into its window, the keys reach the
    // program's list, whose current cell takes them.
    XWindowAttributes attributes;
    ASSERT_NE(XGetWindowAttributes(display, weston, &attributes), 0);
    XTestFakeMotionEvent(display, DefaultScreen(display), attributes.x + attributes.width / 2,
                         attributes.y + attributes.height / 2, CurrentTime);
    XSetInputFocus(display, weston, RevertToPointerRoot, CurrentTime);
    XFlush(display);
    PressKeys(display, {XK_w, XK_l, XK_7, XK_Return});
    // Saved again, should the first Ctrl+S have come while the program was busy with the cell.
    EXPECT_TRUE(WaitUntil([&] {
        PressKeys(display, {XK_s}, true);
        return WaitUntil(
            [&] {
                return ScratchFolder::ReadBytes(FileSystem::FromNative(list)).find("wl7") !=
                       std::string::npos;
            },
            5);
    })) << "the typed value did not reach the list";

    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy), 0);
    const std::string printed = ScratchFolder::ReadBytes(FileSystem::FromNative(root / "errors.txt"));
    EXPECT_EQ(printed.find("CRITICAL"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("WARNING"), std::string::npos) << printed;
    XCloseDisplay(display);
    unsetenv("ZANTOBY_PAINT_LOG");
}

} // namespace
