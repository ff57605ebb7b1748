// The program as a user installs and starts it: laid out by the build's install into a scratch
// folder, checked by the desktop's own validators, and started from there with a fresh home, by
// itself and through its desktop entry.
#include "app/settings/VersionInfo.h"
#include "app/startup/SampleListMaker.h"
#include "app/testing/process/ProgramProcess.h"
#include "app/testing/process/ProgramWindows.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/ui/testing/PrivateDisplay.h"
#include "platform/ui/testing/TestDisplay.h"
#include "platform/ui/testing/TestWindowManager.h"
#include "platform/ui/testing/UnprivilegedUser.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace ProgramProcess;
using namespace ProgramWindows;

constexpr char kAppId[] = ZANTOBY_APP_ID;
constexpr char kListType[] = "application/x-zantoby-list";

struct CommandResult
{
    int status;
    std::string output;
};

// A command run by the shell, its output and errors together.
CommandResult RunCommand(const std::string& command)
{
    CommandResult result{-1, std::string()};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, count);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string Quoted(const fs::path& path)
{
    std::string quoted = "'";
    for (char ch : path.string()) {
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return quoted + "'";
}

std::string ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Width and height from a PNG file's header; 0 x 0 when it is no PNG.
std::pair<int, int> PngSize(const fs::path& path)
{
    const std::string bytes = ReadText(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) {
        return {0, 0};
    }
    const auto number = [&](size_t at) {
        int value = 0;
        for (size_t i = at; i < at + 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[i]);
        }
        return value;
    };
    return {number(16), number(20)};
}

// The program installed into a scratch folder as `make install DESTDIR=...` lays it out, with a
// home of its own that nothing has touched.
class InstalledProgramWindowTest : public testing::Test
{
  protected:
    InstalledProgramWindowTest()
    {
        root = FileSystem::ToNative(scratch.Path());
        for (const char* folder : {"run", "tmp", "home", "stage"}) {
            fs::create_directories(root / folder);
        }
        chmod((root / "run").c_str(), 0700);
        const CommandResult install =
            RunCommand("DESTDIR=" + Quoted(root / "stage") + " " + Quoted(ZANTOBY_CMAKE) + " --install " +
                       Quoted(ZANTOBY_BUILD_FOLDER) + " --prefix /usr");
        installed = install.status == 0;
        installOutput = install.output;
        // The user owns the home and the runtime and temporary folders, and may not write the
        // installed files: root's, as a package leaves them, or made read-only for a test user.
        if (geteuid() != 0) {
            RunCommand("chmod -R a-w " + Quoted(root / "stage"));
        }
        ScratchFolder::WriteBytes(FileSystem::FromNative(root / "open.log"), "");
        for (const char* owned : {"run", "tmp", "home", "open.log"}) {
            UnprivilegedUser::Give(root / owned);
        }
        UnprivilegedUser::LetThrough(root);
        // The copies started below see a fresh home: its own settings folders, no state.
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_STATE_HOME");
        unsetenv("XDG_DATA_HOME");
        setenv("HOME", (root / "home").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
        setenv("TMPDIR", (root / "tmp").c_str(), 1);
        setenv("ZANTOBY_OPEN_LOG", (root / "open.log").c_str(), 1);
    }

    ~InstalledProgramWindowTest() override
    {
        for (const char* name : {"ZANTOBY_OPEN_LOG", "XDG_RUNTIME_DIR", "TMPDIR"}) {
            unsetenv(name);
        }
        RunCommand("chmod -R u+w " + Quoted(root / "stage"));
    }

    // The installed program started by the user, its errors kept.
    pid_t StartAsUser(const std::vector<std::string>& arguments, const char* errors = "errors.txt") const
    {
        return Start((Prefix() / "bin/zantoby").string(), arguments, root / "home",
                     {root / errors, /*unprivileged=*/true});
    }
    // The caption of a numbered message box of the program.
    static std::string MessageCaption(int number)
    {
        return "Zantoby v" + std::string(CVersionInfo::Compiled().GetVersionString().GetString()) +
               " : MSG=" + std::to_string(number);
    }

    fs::path Prefix() const { return root / "stage/usr"; }
    fs::path Data() const { return Prefix() / "share/zantoby"; }
    fs::path DesktopEntry() const
    {
        return Prefix() / "share/applications" / (std::string(kAppId) + ".desktop");
    }
    bool ViewerRuns() const { return fs::exists(root / "run/ZantobyTutorial.lock"); }

    // The value of a key of the desktop entry's main group.
    std::string EntryValue(const std::string& key) const
    {
        std::istringstream lines(ReadText(DesktopEntry()));
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(key + "=", 0) == 0) {
                return line.substr(key.size() + 1);
            }
        }
        return std::string();
    }

    ScratchFolder scratch;
    fs::path root;
    bool installed = false;
    std::string installOutput;
};

