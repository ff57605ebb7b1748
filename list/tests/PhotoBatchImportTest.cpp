#include "list/PhotoBatchImport.h"
#include "foundation/BitmapEx.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Photos of a folder taken into a new list on four threads, whatever the machine has.
class PhotoBatchImport : public ::testing::Test
{
  protected:
    PhotoBatchImport() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = temp.Path();
        doc->listFolder = temp.Path().Left(temp.Path().GetLength() - 1);
        doc->photoFolderName = "Photo";
        fs::create_directories(FileSystem::ToNative(temp.Path() + "Photo"));
    }

    // Photo i is 40 + i pixels wide, so that each picture shows whose it is; the names in bad
    // are no photos.
    std::vector<CPhotoBatchImport::Photo> Photos(int count, std::vector<int> bad = {})
    {
        std::vector<CPhotoBatchImport::Photo> photos;
        for (int i = 0; i < count; ++i) {
            CString path;
            path.Format("%sp%02d.jpg", temp.Path().GetString(), i);
            if (std::find(bad.begin(), bad.end(), i) != bad.end()) {
                std::ofstream(FileSystem::ToNative(path)) << "no photo";
            } else {
                EXPECT_TRUE(TestPhotos::WriteJpeg(path, 40 + i, 30));
            }
            photos.push_back({path, CString()});
        }
        return photos;
    }

    int StandardWidth(int slot) const
    {
        CBitmapEx image;
        return image.LoadJpeg(doc->GetMiddlePhotoPath(slot)) ? image.Width() : 0;
    }

    // Files left in the photo folder.
    int FilesLeft() const
    {
        int count = 0;
        for ([[maybe_unused]] const auto& entry :
             fs::directory_iterator(FileSystem::ToNative(temp.Path() + "Photo"))) {
            ++count;
        }
        return count;
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(PhotoBatchImport, PhotosReachTheListInTheirOrderWithTheirOwnPictures)
{
    std::vector<int> seen;
    std::vector<int> slots;
    CPhotoBatchImport::Steps steps;
    steps.done = [&](int index, int slot) {
        seen.push_back(index);
        slots.push_back(slot);
        return true;
    };
    CPhotoBatchImport(*doc).Run(Photos(24), steps, 4);
    ASSERT_EQ(seen.size(), 24u);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(seen[i], i);
        EXPECT_EQ(slots[i], i) << "slots are taken in the photos' order";
        EXPECT_EQ(doc->GetPhoto(i).width, 40 + i);
        EXPECT_TRUE(doc->GetPhoto(i).flatFiles);
        EXPECT_EQ(StandardWidth(i), 40 + i);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PhotoBatchImport, AFailedPhotoIsReportedInItsTurnAndGivesItsSlotBack)
{
    std::vector<int> slots;
    CPhotoBatchImport::Steps steps;
    steps.done = [&](int index, int slot) {
        slots.push_back(slot);
        // The report of photo 2 comes when its turn comes, not before.
        EXPECT_EQ(host.HasMessage(40203), index >= 2) << index;
        return true;
    };
    CPhotoBatchImport(*doc).Run(Photos(6, {2}), steps, 4);
    ASSERT_EQ(slots.size(), 6u);
    EXPECT_EQ(slots[2], -1);
    EXPECT_EQ(std::count(slots.begin(), slots.end(), -1), 1);
    EXPECT_FALSE(doc->GetPhoto(2).inUse);
    EXPECT_EQ(host.messages.size(), 1u);
}

// A stop keeps what was handed on and nothing else: later photos, made or half made, leave
// neither a slot nor a file behind.
TEST_F(PhotoBatchImport, AStopKeepsOnlyWhatWasHandedOn)
{
    const auto photos = Photos(20);
    for (const char* how : {"done", "accept", "waiting"}) {
        auto list = std::make_unique<CZantobyDoc>(host);
        list->tempFolder = doc->tempFolder;
        list->listFolder = doc->listFolder;
        list->photoFolderName = doc->photoFolderName;
        fs::remove_all(FileSystem::ToNative(temp.Path() + "Photo"));
        fs::create_directories(FileSystem::ToNative(temp.Path() + "Photo"));
        int handed = 0;
        CPhotoBatchImport::Steps steps;
        steps.done = [&](int index, int) {
            ++handed;
            return !(CString(how) == "done" && index == 4);
        };
        steps.accept = [&](int index) { return !(CString(how) == "accept" && index == 5); };
        steps.waiting = [&](int index) { return !(CString(how) == "waiting" && index == 5); };
        CPhotoBatchImport(*list).Run(photos, steps, 4);
        EXPECT_EQ(handed, 5) << how;
        for (int slot = 0; slot < 20; ++slot) {
            EXPECT_EQ(list->GetPhoto(slot).inUse, slot < 5) << how << " " << slot;
        }
        EXPECT_EQ(FilesLeft(), 5 * 3) << how << ": the original, standard and thumbnail of each";
    }
}

} // namespace
