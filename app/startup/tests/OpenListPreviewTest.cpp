#include "app/startup/OpenListPreview.h"
#include "app/startup/SampleListMaker.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <ctime>
#include <utime.h>

namespace {

class OpenListPreviewTest : public testing::Test
{
  protected:
    // A list of two rows and the photos 3 and 7 (and an index past the last photo), with the
    // thumbnails of both.
    CString MakeList()
    {
        const CString path = scratch / "list.zbk";
        ScratchFolder::WriteBytes(path, "ver=210800\r\n[informations]\r\ntitle='秋の商品'\r\n[products]\r\n"
                                        "r0000='a'\r\nr0009='b'\r\n[photos]\r\nfolder='photo'\r\n"
                                        "r0007=1,1,''\r\nr0003=1,1,''\r\nr10000=1,1,''\r\n");
        for (int photo : {3, 7}) {
            CString thumbnail;
            thumbnail.Format("%s/photo/s/%04ds.jpg", scratch.Path().GetString(), photo);
            ScratchFolder::WriteBytes(thumbnail, "");
            EXPECT_TRUE(CSampleListMaker::DrawPhoto(thumbnail, photo));
        }
        return path;
    }

    // Ticks until the preview changes; the number of ticks it took.
    int TicksUntilChange(COpenListPreview& preview)
    {
        for (int tick = 1; tick <= 100; ++tick) {
            if (preview.Tick() != COpenListPreview::Change::None) {
                return tick;
            }
        }
        return -1;
    }

    ScratchFolder scratch;
};

} // namespace

TEST_F(OpenListPreviewTest, PreviewIsReadOnceTheSelectionSettlesAndStepsThroughThePhotos)
{
    const CString path = MakeList();
    const std::time_t changed = 1700000000;
    utimbuf times = {changed, changed};
    ASSERT_EQ(utime(FileSystem::ToNative(path).c_str(), &times), 0);

    COpenListPreview preview;
    preview.Select(path);
    EXPECT_EQ(TicksUntilChange(preview), COpenListPreview::kReadDelay + 1);
    EXPECT_EQ(preview.GetTitle(), "秋の商品");
    EXPECT_EQ(preview.GetRowText(), "2");
    EXPECT_EQ(preview.GetPhotoText(), "2") << "r10000 is no photo";
    char expected[32];
    std::tm local = {};
    localtime_r(&changed, &local);
    std::strftime(expected, sizeof(expected), "%Y/%m/%d %H:%M:%S", &local);
    EXPECT_EQ(preview.GetTimeText(), expected) << "the file's own time";
    EXPECT_EQ(preview.GetCurrentPhoto(), 3);
    EXPECT_FALSE(preview.GetPicture().IsEmpty());

    EXPECT_EQ(TicksUntilChange(preview), COpenListPreview::kStepDelay + 1);
    EXPECT_EQ(preview.GetCurrentPhoto(), 7);
    TicksUntilChange(preview);
    EXPECT_EQ(preview.GetCurrentPhoto(), 3) << "the stepping wraps round";
    TicksUntilChange(preview);
    ASSERT_EQ(preview.GetCurrentPhoto(), 7);

    EXPECT_EQ(preview.Spin(-1), COpenListPreview::Change::Picture);
    EXPECT_EQ(preview.GetCurrentPhoto(), 3);
    EXPECT_FALSE(preview.IsStepping()) << "the spin button stops the stepping";
    EXPECT_EQ(TicksUntilChange(preview), -1);
    preview.Spin(1);
    EXPECT_EQ(preview.GetCurrentPhoto(), 7);
}

TEST_F(OpenListPreviewTest, FoldersFilesThatAreNoListsAndEmptyListsShowNoCounts)
{
    COpenListPreview preview;
    preview.Load(MakeList());
    ASSERT_EQ(preview.GetCurrentPhoto(), 3);

    for (const CString& other : {scratch.Path(), scratch / "photo/s/0003s.jpg"}) {
        preview.Load(other);
        EXPECT_TRUE(preview.GetTitle().IsEmpty());
        EXPECT_TRUE(preview.GetTimeText().IsEmpty());
        EXPECT_EQ(preview.GetCurrentPhoto(), -1);
        EXPECT_TRUE(preview.GetPicture().IsEmpty());
    }

    ScratchFolder::WriteBytes(scratch / "empty.ZBK", "ver=210800\r\n[informations]\r\ntitle='空'\r\n");
    preview.Load(scratch / "empty.ZBK");
    EXPECT_EQ(preview.GetTitle(), "空");
    EXPECT_EQ(preview.GetRowText(), "");
    EXPECT_EQ(preview.GetPhotoText(), "");
    EXPECT_FALSE(preview.IsStepping());
}
