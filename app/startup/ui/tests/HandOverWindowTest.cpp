#include "app/startup/SampleListMaker.h"
#include "app/testing/process/ProgramProcess.h"
#include "app/testing/process/ProgramWindows.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/PrivateDisplay.h"
#include "platform/ui/testing/TestDisplay.h"
#include "platform/ui/testing/TestWindowManager.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

using namespace ProgramProcess;
using namespace ProgramWindows;

// Starts the program in a folder with arguments; returns its process id.
pid_t Start(const std::vector<std::string>& arguments, const fs::path& folder)
{
    return ProgramProcess::Start(ZANTOBY_PROGRAM, arguments, folder);
}

struct Placement
{
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placement& placement)
{
    return out << placement.x << "," << placement.y << " " << placement.width << "x" << placement.height;
}

Placement PlacementOf(Display* display, Window window)
{
    XWindowAttributes attributes;
    XSync(display, False);
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return {};
    }
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

class HandOverWindowTest : public testing::Test
{
  protected:
    HandOverWindowTest()
    {
        root = FileSystem::ToNative(scratch.Path());
        fs::create_directories(root / "run");
        chmod((root / "run").c_str(), 0700);
        fs::create_directories(root / "tmp");
        fs::create_directories(root / "work");
        setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
        setenv("TMPDIR", (root / "tmp").c_str(), 1);
        setenv("ZANTOBY_OPEN_LOG", (root / "open.log").c_str(), 1);
        // A quiet start: no navigator, no tutorial, no last list; a window of its own size.
        ScratchFolder::WriteBytes(
            scratch / "config/zantoby/Zantoby.ini",
            "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nShow=1\r\n");
    }

    ~HandOverWindowTest() override
    {
        unsetenv("ZANTOBY_OPEN_LOG");
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("TMPDIR");
    }

    fs::path LogPath() const { return root / "open.log"; }

    ScratchFolder scratch;
    fs::path root;
};

} // namespace

TEST_F(HandOverWindowTest, LaterStartsHandTheirFileToTheRunningCopyAndEnd)
{
    const pid_t first = Start({}, root);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(root / "run/Zantoby.sock"); }))
        << "the first copy never listened";

    // Started from another folder while the first copy still shows its splash: the relative
    // name reaches the running copy as an absolute path, and waits for the end of its start.
    const std::string name = "lists/\xE6\x98\xA5\xE3\x81\xAE\xE5\x95\x86\xE5\x93\x81.zbk"; // 春の商品
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(root / "work" / name), 2, 0));
    EXPECT_EQ(WaitForExit(Start({name}, root / "work")), 0);
    const std::string expected = (root / "work" / name).string();
    EXPECT_TRUE(WaitUntil([&] { return Lines(LogPath()) == std::vector<std::string>{expected}; }))
        << "the running copy did not open " << expected;

    // Pseudo paths from outside and a start without a file only bring the running copy forward:
    // the list handed over after them is the next path it is asked to open.
    EXPECT_EQ(WaitForExit(Start({"autophoto:"}, root / "work")), 0);
    EXPECT_EQ(WaitForExit(Start({"template:/t/a.zbk,/t/w/index.htm"}, root / "work")), 0);
    EXPECT_EQ(WaitForExit(Start({}, root / "work")), 0);
    EXPECT_EQ(WaitForExit(Start({name}, root / "work")), 0);
    EXPECT_TRUE(WaitUntil([&] { return Lines(LogPath()).size() >= 2; }));
    EXPECT_EQ(Lines(LogPath()), (std::vector<std::string>{expected, expected}));

    // Ended by the session, the first copy closes as the user would and leaves nothing behind.
    kill(first, SIGTERM);
    EXPECT_EQ(WaitForExit(first), 0);
    EXPECT_FALSE(fs::exists(root / "run/Zantoby.sock"));
    EXPECT_TRUE(fs::is_empty(root / "tmp")) << "the private temporary folder was left behind";
}

TEST_F(HandOverWindowTest, AJapaneseNameOnTheCommandLineOpensWithNoCopyRunning)
{
    const std::string name = "\xE6\x98\xA5\xE3\x81\xAE\xE5\x95\x86\xE5\x93\x81.zbk"; // 春の商品.zbk
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(root / "work" / name), 2, 0));
    // The C locale, where a name read through the locale would lose its Japanese characters.
    setenv("LC_ALL", "C", 1);
    const pid_t copy = Start({name}, root / "work");
    unsetenv("LC_ALL");
    const fs::path lock = root / "work" / (name + "$");
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(lock); })) << "the list was not opened";
    EXPECT_EQ(Lines(LogPath()), std::vector<std::string>{(root / "work" / name).string()});
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy), 0);
    EXPECT_FALSE(fs::exists(lock)) << "closing the list lets it go";
}

