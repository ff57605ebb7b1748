#include "foundation/FileUtility.h"
#include "support/ScratchFolder.h"

#include "foundation/PathName.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

bool Exists(const CString& path)
{
    return FileSystem::Exists(path);
}

} // namespace

TEST(FileNamePattern, FollowsTheWindowsWildcardRules)
{
    EXPECT_TRUE(MatchFileName("DSC0001.JPG", "*.jpg")) << "case is ignored";
    EXPECT_TRUE(MatchFileName("README", "*.*")) << "*.* also takes names without a dot";
    EXPECT_TRUE(MatchFileName("Zantoby12", "Zantoby*.*"));
    EXPECT_TRUE(MatchFileName("a.b.c", "*.c"));
    EXPECT_FALSE(MatchFileName("a.jpeg", "*.jpg"));
    EXPECT_TRUE(MatchFileName("0001m.jpg", "????m.jpg"));
    EXPECT_FALSE(MatchFileName("001m.jpg", "????m.jpg"));
    EXPECT_TRUE(MatchFileName("写真1.jpg", "??1.jpg")) << "a double-byte character is one character";
    EXPECT_TRUE(MatchFileName("ＡＢＣ.txt", "ａｂｃ.TXT")) << "full-width letters fold too";
    EXPECT_FALSE(MatchFileName("abc", "*.txt"));
    EXPECT_TRUE(MatchFileName("x081207-0001.jpg", "x081207*.jpg"));
}

TEST(ListFiles, ListsSubFoldersFirstWithRelativeNames)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "a.err", "");
    ScratchFolder::WriteBytes(scratch / "b.txt", "");
    ScratchFolder::WriteBytes(scratch / "sub/b.ERR", "");
    ScratchFolder::WriteBytes(scratch / "sub/deeper/c.err", "");
    CStringArray list;
    EXPECT_EQ(ListFiles(scratch / "*.err", &list, true), 3);
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[0], "sub/deeper/c.err");
    EXPECT_EQ(list[1], "sub/b.ERR");
    EXPECT_EQ(list[2], "a.err");

    EXPECT_EQ(ListFiles(scratch / "*.*", &list, false), 2) << "folders are not counted";
    EXPECT_EQ(ListFiles(scratch / "*.err", nullptr, false), 1);
    EXPECT_EQ(ListFiles(scratch / "missing/*.*", &list, false), 0);
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(ListFiles, NamesShiftJisCannotHoldAreLeftOutAndNamed)
{
    ScratchFolder scratch;
    const std::filesystem::path root = FileSystem::ToNative(scratch.Path());
    ScratchFolder::WriteBytes(scratch / "a.jpg", "");
    std::ofstream(root / "emoji\xF0\x9F\x98\x80.jpg").put('x');
    std::ofstream(root / "emoji\xF0\x9F\x98\x80.txt").put('x');
    std::filesystem::create_directories(root / "\xF0\xA0\xAE\xB7\xE7\x94\xB0"); // 𠮷田
    std::ofstream(root / "\xF0\xA0\xAE\xB7\xE7\x94\xB0" / "b.jpg").put('x');
    CStringArray list;
    CStringArray unheld;
    EXPECT_EQ(ListFiles(scratch / "*.jpg", &list, true, &unheld), 1);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0], "a.jpg");
    ASSERT_EQ(unheld.GetSize(), 2);
    EXPECT_EQ(unheld[0], "■田");
    EXPECT_EQ(unheld[1], "emoji■.jpg");
    EXPECT_EQ(ListFiles(scratch / "*.jpg", &list, false, &unheld), 1);
    ASSERT_EQ(unheld.GetSize(), 1) << "a folder not searched is not named";
}

TEST(DescribeUnheldPath, NamesTheCharactersAndShowsWhere)
{
    EXPECT_EQ(DescribeUnheldPath("/home/u/\xE8\xA1\xA8.zbk"), "");
    const CString message = DescribeUnheldPath("/home/u/\xF0\xA0\xAE\xB7\xE7\x94\xB0/list.zbk");
    EXPECT_NE(message.Find("U+20BB7"), -1);
    EXPECT_NE(message.Find("/home/u/■田/list.zbk"), -1);

    CStringArray names;
    EXPECT_EQ(DescribeUnheldNames(names), "");
    for (int i = 0; i < 12; ++i) {
        names.Add(i == 0 ? CString("emoji■.jpg") : CString("x"));
    }
    const CString listed = DescribeUnheldNames(names);
    EXPECT_NE(listed.Find("\nemoji■.jpg\n"), -1);
    EXPECT_NE(listed.Find("ほか 2 件"), -1);
}

TEST(DeletePath, RefusesCatastrophicPaths)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "keep.txt", "x");
    for (const char* path : {"", "  ", "/", "//", "*.*", "*", "/*.*", "sub/*.jpg", "/tmp/..", "."}) {
        EXPECT_FALSE(DeletePath(path)) << "'" << path << "'";
        EXPECT_FALSE(DeleteFiles(path)) << "'" << path << "'";
    }
    EXPECT_FALSE(DeletePath(scratch.Path() + "/home")) << "the home folder";
    EXPECT_FALSE(DeletePath(scratch.Path() + "/home/"));
    EXPECT_FALSE(DeletePath(scratch.Path() + "/home/*.*")) << "everything in the home folder";
    EXPECT_FALSE(DeletePath(scratch.Path() + "/../x"));
    EXPECT_TRUE(Exists(scratch / "keep.txt"));
}