TEST_F(InstalledProgramWindowTest, TheProgramsFilesAndItsPlaceOnTheDesktopAreInstalledAndValid)
{
    ASSERT_TRUE(installed) << installOutput;
    for (const char* file : {"bin/zantoby", "bin/zantoby-tutorial", "share/zantoby/Sample/sample.zbk",
                             "share/zantoby/Sample/Info.txt", "share/zantoby/Template/goods.zbk",
                             "share/zantoby/Web/index.htm", "share/zantoby/Tutorial.chm"}) {
        EXPECT_TRUE(fs::is_regular_file(Prefix() / file)) << file << " is not installed";
    }
    EXPECT_FALSE(fs::exists(Prefix() / "bin/tutorial")) << "a bare name in bin/ says nothing of the program";
    for (const char* file : {"share/man/man1/zantoby.1.gz", "share/man/man1/zantoby-tutorial.1.gz",
                             "share/doc/zantoby/copyright", "share/doc/zantoby/changelog.gz"}) {
        EXPECT_TRUE(fs::is_regular_file(Prefix() / file)) << file << " is not installed";
    }
    // The installed lists' heads name where they are, never the build folder they were made in.
    for (const char* list : {"Sample/sample.zbk", "Template/goods.zbk"}) {
        const std::string head = ReadText(Data() / list).substr(0, 400);
        EXPECT_NE(head.find("\r\n; /usr/share/zantoby/" + std::string(list) + "\r\n"), std::string::npos)
            << head;
        EXPECT_EQ(head.find(ZANTOBY_BUILD_FOLDER), std::string::npos) << head;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(
            PngSize(Prefix() / "share/icons/hicolor" / square / "apps" / (std::string(kAppId) + ".png")),
            std::make_pair(size, size))
            << "the " << square << " icon";
    }

    const CommandResult entry = RunCommand("desktop-file-validate " + Quoted(DesktopEntry()));
    EXPECT_EQ(entry.status, 0) << entry.output;
    EXPECT_EQ(entry.output, "");
    EXPECT_EQ(EntryValue("Exec"), "zantoby %f");
    EXPECT_EQ(EntryValue("MimeType"), std::string(kListType) + ";");
    EXPECT_EQ(EntryValue("Icon"), kAppId);
    EXPECT_FALSE(EntryValue("GenericName[ja]").empty());
    EXPECT_FALSE(EntryValue("Comment[ja]").empty());
    const CommandResult metainfo =
        RunCommand("appstreamcli validate --no-net " +
                   Quoted(Prefix() / "share/metainfo" / (std::string(kAppId) + ".metainfo.xml")));
    EXPECT_EQ(metainfo.status, 0) << metainfo.output;

    // The file type package and the desktop entry indexed as the system's triggers index them,
    // in a data folder of the user's that the desktop searches beside the installed one, whose
    // programs are on the PATH: a list file is of the list's type, with its Japanese comment,
    // and the program is what opens it.
    const std::string desktop = "XDG_DATA_HOME=" + Quoted(root / "data") +
                                " XDG_DATA_DIRS=" + Quoted(Prefix() / "share") +
                                " PATH=" + Quoted(Prefix() / "bin") + ":\"$PATH\" ";
    fs::create_directories(root / "data/mime");
    fs::copy(Prefix() / "share/mime/packages", root / "data/mime/packages");
    const CommandResult mime = RunCommand(desktop + "update-mime-database " + Quoted(root / "data/mime"));
    ASSERT_EQ(mime.status, 0) << mime.output;
    EXPECT_EQ(mime.output, "");
    EXPECT_NE(ReadText(root / "data/mime/application/x-zantoby-list.xml").find("xml:lang=\"ja\""),
              std::string::npos);
    fs::create_directories(root / "data/applications");
    fs::copy(Prefix() / "share/applications", root / "data/applications");
    const CommandResult index =
        RunCommand(desktop + "update-desktop-database " + Quoted(root / "data/applications"));
    ASSERT_EQ(index.status, 0) << index.output;
    fs::copy_file(Data() / "Sample/sample.zbk", root / "home/a.zbk");
    const CommandResult type =
        RunCommand(desktop + "gio info -a standard::content-type " + Quoted(root / "home/a.zbk"));
    EXPECT_NE(type.output.find(kListType), std::string::npos) << type.output;
    const CommandResult handler = RunCommand(desktop + "gio mime " + kListType);
    EXPECT_NE(handler.output.find(std::string(kAppId) + ".desktop"), std::string::npos) << handler.output;
}

