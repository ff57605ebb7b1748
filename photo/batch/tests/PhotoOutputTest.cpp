#include "photo/batch/PhotoOutput.h"
#include "foundation/BitmapEx.h"
#include "list/tests/support/TestPhotos.h"
#include "photo/batch/IPhotoOutputMonitor.h"
#include "photo/batch/testing/PhotoList.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class CountingMonitor : public IPhotoOutputMonitor
{
  public:
    void ShowOutputProgress(const CString& text) override { progress.push_back(text); }
    bool PauseAfterPhoto() override
    {
        ++pauses;
        return cancelAfterPause;
    }
    bool IsOutputCancelled() override { return cancelAfterPause && pauses > 0; }

    std::vector<CString> progress;
    int pauses = 0;
    bool cancelAfterPause = false;
};

class PhotoOutputTest : public ::testing::Test
{
  protected:
    PhotoOutputTest()
    {
        slot = list.AddPhotoRow(list.WriteJpeg("camera.jpg", 400, 300));
        settings.folder = list.temp.Path() + "out";
        FileSystem::CreateFolder(settings.folder);
    }

    CSize JpegSize(const char* name) const
    {
        CBitmapEx image;
        return image.LoadJpeg(settings.folder + "/" + name) ? CSize(image.Width(), image.Height()) : CSize();
    }
    bool Written(const char* name) const { return FileSystem::Exists(settings.folder + "/" + name); }

    PhotoList list;
    CountingMonitor monitor;
    PhotoOutputSettings settings;
    int slot = -1;
};

TEST_F(PhotoOutputTest, AnEditedBaseNameNamesAllFourFilesAndAnEmptyOneFallsBackToTheSlot)
{
    settings.sizeOriginal = settings.sizeStandard = settings.sizeThumbnail = settings.sizeFree = true;
    settings.freeLength = 150;
    CPhotoOutput output(*list.doc, monitor);
    EXPECT_EQ(output.Run({{slot, true, "A"}, {slot, true, ""}}, settings), CPhotoOutput::Result::Completed);
    for (const char* name :
         {"A.jpg", "Am.jpg", "As.jpg", "Af.jpg", "0000.jpg", "0000m.jpg", "0000s.jpg", "0000f.jpg"}) {
        EXPECT_TRUE(Written(name)) << name;
    }
    EXPECT_EQ(JpegSize("A.jpg"), CSize(400, 300)) << "the original is copied as it is";
    EXPECT_EQ(JpegSize("Af.jpg"), CSize(200, 150));
    EXPECT_EQ(monitor.progress.front(), "1/2 [A]を出力中");
    EXPECT_EQ(monitor.pauses, 2);
}

TEST_F(PhotoOutputTest, WithNoSizeCheckedEveryCheckedRowIsVisitedAndNothingWritten)
{
    settings.sizeStandard = false;
    CPhotoOutput output(*list.doc, monitor);
    EXPECT_EQ(output.Run({{slot, true, ""}, {slot, false, "B"}, {slot, true, "C"}}, settings),
              CPhotoOutput::Result::Completed);
    EXPECT_EQ(monitor.pauses, 2) << "the unchecked row is skipped";
    EXPECT_EQ(monitor.progress.back(), "3/3 [C]を出力中");
    EXPECT_FALSE(Written("0000m.jpg"));
    EXPECT_FALSE(Written("Cm.jpg"));
}

TEST_F(PhotoOutputTest, WithoutAFolderNothingIsWritten)
{
    settings.folder.Empty();
    CPhotoOutput output(*list.doc, monitor);
    EXPECT_EQ(output.Run({{slot, true, ""}}, settings), CPhotoOutput::Result::NoFolder);
    EXPECT_TRUE(list.host.HasMessage(30700));
    EXPECT_TRUE(monitor.progress.empty());
}

TEST_F(PhotoOutputTest, AFailedCopyAsksAndNoStopsTheOutput)
{
    FileSystem::CreateFolder(settings.folder + "/Xm.jpg"); // a folder where the copy would go
    list.host.answers = {IDNO};
    CPhotoOutput output(*list.doc, monitor);
    EXPECT_EQ(output.Run({{slot, true, "X"}, {slot, true, "Y"}}, settings), CPhotoOutput::Result::Stopped);
    EXPECT_TRUE(list.host.HasMessage(20700));
    EXPECT_FALSE(Written("Ym.jpg"));

    list.host.answers = {IDYES};
    EXPECT_EQ(output.Run({{slot, true, "X"}, {slot, true, "Y"}}, settings), CPhotoOutput::Result::Completed);
    EXPECT_TRUE(Written("Ym.jpg"));
}

TEST_F(PhotoOutputTest, ABaseNameWithASeparatorStaysInTheFolder)
{
    CPhotoOutput output(*list.doc, monitor);
    EXPECT_EQ(output.Run({{slot, true, "../外"}}, settings), CPhotoOutput::Result::Completed);
    EXPECT_TRUE(Written(".._外m.jpg"));
    EXPECT_FALSE(FileSystem::Exists(list.temp.Path() + "外m.jpg"));
}

TEST_F(PhotoOutputTest, TheFreeSizeIsOfTheTurnedPhotoWithoutItsColourCorrections)
{
    std::ofstream(FileSystem::ToNative(list.doc->GetDrawingPath(slot))) << "photo,rot=1,bright=100\n";
    settings.sizeStandard = false;
    settings.sizeFree = true;
    settings.freeLength = 1280;
    CPhotoOutput output(*list.doc, monitor);
    ASSERT_EQ(output.Run({{slot, true, "T"}}, settings), CPhotoOutput::Result::Completed);
    EXPECT_EQ(JpegSize("Tf.jpg"), CSize(960, 1280));
    CBitmapEx image;
    ASSERT_TRUE(image.LoadJpeg(settings.folder + "/Tf.jpg"));
    // A left turn brings the top-right quadrant to the top left; no brightness was added.
    EXPECT_TRUE(TestPhotos::IsNear(image.GetPixel(100, 100), TestPhotos::kTopRight, 24));
}

TEST(PhotoOutputSize, TheShortSideBaseRoundsToTheNearestPixel)
{
    EXPECT_EQ(CPhotoOutput::FreeSize(CSize(4000, 3000), 1280, 1), CSize(1707, 1280));
    EXPECT_EQ(CPhotoOutput::FreeSize(CSize(3000, 4000), 1280, 1), CSize(1280, 1707));
    EXPECT_EQ(CPhotoOutput::FreeSize(CSize(3000, 4000), 1280, 0), CSize(960, 1280));
}

} // namespace