TEST_F(HandOverWindowTest, AProgramThatIsTheDisplaysOnlyClientStarts)
{
    // A display of its own, which starts afresh whenever its last client leaves.
    PrivateDisplay display(PrivateDisplay::Reset::kWhenLastClientLeaves);
    ASSERT_TRUE(display.IsRunning()) << "no display of its own";

    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(root / "work/alone.zbk"), 2, 0));
    const fs::path lock = root / "work/alone.zbk$";
    // The start meets the display starting afresh only now and then.
    for (int round = 0; round < 6; ++round) {
        const pid_t copy = Start({"alone.zbk"}, root / "work");
        EXPECT_TRUE(WaitUntil([&] { return fs::exists(lock); })) << "round " << round << ": not opened";
        kill(copy, SIGTERM);
        EXPECT_EQ(WaitForExit(copy), 0) << "round " << round;
    }
    EXPECT_TRUE(display.Stop());
}

TEST_F(HandOverWindowTest, EndAskedForDuringTheStartComesWhenTheStartIsOver)
{
    const pid_t copy = Start({}, root);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(root / "run/Zantoby.sock"); }));
    // Once a later start has been answered, the running copy listens from its event loop,
    // which its splash keeps turning for three seconds.
    ASSERT_EQ(WaitForExit(Start({}, root)), 0);
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy), 0);
    // The placement written on closing shows that it closed as a user closes it.
    EXPECT_NE(ScratchFolder::ReadBytes(scratch / "config/zantoby/Zantoby.ini").find("[Print]"),
              std::string::npos);
}

TEST_F(HandOverWindowTest, WithoutADisplayTheProgramSaysSoInOneLineAndEnds)
{
    const fs::path errors = root / "errors.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        if (std::freopen(errors.c_str(), "w", stderr) == nullptr) {
            _exit(126);
        }
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        execl(ZANTOBY_PROGRAM, ZANTOBY_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    EXPECT_EQ(WaitForExit(pid), 1);
    const std::vector<std::string> lines = Lines(errors);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("DISPLAY"), std::string::npos) << lines[0];
}

