#include "photo/batch/AutoPhotoBuilder.h"
#include "photo/batch/IAutoPhotoMonitor.h"
#include "photo/batch/testing/PhotoList.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

class QuietMonitor : public IAutoPhotoMonitor
{
  public:
    void ShowSearching() override {}
    void ShowPhotoReading(const CString& path) override { shownPath = path; }
    void ShowPhotoDone(int done, int total, const CString& path, const CString&, int) override
    {
        lastDone = done;
        lastTotal = total;
        shownPath = path;
    }
    bool IsBuildCancelled() override { return lastDone == cancelAt; }

    int lastDone = 0;
    int lastTotal = 0;
    int cancelAt = -1;
    CString shownPath; // the path the window names
};

// Notes the path the window names when a message comes.
class WatchingHost : public FakeListHost
{
  public:
    explicit WatchingHost(const QuietMonitor& watched) : monitor(watched) {}
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override
    {
        namedWithMessage.push_back(monitor.shownPath);
        return FakeListHost::ShowMessageV(kind, id, flags, args);
    }

    const QuietMonitor& monitor;
    std::vector<CString> namedWithMessage;
};

class AutoPhotoBuilderTest : public ::testing::Test
{
  protected:
    void WritePhotos(const char* folder, int count)
    {
        for (int i = 0; i < count; ++i) {
            CString name;
            name.Format("%s/p%02d.jpg", folder, i);
            list.WriteJpeg(name, 8, 6);
        }
    }
    bool Build(int perRow, bool subFolders = true)
    {
        CAutoPhotoBuilder builder(*list.doc, monitor);
        return builder.Build(list.temp.Path() + "写真", subFolders, perRow);
    }
    int RowCount() const { return list.doc->displayCount - 1; } // less the new-row line
    const ProductRecord& Row(int line) const { return list.doc->GetRow(list.doc->displayOrder[line]); }
    CString Cell(int column, int line) const { return list.doc->GetCellTextAt(column, line, 0); }

    PhotoList list;
    QuietMonitor monitor;
};

TEST_F(AutoPhotoBuilderTest, FortyFivePhotosOfOneFolderMakeRowsOf20_20And5WithTheFolderAndDate)
{
    WritePhotos("写真", 45);
    ASSERT_TRUE(Build(20));
    ASSERT_EQ(RowCount(), 3);
    EXPECT_EQ(Row(0).photoCount, 20);
    EXPECT_EQ(Row(1).photoCount, 20);
    EXPECT_EQ(Row(2).photoCount, 5);
    const CString folder = list.temp.Path() + "写真";
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(Cell(0, line), folder);
        EXPECT_EQ(Cell(1, line).GetLength(), 10) << "a date alone: " << Cell(1, line).GetString();
    }
    EXPECT_EQ(list.doc->GetPhoto(Row(2).photos[4]).name, "p44");
    EXPECT_EQ(list.doc->GetColumn(0).name, "元の場所");
    EXPECT_EQ(list.doc->GetColumn(1).type, kTypeDate);
    EXPECT_EQ(list.doc->photoColumns, 20);
    EXPECT_TRUE(list.doc->IsModified());
    EXPECT_TRUE(list.doc->IsUndoOn());
}

TEST_F(AutoPhotoBuilderTest, AFolderWhoseFilesSortAroundASubFolderGivesTwoRuns)
{
    list.WriteJpeg("写真/a.jpg", 8, 6);
    list.WriteJpeg("写真/b/c.jpg", 8, 6);
    list.WriteJpeg("写真/d.JPEG", 8, 6);
    ASSERT_TRUE(Build(20));
    ASSERT_EQ(RowCount(), 3) << "a.jpg, b/c.jpg and d.JPEG in byte order";
    EXPECT_EQ(Cell(0, 0), Cell(0, 2));
    EXPECT_NE(Cell(0, 0), Cell(0, 1));

    PhotoList flat;
    flat.WriteJpeg("写真/a.jpg", 8, 6);
    flat.WriteJpeg("写真/b/c.jpg", 8, 6);
    CStringArray paths;
    CAutoPhotoBuilder::CollectPhotos(flat.temp.Path() + "写真", false, paths);
    EXPECT_EQ(paths.GetSize(), 1);
}

TEST_F(AutoPhotoBuilderTest, PhotosWhoseNamesTheListCannotHoldAreNamedAndLeftOut)
{
    WritePhotos("写真", 2);
    const std::filesystem::path folder = FileSystem::ToNative(list.temp.Path() + "写真");
    std::filesystem::rename(folder / "p01.jpg", folder / "emoji\xF0\x9F\x98\x80.jpg");
    std::vector<CString> shown;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
            shown.push_back(text);
            return IDOK;
        });
    const bool built = Build(20);
    SetMessageBoxHandler(previous);
    ASSERT_TRUE(built);
    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(Row(0).photoCount, 1) << "only the photo that can be named is taken";
    EXPECT_EQ(monitor.lastTotal, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].Find("\nemoji■.jpg"), -1) << shown[0].GetString();
}

TEST_F(AutoPhotoBuilderTest, AFolderWithoutPhotosGivesTheColumnsAndNoRows)
{
    list.WriteJpeg("other/x.jpg", 8, 6);
    ASSERT_TRUE(Build(20));
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(list.doc->columnCount, 3);
    EXPECT_EQ(list.doc->photoColumns, 3);
}

TEST_F(AutoPhotoBuilderTest, ThePhotoColumnsKeepOneEmptyColumnBeyondTheRowsUpTo20)
{
    WritePhotos("写真", 7);
    ASSERT_TRUE(Build(5));
    EXPECT_EQ(list.doc->photoColumns, 6);

    PhotoList other;
    for (int i = 0; i < 3; ++i) {
        CString name;
        name.Format("写真/q%d.jpg", i);
        other.WriteJpeg(name, 8, 6);
    }
    CAutoPhotoBuilder builder(*other.doc, monitor);
    ASSERT_TRUE(builder.Build(other.temp.Path() + "写真", true, 2));
    EXPECT_EQ(other.doc->photoColumns, 3);
}

TEST_F(AutoPhotoBuilderTest, ACancelKeepsTheRowsMadeSoFar)
{
    WritePhotos("写真", 6);
    monitor.cancelAt = 3;
    ASSERT_TRUE(Build(2));
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(1).photoCount, 1);
    EXPECT_EQ(monitor.lastTotal, 6);
}

TEST_F(AutoPhotoBuilderTest, APhotoThatCannotBeReadIsNamedWhileItsMessageShows)
{
    WritePhotos("写真", 3);
    const CString broken = list.temp.Path() + "写真/p01.jpg";
    std::ofstream(FileSystem::ToNative(broken), std::ios::binary | std::ios::trunc) << "no picture";
    WatchingHost host(monitor);
    auto doc = std::make_unique<CZantobyDoc>(host);
    doc->tempFolder = list.temp.Path();
    CAutoPhotoBuilder builder(*doc, monitor);
    ASSERT_TRUE(builder.Build(list.temp.Path() + "写真", true, 20));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 40203);
    EXPECT_EQ(host.namedWithMessage[0], broken) << "not the photo before it";
    EXPECT_EQ(doc->GetRow(doc->displayOrder[0]).photoCount, 2) << "the others are taken";
}

} // namespace
