#include "photo/batch/ContinuousImportList.h"
#include "photo/batch/testing/PhotoList.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(ContinuousImportList, ListsByFolderThenNameWithTheColumnTexts)
{
    PhotoList list;
    list.WriteJpeg("f/b.jpg", 8, 6);
    list.WriteJpeg("f/a.JPG", 8, 6);
    list.WriteJpeg("f/sub/0.jpg", 8, 6);
    list.WriteJpeg("f/note.jpeg", 8, 6);
    CContinuousImportList files;
    files.Refresh(list.temp.Path() + "f", true);
    ASSERT_EQ(files.Items().size(), 3u) << "only .jpg files";
    EXPECT_EQ(files.Items()[0].fileName, "a.JPG");
    EXPECT_EQ(files.Items()[1].fileName, "b.jpg");
    EXPECT_EQ(files.Items()[2].path, list.temp.Path() + "f/sub/0.jpg");
    EXPECT_EQ(CContinuousImportList::ColumnText(files.Items()[2], 1), list.temp.Path() + "f/sub");
    EXPECT_EQ(CContinuousImportList::ColumnText(files.Items()[0], 2).GetLength(), 19);
    EXPECT_FALSE(CContinuousImportList::ColumnText(files.Items()[0], 3).IsEmpty());

    files.Refresh(list.temp.Path() + "f", false);
    EXPECT_EQ(files.Items().size(), 2u);
    files.Refresh(list.temp.Path() + "gone", true);
    EXPECT_TRUE(files.Items().empty());
}

TEST(ContinuousImportList, TheNextSelectionEndsAfterTheLastRowAndStartsAtTheFirst)
{
    EXPECT_EQ(CContinuousImportList::NextSelection(0, 3), 1);
    EXPECT_EQ(CContinuousImportList::NextSelection(2, 3), -1);
    EXPECT_EQ(CContinuousImportList::NextSelection(-1, 3), 0);
    EXPECT_EQ(CContinuousImportList::NextSelection(-1, 0), -1);
}

TEST(ContinuousImportList, DeletingStopsAtTheFirstFileThatCannotGo)
{
    PhotoList list;
    const CString a = list.WriteJpeg("a*.jpg", 8, 6);
    const CString b = list.WriteJpeg("ab.jpg", 8, 6);
    CString failed;
    EXPECT_FALSE(CContinuousImportList::DeleteFiles({a, list.temp.Path() + "missing.jpg", b}, failed));
    EXPECT_EQ(failed, list.temp.Path() + "missing.jpg");
    EXPECT_FALSE(FileSystem::Exists(a));
    EXPECT_TRUE(FileSystem::Exists(b)) << "a name with * is no pattern, and the files after a failure stay";
}

} // namespace
