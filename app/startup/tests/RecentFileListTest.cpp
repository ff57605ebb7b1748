#include "app/startup/RecentFileList.h"
#include "foundation/AppBase.h"
#include "foundation/tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

class RecentFileListTest : public testing::Test
{
  protected:
    RecentFileListTest() { profile.SetIniFile(""); }

    ScratchFolder scratch;
    CAppBase profile{"Zantoby"};
    CRecentFileList list{profile, 5};
};

} // namespace

TEST_F(RecentFileListTest, ReadsFiveEntriesAndSkipsEmptyOnes)
{
    ScratchFolder::WriteBytes(profile.GetIniFile(), "[Recent File List]\r\nFile1=/a/1.zbk\r\nFile2=\r\n"
                                                    "File3=/a/3.zbk\r\nFile6=/a/6.zbk\r\n");
    list.Load();
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetPath(0), "/a/1.zbk");
    EXPECT_EQ(list.GetPath(1), "/a/3.zbk");
}

TEST_F(RecentFileListTest, NewestComesFirstRepeatsMoveUpAndTheOldestDrops)
{
    for (const char* path : {"/l/1.zbk", "/l/2.zbk", "/l/3.zbk", "/l/4.zbk", "/l/5.zbk"}) {
        list.Add(path);
    }
    list.Add("/l/3.zbk");
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetPath(0), "/l/3.zbk");
    EXPECT_EQ(list.GetPath(1), "/l/5.zbk");
    list.Add("/l/6.zbk");
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetPath(4), "/l/2.zbk"); // 1 dropped

    // What was written is what the next start reads.
    CRecentFileList reread(profile, 5);
    reread.Load();
    ASSERT_EQ(reread.GetCount(), 5);
    EXPECT_EQ(reread.GetPath(0), "/l/6.zbk");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "/l/6.zbk");
}

TEST_F(RecentFileListTest, RemovedEntryLeavesNoGapInTheProfile)
{
    list.Add("/l/1.zbk");
    list.Add("/l/2.zbk");
    list.Remove(0);
    list.Remove(7);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "/l/1.zbk");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File2", "none"), "none");
}

TEST(RecentFileListNames, LongPathsKeepTheRootAndTheirLastFolders)
{
    EXPECT_EQ(CRecentFileList::Abbreviate("/home/a/list.zbk", 30), "/home/a/list.zbk");
    EXPECT_EQ(CRecentFileList::Abbreviate("/home/user/documents/lists/spring.zbk", 30),
              "/.../lists/spring.zbk");
    // The file name alone when even one folder does not fit, and the name cut nowhere.
    EXPECT_EQ(CRecentFileList::Abbreviate("/home/user/a_very_long_folder_name/x.zbk", 20), "/.../x.zbk");
    EXPECT_EQ(CRecentFileList::Abbreviate("/home/user/a_long_list_file_name_here.zbk", 20),
              "a_long_list_file_name_here.zbk");
    // Double-byte names are kept whole.
    EXPECT_EQ(CRecentFileList::Abbreviate("/home/写真/商品一覧表/春夏.zbk", 24), "/.../商品一覧表/春夏.zbk");
}
