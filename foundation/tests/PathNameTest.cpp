#include "foundation/PathName.h"

#include <gtest/gtest.h>

TEST(PathName, SplitsFolderNameAndExtension)
{
    CPathName path("a/b/c.txt");
    EXPECT_EQ(path.GetPath(), "a/b/c.txt");
    EXPECT_EQ(path.GetDrive(), "");
    EXPECT_EQ(path.GetFolder(), "a/b");
    EXPECT_EQ(path.GetName(), "c");
    EXPECT_EQ(path.GetExtension(), "txt");
    EXPECT_EQ(path.GetFolderPath(), "a/b");
    EXPECT_EQ(path.GetFileName(), "c.txt");

    path.SetPath("/home/写真/リスト.v2.zbk");
    EXPECT_EQ(path.GetFolder(), "/home/写真");
    EXPECT_EQ(path.GetName(), "リスト.v2") << "the extension starts at the last dot";
    EXPECT_EQ(path.GetExtension(), "zbk");
}

TEST(PathName, BareNamesAndNamesWithoutExtension)
{
    CPathName path("c.txt");
    EXPECT_EQ(path.GetFolder(), "");
    EXPECT_EQ(path.GetFolderPath(), "");
    path.SetPath("/a.b/readme");
    EXPECT_EQ(path.GetFolder(), "/a.b");
    EXPECT_EQ(path.GetName(), "readme") << "a dot in the folder is no extension";
    EXPECT_EQ(path.GetExtension(), "");
    EXPECT_EQ(path.GetFileName(), "readme");
    path.Empty();
    EXPECT_EQ(path.GetPath(), "");
    EXPECT_EQ(path.GetName(), "");
}

TEST(PathName, FreeFunctionsOnOnePath)
{
    EXPECT_EQ(GetFolderOfPath("/x.txt"), "") << "the root folder loses its separator";
    EXPECT_EQ(GetFolderOfPath("x.txt"), "");
    EXPECT_EQ(GetFolderOfPath("/a/b/x.txt"), "/a/b");
    EXPECT_EQ(GetFileNameOfPath("/a/b/x.txt"), "x.txt");
    EXPECT_EQ(GetBaseNameOfPath("/a/b/x.tar.gz"), "x.tar");
    EXPECT_EQ(GetExtensionOfPath("/a/b/x.JPG"), "JPG");
    EXPECT_EQ(GetExtensionOfPath("/a.d/x"), "");
    // 0x5C is the second byte of 表 and must not be taken for anything.
    EXPECT_EQ(GetFileNameOfPath("/表/表.txt"), "表.txt");
}

TEST(PathName, SplitFolderDropsThePieceBeforeTheRoot)
{
    CStringArray pieces;
    CPathName("/a/b/c.txt").SplitFolder(pieces);
    ASSERT_EQ(pieces.GetSize(), 2);
    EXPECT_EQ(pieces[0], "a");
    EXPECT_EQ(pieces[1], "b");
    CPathName("c.txt").SplitFolder(pieces);
    EXPECT_EQ(pieces.GetSize(), 0);
}