TEST(DeletePath, DeletesFilesFoldersAndPatterns)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "Photo-A/org/0000.jpg", "x");
    ScratchFolder::WriteBytes(scratch / "a.jpg", "x");
    ScratchFolder::WriteBytes(scratch / "b.JPG", "x");
    ScratchFolder::WriteBytes(scratch / "c.drw", "x");
    EXPECT_TRUE(DeletePath(scratch / "Photo-A"));
    EXPECT_FALSE(Exists(scratch / "Photo-A"));
    EXPECT_TRUE(DeletePath(scratch / "*.jpg"));
    EXPECT_FALSE(Exists(scratch / "a.jpg"));
    EXPECT_FALSE(Exists(scratch / "b.JPG"));
    EXPECT_TRUE(Exists(scratch / "c.drw"));
    EXPECT_FALSE(DeletePath(scratch / "missing.txt"));
}

TEST(DeleteFiles, LeavesFoldersAlone)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "Zantoby1.A", "x");
    ScratchFolder::WriteBytes(scratch / "Zantoby-work/list.zbk", "x");
    EXPECT_TRUE(DeleteFiles(scratch / "Zantoby*.*"));
    EXPECT_FALSE(Exists(scratch / "Zantoby1.A"));
    EXPECT_TRUE(Exists(scratch / "Zantoby-work/list.zbk"));
    EXPECT_TRUE(DeleteFiles(scratch / "none*.*")) << "nothing to delete is no failure";
}

TEST(CopyFiles, CopiesFilesFoldersAndPatterns)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "work/Photo/org/0000.jpg", "photo");
    ScratchFolder::WriteBytes(scratch / "work/Photo/m/0000m.jpg", "middle");
    ScratchFolder::WriteBytes(scratch / "work/list.zbk", "list");
    ASSERT_TRUE(CopyFiles(scratch / "work/Photo/*.*", scratch / "saved/Photo-A"));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "saved/Photo-A/org/0000.jpg"), "photo");
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "saved/Photo-A/m/0000m.jpg"), "middle");

    ASSERT_TRUE(CopyFiles(scratch / "work/list.zbk", scratch / "saved"));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "saved/list.zbk"), "list");
    ScratchFolder::WriteBytes(scratch / "work/list.zbk", "newer");
    ASSERT_TRUE(CopyFiles(scratch / "work/list.zbk", scratch / "saved/list.zbk"));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "saved/list.zbk"), "newer") << "replaced";

    ASSERT_TRUE(CopyFiles(scratch / "work/Photo", scratch / "backup"));
    EXPECT_TRUE(Exists(scratch / "backup/org/0000.jpg")) << "a folder copied to a new name";
    EXPECT_FALSE(CopyFiles(scratch / "work", scratch / "work/inside")) << "never into itself";
    EXPECT_FALSE(CopyFiles(scratch / "missing.txt", scratch / "saved"));
}

TEST(MovePath, RenamesOrMovesIntoAFolder)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "org/0003.jpg", "photo");
    ScratchFolder::WriteBytes(scratch / "old.jpg", "old");
    ASSERT_TRUE(MovePath(scratch / "org/0003.jpg", scratch / "org/x081207-0001.jpg"));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "org/x081207-0001.jpg"), "photo");
    ASSERT_TRUE(MovePath(scratch / "old.jpg", scratch / "org"));
    EXPECT_EQ(ScratchFolder::ReadBytes(scratch / "org/old.jpg"), "old");
    EXPECT_FALSE(MovePath(scratch / "old.jpg", scratch / "org"));
}

TEST(Folders, TempDocumentsAndProgram)
{
    ScratchFolder scratch;
    EXPECT_EQ(GetTempFolder().Right(1), "/");
    EXPECT_TRUE(FolderExists(GetTempFolder()));
    EXPECT_FALSE(FolderExists(scratch / "missing"));
    EXPECT_TRUE(GetProgramPath().Find("FileUtilityTest") >= 0);
    // Without a documents folder the home folder is offered.
    EXPECT_EQ(GetMyDocumentsFolder(), scratch / "home");
    // The system writes this file in UTF-8.
    ScratchFolder::WriteBytes(scratch / "config/user-dirs.dirs",
                              Cp932::ToUtf8("XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n"));
    std::filesystem::create_directories(FileSystem::ToNative(scratch / "home/文書"));
    EXPECT_EQ(GetMyDocumentsFolder(), scratch / "home/文書");
}

TEST(Folders, AnInstalledProgramFindsItsDataFolderBesideItsBinFolder)
{
    ScratchFolder scratch;
    const CString program = scratch / "opt/商品/bin/zantoby";
    std::filesystem::create_directories(FileSystem::ToNative(scratch / "opt/商品/bin"));
    // Run from the build folder, nothing is installed beside it.
    EXPECT_EQ(GetInstalledDataFolder(program), "");
    std::filesystem::create_directories(FileSystem::ToNative(scratch / "opt/商品/share/zantoby"));
    EXPECT_EQ(GetInstalledDataFolder(program), scratch / "opt/商品/share/zantoby");
    EXPECT_EQ(GetProgramFilesFolder(), GetFolderOfPath(GetProgramPath()))
        << "the test runs from its build folder";
}