TEST_F(InstalledProgramWindowTest, WhatARunLeavesInTheBuildsSampleFolderIsNeverInstalled)
{
    ASSERT_TRUE(installed) << installOutput;
    // A list opened from the build folder, and its Web pages made there.
    const fs::path samples = fs::path(ZANTOBY_BUILD_FOLDER) / "res/Sample";
    const fs::path lock = samples / "sample.zbk$";
    const fs::path web = samples / "Web";
    ScratchFolder::WriteBytes(FileSystem::FromNative(lock), "");
    ScratchFolder::WriteBytes(FileSystem::FromNative(web / "index.htm"), "made");
    const CommandResult install =
        RunCommand("DESTDIR=" + Quoted(root / "again") + " " + Quoted(ZANTOBY_CMAKE) + " --install " +
                   Quoted(ZANTOBY_BUILD_FOLDER) + " --prefix /usr");
    std::error_code ignored;
    fs::remove(lock, ignored);
    fs::remove_all(web, ignored);
    ASSERT_EQ(install.status, 0) << install.output;
    const fs::path installedSamples = root / "again/usr/share/zantoby/Sample";
    EXPECT_TRUE(fs::is_regular_file(installedSamples / "sample.zbk"));
    EXPECT_FALSE(fs::exists(installedSamples / "sample.zbk$"));
    EXPECT_FALSE(fs::exists(installedSamples / "Web"));
}