// Starts the program and waits for its main window; ends it as the session ends it.
class ShownProgramTest : public HandOverWindowTest
{
  protected:
    ShownProgramTest() : display(TestDisplay::Open())
    {
        // The program's windows come and go while the test reads them.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~ShownProgramTest() override
    {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    // The main window of a new copy of the program, 0 when it never showed.
    Window StartShown(const std::vector<std::string>& arguments = {})
    {
        copy = Start(arguments, root);
        Window window = 0;
        WaitUntil([&] { return (window = FindMainWindow(display, copy)) != 0; });
        return window;
    }
    // The window's placement once it is as expected, or as it is after a while: shown, the window
    // still takes the size and place the program gives it.
    Placement SettledPlacement(Window window, const std::function<bool(const Placement&)>& expected)
    {
        WaitUntil([&] { return expected(PlacementOf(display, window)); });
        return PlacementOf(display, window);
    }
    Placement SettledPlacement(Window window, const Placement& expected)
    {
        return SettledPlacement(window, [&](const Placement& placement) { return placement == expected; });
    }
    int End() const
    {
        kill(copy, SIGTERM);
        return WaitForExit(copy);
    }
    bool ShowsContent(Window window) const { return ProgramWindows::ShowsContent(display, window); }
    void WriteSavedRect(const char* left, const char* top, const char* right, const char* bottom,
                        const char* navigate = "0")
    {
        ScratchFolder::WriteBytes(scratch / "config/zantoby/Zantoby.ini",
                                  std::string("[Auto]\r\nNavigate=") + navigate +
                                      "\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nLeft=" + left + "\r\nTop=" +
                                      top + "\r\nRight=" + right + "\r\nBottom=" + bottom + "\r\nShow=1\r\n");
    }

    Display* display;
    pid_t copy = 0;
};

TEST_F(ShownProgramTest, AResizedWindowOpensAtItsNewSizeNextTime)
{
    ASSERT_NE(display, nullptr);
    WriteSavedRect("40", "30", "840", "630");
    Window window = StartShown();
    ASSERT_NE(window, 0u) << "the main window never showed";
    EXPECT_EQ(SettledPlacement(window, {40, 30, 800, 600}), (Placement{40, 30, 800, 600}));

    // Made larger by its lower right corner, as a window manager does it: the window stays put.
    XResizeWindow(display, window, 900, 700);
    XFlush(display);
    EXPECT_TRUE(WaitUntil([&] { return PlacementOf(display, window).width == 900; }));
    // GTK sets the opaque region from the size it has laid the window out at: once it is the new
    // size, so is the window's size that the program saves on closing.
    EXPECT_TRUE(WaitUntil([&] {
        const std::vector<unsigned long> region =
            Property(display, window, "_NET_WM_OPAQUE_REGION", XA_CARDINAL);
        return region.size() == 4 && region[2] == 900 && region[3] == 700;
    })) << "the program never laid the window out at its new size";
    ASSERT_EQ(End(), 0);

    window = StartShown();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(SettledPlacement(window, {40, 30, 900, 700}), (Placement{40, 30, 900, 700}));
    EXPECT_EQ(End(), 0);
}

TEST_F(ShownProgramTest, ASavedPlacementTooSmallOrOffTheScreenIsNotTakenAsItIs)
{
    ASSERT_NE(display, nullptr);
    // A window saved collapsed to its menu bar opens at its own size.
    WriteSavedRect("0", "0", "4", "26");
    Window window = StartShown();
    ASSERT_NE(window, 0u);
    const Placement own =
        SettledPlacement(window, [](const Placement& placement) { return placement.width >= 800; });
    EXPECT_GE(own.width, 800);
    EXPECT_GE(own.height, 600);
    ASSERT_EQ(End(), 0);

    // One hanging off the lower right of the screen comes wholly onto it.
    const Screen* screen = DefaultScreenOfDisplay(display);
    WriteSavedRect(std::to_string(screen->width - 300).c_str(), std::to_string(screen->height - 200).c_str(),
                   std::to_string(screen->width + 500).c_str(), std::to_string(screen->height + 400).c_str());
    window = StartShown();
    ASSERT_NE(window, 0u);
    const Placement onScreen{screen->width - 800, screen->height - 600, 800, 600};
    EXPECT_EQ(SettledPlacement(window, onScreen), onScreen);
    EXPECT_EQ(End(), 0);
}

TEST_F(ShownProgramTest, EndedByTheSessionWhileTheStartNavigatorIsOpenItClosesCleanly)
{
    ASSERT_NE(display, nullptr);
    WriteSavedRect("0", "0", "800", "600", "1");
    const Window window = StartShown();
    ASSERT_NE(window, 0u);
    // The navigator opens once the start is over.
    EXPECT_TRUE(WaitUntil([&] { return FindShownDialogOf(display, window) != 0; }));
    EXPECT_EQ(End(), 0);
}

TEST_F(ShownProgramTest, AListWhoseOpenOutlastsTheSplashShowsInTheMainWindow)
{
    ASSERT_NE(display, nullptr);
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(root / "made.zbk"), 20, 0));
    const std::string bytes = ScratchFolder::ReadBytes(FileSystem::FromNative(root / "made.zbk"));
    // Read through a pipe that opens and delivers the list well after the splash's time is up,
    // as a slow disk or network folder does.
    const fs::path slow = root / "slow.zbk";
    ASSERT_EQ(mkfifo(slow.c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    std::thread delivery([&] {
        usleep(5 * 1000 * 1000);
        const int pipe = open(slow.c_str(), O_WRONLY);
        if (pipe < 0) {
            return;
        }
        for (size_t written = 0; written < bytes.size();) {
            const ssize_t count = write(pipe, bytes.data() + written, bytes.size() - written);
            if (count <= 0) {
                break;
            }
            written += static_cast<size_t>(count);
        }
        close(pipe);
    });
    const Window window = StartShown({slow.string()});
    // A reader of its own lets the delivery end when the program never read the pipe.
    const int reader = window == 0 ? open(slow.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    delivery.join();
    if (reader >= 0) {
        close(reader);
    }
    EXPECT_NE(window, 0u) << "the main window never showed";
    if (window != 0) {
        EXPECT_TRUE(WaitUntil([&] { return ShowsContent(window); })) << "the list is not in the main window";
    }
    EXPECT_EQ(End(), 0);
}

// The desktop comes first, so that the display the test opens and the program it starts are the
// desktop's own.
struct ManagedDesktop
{
    TestWindowManager manager;
};

// The program on a desktop, whose window manager frames, minimises, restores and stacks its
// windows and gives a new window the keyboard.
class ManagedProgramTest : protected ManagedDesktop, public ShownProgramTest
{
  protected:
    void SetUp() override { ASSERT_TRUE(manager.IsRunning()) << "no window manager"; }

    // WM_STATE: NormalState, IconicState, or WithdrawnState when it has none.
    long WindowState(Window window) const
    {
        const Atom state = XInternAtom(display, "WM_STATE", False);
        const std::vector<unsigned long> values = Property(display, window, "WM_STATE", state);
        return values.empty() ? WithdrawnState : static_cast<long>(values[0]);
    }
    // Whether upper stays stacked above lower for a second while the desktop settles.
    bool StaysAbove(Window upper, Window lower) const
    {
        double since = -1;
        return WaitUntil([&] {
            if (!StackedAbove(display, upper, lower)) {
                since = -1;
                return false;
            }
            since = since < 0 ? SecondsNow() : since;
            return SecondsNow() - since > 1;
        });
    }
    Window ActiveWindow() const
    {
        const std::vector<unsigned long> active =
            Property(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return active.empty() ? 0 : active[0];
    }
    void PressKey(KeySym key) const
    {
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        XFlush(display);
    }
};

TEST_F(ManagedProgramTest, AListHandedOverWhileTheWindowIsMinimisedShowsWhenItComesBack)
{
    FakeListHost host;
    const fs::path first = root / "work/first.zbk";
    const fs::path second = root / "work/second.zbk";
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(first), 20, 0));
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(second), 20, 0));
    ScratchFolder::WriteBytes(
        scratch / "config/zantoby/Zantoby.ini",
        "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[Exit]\r\nAlertMultiDoc=0\r\n");
    const Window window = StartShown({first.string()});
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(WaitUntil([&] { return ShowsContent(window); })) << "the first list never showed";

