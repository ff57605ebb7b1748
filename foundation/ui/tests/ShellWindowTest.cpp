#include "foundation/ShellError.h"
#include "foundation/ui/SystemServices.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TEST(OpenWithShell, MissingFilesAndFoldersAreReportedInJapanese)
{
    WxTestEnvironment::Ensure();
    char folder[] = "/tmp/zantoby-shell-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string base = folder;
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(base + "/none.txt"), "", "", 1),
              CShellError::Text(CShellError::fileNotFound));
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(base + "/no/none.txt"), "", "", 1),
              CShellError::Text(CShellError::pathNotFound));
    EXPECT_EQ(OpenWithShell(nullptr, "print", CString(base), "", "", 1),
              CShellError::Text(CShellError::noAssociation));

    // A program runs with its parameters in the given folder.
    const std::string script = base + "/run.sh";
    std::ofstream(script) << "#!/bin/sh\necho \"$1\" > \"$PWD/ran\"\n";
    chmod(script.c_str(), 0700);
    EXPECT_EQ(OpenWithShell(nullptr, "open", CString(script), "first", CString(base), 1), "");
    for (int i = 0; i < 200 && access((base + "/ran").c_str(), F_OK) != 0; ++i) {
        usleep(10000);
    }
    std::string word;
    std::ifstream(base + "/ran") >> word;
    EXPECT_EQ(word, "first");
    std::system(("rm -rf " + base).c_str());
}