TEST_F(InstalledProgramWindowTest, AUserTriesTheSampleOnACopyOfTheirOwnAndOpensTheInstalledListsReadOnly)
{
    ASSERT_TRUE(installed) << installOutput;
    TestWindowManager desktop;
    ASSERT_TRUE(desktop.IsRunning()) << "no window manager";
    Display* display = TestDisplay::Open();
    ASSERT_NE(display, nullptr);
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const fs::path installedSample = Data() / "Sample/sample.zbk";
    const std::string installedBytes = ReadText(installedSample);

    const pid_t copy = StartAsUser({});
    Window main = 0;
    ASSERT_TRUE(WaitUntil([&] { return (main = FindMainWindow(display, copy)) != 0; })) << "no main window";

    // The tutorial opens at the lower right with its first page: the viewer found its help file.
    const std::string tutorialTitle = Cp932::ToUtf8("チュートリアル");
    const Screen* screen = DefaultScreenOfDisplay(display);
    Window tutorial = 0;
    EXPECT_TRUE(WaitUntil([&] {
        tutorial = FindShownWindow(display, 0, tutorialTitle);
        const FrameRect frame = FrameOf(display, tutorial);
        return tutorial != 0 && frame.x + frame.width > screen->width - 100 &&
               frame.y + frame.height > screen->height - 100 && ShowsContent(display, tutorial);
    })) << "the tutorial window does not show its page";

    // The start navigator offers the samples; the first frame is the sample list, which opens
    // from the user's own copy without a question.
    Window navigator = 0;
    ASSERT_TRUE(WaitUntil([&] { return (navigator = FindShownDialogOf(display, main)) != 0; }))
        << "no start navigator";
    const fs::path sample = root / "home/.local/share/zantoby/Sample/sample.zbk";
    const fs::path lock = sample.string() + "$";
    // Clicked again while the navigator still shows, should it have taken the first click
    // before it was ready for it.
    EXPECT_TRUE(WaitUntil([&] {
        if (!fs::exists(lock) && FindShownDialogOf(display, main) == navigator) {
            DoubleClick(display, navigator, 10 + 228 / 2, 74 + 128 / 2);
        }
        return WaitUntil([&] { return fs::exists(lock); }, 5);
    })) << "the sample list did not open";
    EXPECT_EQ(Lines(root / "open.log"), std::vector<std::string>{sample.string()});
    EXPECT_TRUE(WaitUntil([&] { return FindShownDialogOf(display, main) == 0; })) << "a question came up";
    ASSERT_TRUE(WaitUntil([&] { return ShowsContent(display, main); })) << "the sample list is not shown";

    // Typed into at once and saved: the sample question is answered OK, and the value lands in
    // the user's copy.
    EXPECT_TRUE(WaitUntil([&] {
        return Property(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW) ==
               std::vector<unsigned long>{main};
    })) << "the main window does not have the keyboard";
    PressKeys(display, {XK_z, XK_z, XK_9, XK_Return});
    // Ctrl+S is pressed again should the program have been busy with the cell at the first press.
    bool asked = false;
    EXPECT_TRUE(WaitUntil([&] {
        if (FindShownWindow(display, copy, MessageCaption(20209)) != 0) {
            asked = true;
            PressKeys(display, {XK_Return});
        } else {
            PressKeys(display, {XK_s}, true);
        }
        return WaitUntil([&] { return ReadText(sample).find("zz9") != std::string::npos; }, 5);
    })) << "the typed value did not land in the user's copy";
    EXPECT_TRUE(asked) << "saved without the sample question";
    EXPECT_EQ(ReadText(installedSample), installedBytes) << "the installed sample changed";

    // An installed list, in a folder the user cannot write, opens read-only and says why.
    const fs::path goods = Data() / "Template/goods.zbk";
    EXPECT_EQ(WaitForExit(StartAsUser({goods.string()}, "second.txt")), 0);
    EXPECT_TRUE(WaitUntil([&] { return FindShownWindow(display, copy, MessageCaption(30221)) != 0; }))
        << "no message of the folder that cannot be written";
    EXPECT_EQ(FindShownWindow(display, copy, MessageCaption(30216)), 0u) << "taken for a list somebody uses";
    PressKeys(display, {XK_Return});
    EXPECT_TRUE(WaitUntil([&] { return FindShownWindow(display, copy, MessageCaption(30221)) == 0; }));
    EXPECT_FALSE(fs::exists(goods.string() + "$"));

    // Ended by the session with two lists open, the program asks, as the user closing it, whether
    // to close them all.
    kill(copy, SIGTERM);
    int status = -1;
    EXPECT_TRUE(WaitUntil([&] {
        if (FindShownWindow(display, copy, MessageCaption(20000)) != 0) {
            PressKeys(display, {XK_Return});
        }
        int wait = 0;
        if (waitpid(copy, &wait, WNOHANG) != copy) {
            return false;
        }
        status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        return true;
    })) << "the program did not end";
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(WaitUntil([&] { return !ViewerRuns(); })) << "the tutorial was left open";
    EXPECT_FALSE(fs::exists(lock));
    // The settings land in the user's home, never beside the program.
    EXPECT_TRUE(fs::is_regular_file(root / "home/.config/zantoby/Zantoby.ini"));
    XCloseDisplay(display);
}

TEST_F(InstalledProgramWindowTest, TheDesktopEntryOpensAListWithAJapaneseName)
{
    ASSERT_TRUE(installed) << installOutput;
    PrivateDisplay privateDisplay;
    ASSERT_TRUE(privateDisplay.IsRunning());
    ScratchFolder::WriteBytes(FileSystem::FromNative(root / "home/.config/zantoby/Zantoby.ini"),
                              "[Auto]\r\nNavigate=0\r\nTutorial=0\r\nOpen=0\r\n");
    const std::string name = Cp932::ToUtf8("商品/春の商品 一覧.zbk");
    const fs::path list = root / "home" / name;
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(FileSystem::FromNative(list), 2, 0));

    // The desktop runs the entry's command line with %f replaced by the file, the program found
    // on the user's PATH.
    std::vector<std::string> command;
    std::istringstream words(EntryValue("Exec"));
    for (std::string word; words >> word;) {
        command.push_back(word == "%f" ? list.string() : word);
    }
    ASSERT_EQ(command.size(), 2u);
    const fs::path program = Prefix() / "bin" / command[0];
    ASSERT_TRUE(fs::is_regular_file(program)) << command[0] << " is not in the installed bin folder";
    const pid_t copy = Start(program.string(), {command.begin() + 1, command.end()}, root / "home");
    const fs::path lock = list.string() + "$";
    EXPECT_TRUE(WaitUntil([&] { return fs::exists(lock); })) << "the list was not opened";
    EXPECT_EQ(Lines(root / "open.log"), std::vector<std::string>{list.string()});
    kill(copy, SIGTERM);
    EXPECT_EQ(WaitForExit(copy), 0);
    EXPECT_FALSE(fs::exists(lock));
}

} // namespace