    XIconifyWindow(display, window, DefaultScreen(display));
    XFlush(display);
    ASSERT_TRUE(WaitUntil([&] { return WindowState(window) == IconicState; })) << "not minimised";
    EXPECT_EQ(WaitForExit(Start({second.string()}, root)), 0);
    EXPECT_TRUE(WaitUntil([&] { return Lines(LogPath()).size() == 2; })) << "the second list was not opened";
    EXPECT_TRUE(WaitUntil([&] { return WindowState(window) == NormalState; }))
        << "the window stayed minimised";
    EXPECT_TRUE(WaitUntil([&] { return ShowsContent(window); })) << "the window came back blank";
    EXPECT_EQ(End(), 0);
}

TEST_F(ManagedProgramTest, TheStartNavigatorOpensAboveTheMainWindowAndTakesTheKeys)
{
    WriteSavedRect("0", "0", "800", "600", "1");
    const Window window = StartShown();
    ASSERT_NE(window, 0u);
    Window navigator = 0;
    ASSERT_TRUE(WaitUntil([&] { return (navigator = FindShownDialogOf(display, window)) != 0; }))
        << "the navigator never showed";

    // Above the main window with the keyboard, and staying so while the desktop settles.
    double since = -1;
    EXPECT_TRUE(WaitUntil([&] {
        if (!StackedAbove(display, navigator, window) || ActiveWindow() != navigator) {
            since = -1;
            return false;
        }
        since = since < 0 ? SecondsNow() : since;
        return SecondsNow() - since > 1;
    })) << "the navigator is behind the main window or has no keyboard";
    PressKey(XK_Escape);
    EXPECT_TRUE(WaitUntil([&] { return FindShownDialogOf(display, window) == 0; }))
        << "Esc did not reach the navigator";
    EXPECT_EQ(End(), 0);
}

TEST_F(ManagedProgramTest, TheMainWindowComesBackAtItsSavedPlaceAndSize)
{
    WriteSavedRect("100", "80", "900", "680");
    const Window window = StartShown();
    ASSERT_NE(window, 0u);
    const FrameRect saved{100, 80, 800, 600};
    EXPECT_TRUE(WaitUntil([&] { return FrameOf(display, window) == saved; }))
        << "the frame is at " << FrameOf(display, window).x << "," << FrameOf(display, window).y << " "
        << FrameOf(display, window).width << "x" << FrameOf(display, window).height;
    // Closed where it opened, it saves the same place again.
    ASSERT_EQ(End(), 0);
    const std::string profile = ScratchFolder::ReadBytes(scratch / "config/zantoby/Zantoby.ini");
    EXPECT_NE(profile.find("Left=100\r\nTop=80\r\nRight=900\r\nBottom=680\r\n"), std::string::npos)
        << profile;
}

