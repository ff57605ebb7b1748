#include "foundation/ShellError.h"
#include "foundation/ui/SystemServices.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

    std::system(("rm -rf " + base).c_str());
}
