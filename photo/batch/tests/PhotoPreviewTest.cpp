#include "photo/batch/PhotoPreview.h"
#include "photo/batch/testing/PhotoList.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

namespace {

TEST(PhotoPreview, OnlyFilesNamedJpgArePreviewedWithTheirSizesAndDate)
{
    PhotoList list;
    const CString jpeg = list.WriteJpeg("two.jpeg", 16, 12);
    const CString jpg = list.WriteJpeg("two.JPG", 16, 12);
    CPhotoPreview preview;
    EXPECT_FALSE(preview.Load(jpeg));
    EXPECT_TRUE(preview.SizeText().IsEmpty());
    ASSERT_TRUE(preview.Load(jpg));
    EXPECT_EQ(preview.SizeText(), "X:16 Y:12");
    EXPECT_TRUE(preview.BytesText().Right(6) == " bytes");
    EXPECT_EQ(preview.DateText().GetLength(), 10);
}

// The preview and its size show the photo as the list will, a camera's turn applied.
TEST(PhotoPreview, ATurnedPhotoShowsUprightWithItsSizeAsSeen)
{
    PhotoList list;
    CPhotoPreview preview;
    ASSERT_TRUE(preview.Load(list.WriteCameraJpeg("portrait.jpg", 30, 40, 8)));
    EXPECT_EQ(preview.SizeText(), "X:30 Y:40");
    const CBitmapEx& picture = preview.Picture();
    ASSERT_EQ(CSize(picture.Width(), picture.Height()), CSize(30, 40));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(5, 5), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(25, 5), TestPhotos::kTopRight));
    EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(5, 35), TestPhotos::kBottomLeft));
}

} // namespace