TEST_F(ManagedProgramTest, AStartAndAListsOpeningPrintNoToolkitWarningsAndTypingGoesIntoTheCurrentCell)
{
    FakeListHost host;
    const fs::path first = root / "work/first.zbk";
    const fs::path second = root / "work/second.zbk";
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(first), 3, 0));
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(second), 3, 0));
    ScratchFolder::WriteBytes(scratch / "config/zantoby/Zantoby.ini",
                              "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n[Exit]\r\nAlertMultiDoc=0\r\n["
                              "MainFrame]\r\nShow=1\r\n");
    const fs::path errors = root / "errors.txt";
    copy = ProgramProcess::Start(ZANTOBY_PROGRAM, {first.string()}, root, {errors});
    Window window = 0;
    ASSERT_TRUE(WaitUntil([&] { return (window = FindMainWindow(display, copy)) != 0; }));
    ASSERT_TRUE(WaitUntil([&] { return ShowsContent(window); })) << "the first list never showed";

    // Typed at once, without a click: the list opened with the start has the keyboard.
    const auto typedAndSaved = [&](const fs::path& list, const std::vector<unsigned long>& keys,
                                   const std::string& value) {
        PressKeys(display, keys);
        PressKeys(display, {XK_Return});
        PressKeys(display, {XK_s}, true);
        return WaitUntil(
            [&] {
                return ScratchFolder::ReadBytes(FileSystem::FromNative(list)).find(value) !=
                       std::string::npos;
            },
            30);
    };
    EXPECT_TRUE(typedAndSaved(first, {XK_q, XK_w, XK_1}, "qw1")) << "the typing did not reach the first list";

    // A list handed over to the running program takes the keyboard as its window opens.
    EXPECT_EQ(WaitForExit(Start({second.string()}, root)), 0);
    ASSERT_TRUE(WaitUntil([&] { return Lines(LogPath()).size() == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return ShowsContent(window); }));
    EXPECT_TRUE(typedAndSaved(second, {XK_e, XK_r, XK_2}, "er2"))
        << "the typing did not reach the second list";
    EXPECT_EQ(End(), 0);

    const std::string printed = ScratchFolder::ReadBytes(FileSystem::FromNative(errors));
    EXPECT_EQ(printed.find("CRITICAL"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("WARNING"), std::string::npos) << printed;
}

TEST_F(ManagedProgramTest, TheProgramsDialogsComeUpAboveTheTutorial)
{
    // The tutorial, and the navigator on the recent lists.
    FakeListHost host;
    const fs::path list = root / "work/recent.zbk";
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(list), 2, 0));
    ScratchFolder::WriteBytes(scratch / "config/zantoby/Zantoby.ini",
                              "[Auto]\r\nNavigate=1\r\nTutorial=1\r\nOpen=0\r\n[MainFrame]\r\nShow=1\r\n"
                              "[Recent File List]\r\nFile1=" +
                                  list.string() + "\r\n");
    const Window window = StartShown();
    ASSERT_NE(window, 0u);
    Window tutorial = 0;
    Window navigator = 0;
    ASSERT_TRUE(WaitUntil([&] {
        tutorial = FindShownWindow(display, 0, Cp932::ToUtf8("チュートリアル"));
        navigator = FindShownDialogOf(display, window);
        return tutorial != 0 && navigator != 0;
    })) << "the tutorial or the navigator never showed";
    EXPECT_TRUE(StaysAbove(tutorial, window)) << "the tutorial is not above the main window";
    EXPECT_TRUE(StaysAbove(navigator, tutorial)) << "the tutorial covers the navigator";

    // The recent lists' last entry chooses a file in the open-list dialog.
    Window chooser = 0;
    EXPECT_TRUE(WaitUntil([&] {
        if (FindShownDialogOf(display, window) == navigator) {
            DoubleClick(display, navigator, 10 + 2 * (228 + 8) + 228 / 2, 74 + 128 + 8 + 128 / 2);
        }
        return WaitUntil(
            [&] {
                chooser = FindShownDialogOf(display, window);
                return chooser != 0 && chooser != navigator;
            },
            5);
    })) << "the open-list dialog never showed";
    EXPECT_TRUE(StaysAbove(chooser, tutorial)) << "the tutorial covers the open-list dialog";
    EXPECT_EQ(End(), 0);
}
