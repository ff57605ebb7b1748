#include "app/SampleListMaker.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Starts the program in a folder with arguments; returns its process id.
pid_t Start(const std::vector<std::string>& arguments, const fs::path& folder)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        std::vector<char*> argv = {const_cast<char*>(ZANTOBY_PROGRAM)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execv(ZANTOBY_PROGRAM, argv.data());
        _exit(127);
    }
    return pid;
}

double SecondsNow()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

bool WaitUntil(const std::function<bool()>& done, int seconds)
{
    const double end = SecondsNow() + seconds;
    while (!done()) {
        if (SecondsNow() > end) {
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
    const bool ended = WaitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, seconds);
    if (!ended) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Lines(const CString& path)
{
    std::vector<std::string> lines;
    const std::string text = ScratchFolder::ReadBytes(path);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The shown top-level window of the process whose title begins with the product's name; 0 when
// there is none yet.
Window FindMainWindow(Display* display, pid_t pid)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return 0;
    }
    for (unsigned i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 || attributes.map_state != IsViewable) {
            continue;
        }
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        const bool ours = XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                             &format, &items, &after, &data) == Success &&
                          items == 1 && *reinterpret_cast<unsigned long*>(data) == static_cast<unsigned long>(pid);
        if (data != nullptr) {
            XFree(data);
        }
        char* name = nullptr;
        if (ours && XFetchName(display, children[i], &name) != 0 && name != nullptr) {
            if (std::string(name).rfind("Zantoby ", 0) == 0) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
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

    CString LogPath() const { return FileSystem::FromNative(root / "open.log"); }

    ScratchFolder scratch;
    fs::path root;
};

} // namespace

TEST_F(HandOverWindowTest, LaterStartsHandTheirFileToTheRunningCopyAndEnd)
{
    const pid_t first = Start({}, root);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(root / "run/Zantoby.sock"); }, 20))
        << "the first copy never listened";

    // Started from another folder while the first copy still shows its splash: the relative
    // name reaches the running copy as an absolute path, and waits for the end of its start.
    const std::string name = "lists/\xE6\x98\xA5\xE3\x81\xAE\xE5\x95\x86\xE5\x93\x81.zbk"; // 春の商品
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(root / "work" / name), 2, 0));
    EXPECT_EQ(WaitForExit(Start({name}, root / "work"), 20), 0);
    const std::string expected = (root / "work" / name).string();
    EXPECT_TRUE(WaitUntil([&] { return Lines(LogPath()) == std::vector<std::string>{expected}; }, 20))
        << "the running copy did not open " << expected;

    // Pseudo paths from outside and a start without a file only bring the running copy forward.
    EXPECT_EQ(WaitForExit(Start({"autophoto:"}, root / "work"), 20), 0);
    EXPECT_EQ(WaitForExit(Start({"template:/t/a.zbk,/t/w/index.htm"}, root / "work"), 20), 0);
    EXPECT_EQ(WaitForExit(Start({}, root / "work"), 20), 0);
    usleep(500 * 1000);
    EXPECT_EQ(Lines(LogPath()), std::vector<std::string>{expected});

    // Ended by the session, the first copy closes as the user would and leaves nothing behind.
    kill(first, SIGTERM);
    EXPECT_EQ(WaitForExit(first, 20), 0);
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
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(lock); }, 20)) << "the list was not opened";
    EXPECT_EQ(Lines(LogPath()), std::vector<std::string>{(root / "work" / name).string()});
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy, 20), 0);
    EXPECT_FALSE(fs::exists(lock)) << "closing the list lets it go";
}

TEST_F(HandOverWindowTest, EndAskedForDuringTheStartComesWhenTheStartIsOver)
{
    const pid_t copy = Start({}, root);
    ASSERT_TRUE(WaitUntil([&] { return fs::exists(root / "run/Zantoby.sock"); }, 20));
    // Once a later start has been answered, the running copy listens from its event loop,
    // which its splash keeps turning for three seconds.
    ASSERT_EQ(WaitForExit(Start({}, root), 20), 0);
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy, 20), 0);
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
    EXPECT_EQ(WaitForExit(pid, 20), 1);
    const std::vector<std::string> lines = Lines(FileSystem::FromNative(errors));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("DISPLAY"), std::string::npos) << lines[0];
}

// Starts the program and waits for its main window; ends it as the session ends it.
class ShownProgramTest : public HandOverWindowTest
{
  protected:
    ShownProgramTest() : display(XOpenDisplay(nullptr)) {}
    ~ShownProgramTest() override
    {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    // The main window of a new copy of the program, 0 when it never showed.
    Window StartShown()
    {
        copy = Start({}, root);
        Window window = 0;
        WaitUntil([&] { return (window = FindMainWindow(display, copy)) != 0; }, 30);
        // Shown, the window still takes the size and place the program gives it at once.
        usleep(500 * 1000);
        return window;
    }
    int End() const
    {
        kill(copy, SIGTERM);
        return WaitForExit(copy, 20);
    }
    void WriteSavedRect(const char* left, const char* top, const char* right, const char* bottom,
                        const char* navigate = "0")
    {
        ScratchFolder::WriteBytes(scratch / "config/zantoby/Zantoby.ini",
                                  std::string("[Auto]\r\nNavigate=") + navigate +
                                      "\r\nTutorial=0\r\nOpen=0\r\n[MainFrame]\r\nLeft=" + left + "\r\nTop=" + top +
                                      "\r\nRight=" + right + "\r\nBottom=" + bottom + "\r\nShow=1\r\n");
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
    EXPECT_EQ(PlacementOf(display, window), (Placement{40, 30, 800, 600}));

    // Made larger by its lower right corner, as a window manager does it: the window stays put.
    XResizeWindow(display, window, 900, 700);
    XFlush(display);
    EXPECT_TRUE(WaitUntil([&] { return PlacementOf(display, window).width == 900; }, 5));
    usleep(500 * 1000);
    ASSERT_EQ(End(), 0);

    window = StartShown();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(PlacementOf(display, window), (Placement{40, 30, 900, 700}));
    EXPECT_EQ(End(), 0);
}

TEST_F(ShownProgramTest, ASavedPlacementTooSmallOrOffTheScreenIsNotTakenAsItIs)
{
    ASSERT_NE(display, nullptr);
    // A window saved collapsed to its menu bar opens at its own size.
    WriteSavedRect("0", "0", "4", "26");
    Window window = StartShown();
    ASSERT_NE(window, 0u);
    const Placement own = PlacementOf(display, window);
    EXPECT_GE(own.width, 800);
    EXPECT_GE(own.height, 600);
    ASSERT_EQ(End(), 0);

    // One hanging off the lower right of the screen comes wholly onto it.
    const Screen* screen = DefaultScreenOfDisplay(display);
    WriteSavedRect(std::to_string(screen->width - 300).c_str(), std::to_string(screen->height - 200).c_str(),
                   std::to_string(screen->width + 500).c_str(), std::to_string(screen->height + 400).c_str());
    window = StartShown();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(PlacementOf(display, window), (Placement{screen->width - 800, screen->height - 600, 800, 600}));
    EXPECT_EQ(End(), 0);
}

TEST_F(ShownProgramTest, EndedByTheSessionWhileTheStartNavigatorIsOpenItClosesCleanly)
{
    ASSERT_NE(display, nullptr);
    WriteSavedRect("0", "0", "800", "600", "1");
    ASSERT_NE(StartShown(), 0u);
    // The navigator opens once the start is over.
    usleep(1500 * 1000);
    EXPECT_EQ(End(), 0);
}
