// Pages, folders and documents go to the desktop's programs for them, on a desktop of the test's
// own whose programs only write down what they were given; a file is never run as a program,
// whatever its name and permissions.
#include "foundation/ShellError.h"
#include "foundation/ui/SystemServices.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& text, fs::perms perms = fs::perms::owner_read | fs::perms::owner_write)
{
    std::ofstream(path) << text;
    fs::permissions(path, perms);
}

class DesktopLaunch : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/zantoby-desktop-XXXXXX";
        root = mkdtemp(pattern);
        fs::create_directories(root / "data/applications");
        fs::create_directories(root / "config");
        fs::create_directories(root / "launched");
        // The desktop's programs: each writes down its arguments under its own name.
        Write(root / "record", "#!/bin/sh\nkind=$1\nshift\nprintf '%s\\n' \"$@\" > \"" + (root / "launched").string() +
                                   "/$kind.part\" && mv \"" + (root / "launched").string() + "/$kind.part\" \"" +
                                   (root / "launched").string() + "/$kind\"\n",
              fs::perms::owner_all);
        const struct
        {
            const char* kind;
            const char* type;
        } programs[] = {{"browser", "text/html"}, {"files", "inode/directory"}, {"editor", "text/plain"},
                        {"sheet", "text/csv"},    {"runner", "application/x-shellscript"}};
        std::string defaults = "[Default Applications]\n";
        for (const auto& program : programs) {
            Write(root / "data/applications" / (std::string("z") + program.kind + ".desktop"),
                  std::string("[Desktop Entry]\nType=Application\nName=") + program.kind + "\nExec=" +
                      (root / "record").string() + " " + program.kind + " %f\nMimeType=" + program.type + ";\n");
            defaults += std::string(program.type) + "=z" + program.kind + ".desktop\n";
        }
        Write(root / "config/mimeapps.list", defaults);
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        // The kinds of files come from the system's own table.
        setenv("XDG_DATA_DIRS", ((root / "data").string() + ":/usr/share").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root / "config").c_str(), 1);
    }

    static void TearDownTestSuite() { fs::remove_all(root); }

    void SetUp() override
    {
        for (const auto& entry : fs::directory_iterator(root / "launched")) {
            fs::remove(entry.path());
        }
    }

    // What the program of that kind was handed, once it has been started.
    static std::string WaitForLaunch(const char* kind)
    {
        const fs::path record = root / "launched" / kind;
        for (int wait = 0; wait < 2000 && !fs::exists(record); ++wait) {
            usleep(10000);
        }
        return Read(record);
    }

    // A shell script that leaves a trace when it runs.
    static fs::path Script(const char* name)
    {
        const fs::path path = root / name;
        Write(path, "#!/bin/sh\ntouch \"" + (root / "ran").string() + "\"\n", fs::perms::owner_all);
        return path;
    }

    static inline fs::path root;
};

TEST_F(DesktopLaunch, AnExecutablePageGoesToTheBrowserAndNeverRuns)
{
    const fs::path page = Script("items.htm");
    EXPECT_EQ(OpenPageInBrowser(CString(page.string())), "");
    EXPECT_EQ(WaitForLaunch("browser"), page.string() + "\n");
    EXPECT_FALSE(fs::exists(root / "ran"));

    // A page opened as a document goes by its name to the browser alike.
    fs::remove(root / "launched/browser");
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(page.string()), "", "", 1), "");
    EXPECT_EQ(WaitForLaunch("browser"), page.string() + "\n");
    EXPECT_FALSE(fs::exists(root / "ran"));
}

TEST_F(DesktopLaunch, APageWithAnyExtensionIsStillAPageForTheBrowser)
{
    const fs::path page = Script("items.cgi");
    EXPECT_EQ(OpenPageInBrowser(CString(page.string())), "");
    EXPECT_EQ(WaitForLaunch("browser"), page.string() + "\n");
    EXPECT_FALSE(fs::exists(root / "ran"));
}

TEST_F(DesktopLaunch, FoldersTextsAndDocumentsGoToTheirPrograms)
{
    fs::create_directories(root / "Web");
    EXPECT_EQ(OpenFolderWindow(CString((root / "Web").string())), "");
    EXPECT_EQ(WaitForLaunch("files"), (root / "Web").string() + "\n");

    Write(root / "Web/list.htm", "<html>");
    EXPECT_EQ(OpenInTextEditor(CString((root / "Web/list.htm").string())), "");
    EXPECT_EQ(WaitForLaunch("editor"), (root / "Web/list.htm").string() + "\n");

    Write(root / "output.csv", "a,b\r\n");
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString((root / "output.csv").string()), "", "", 1), "");
    EXPECT_EQ(WaitForLaunch("sheet"), (root / "output.csv").string() + "\n");
}

TEST_F(DesktopLaunch, AProgramOrScriptIsNeverStarted)
{
    const fs::path script = Script("run.sh");
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(script.string()), "first", CString(root.string()), 1),
              CShellError::Text(CShellError::noAssociation))
        << "the program for scripts would run it";
    const fs::path tool = root / "tool";
    fs::copy_file("/bin/true", tool);
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(tool.string()), "", "", 1),
              CShellError::Text(CShellError::noAssociation));

    // Anything started would have been started before the browser that is started after it.
    const fs::path page = root / "after.htm";
    Write(page, "<html>");
    EXPECT_EQ(OpenPageInBrowser(CString(page.string())), "");
    EXPECT_EQ(WaitForLaunch("browser"), page.string() + "\n");
    EXPECT_FALSE(fs::exists(root / "ran"));
    EXPECT_FALSE(fs::exists(root / "launched/runner"));
}

TEST_F(DesktopLaunch, MissingAndUnreadableFilesAreNamedAndNothingStarts)
{
    EXPECT_EQ(OpenPageInBrowser(CString((root / "none.htm").string())), CShellError::Text(CShellError::fileNotFound));
    EXPECT_EQ(OpenFolderWindow(CString((root / "no/folder").string())), CShellError::Text(CShellError::pathNotFound));
}

} // namespace
