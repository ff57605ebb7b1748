#include "photo/batch/Thumbnail.h"
#include "photo/batch/testing/PhotoList.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

// The bulk import shows every photo of a folder 120 pixels high; a phone's 108-megapixel photo,
// beyond what one bitmap may hold, gets its picture too, from a reduced decode.
TEST(Thumbnail, EveryPhotoGetsItsPictureAPhoneOf108MegapixelsToo)
{
    PhotoList list;
    CThumbnail small;
    ASSERT_TRUE(small.Make(list.WriteJpeg("small.jpg", 80, 60)));
    EXPECT_EQ(small.Picture().Width(), 160);
    EXPECT_EQ(small.Picture().Height(), CThumbnail::kHeight);

    const CString phone = list.temp.Path() + "phone.jpg";
    ASSERT_TRUE(TestPhotos::WriteLargeJpeg(phone, 12000, 9000));
    CThumbnail large;
    ASSERT_TRUE(large.Make(phone));
    EXPECT_EQ(large.Path(), phone);
    EXPECT_EQ(large.Picture().Width(), 160);
    EXPECT_EQ(large.Picture().Height(), CThumbnail::kHeight);
    EXPECT_TRUE(TestPhotos::IsNear(large.Picture().GetPixel(20, 20), TestPhotos::kTopLeft));
    EXPECT_TRUE(TestPhotos::IsNear(large.Picture().GetPixel(140, 100), TestPhotos::kBottomRight));

    CThumbnail none;
    EXPECT_FALSE(none.Make(list.temp.Path() + "missing.jpg"));
    EXPECT_TRUE(none.Picture().IsEmpty());
}

// A camera's turn stands the picture as the list will show the photo, whichever of the eight.
TEST(Thumbnail, TheCamerasTurnStandsThePictureAsTheListShowsIt)
{
    PhotoList list;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        CThumbnail thumbnail;
        ASSERT_TRUE(thumbnail.Make(list.WriteCameraJpeg("camera.jpg", 60, 40, orientation))) << orientation;
        const Bitmap& picture = thumbnail.Picture();
        ASSERT_EQ(CSize(picture.Width(), picture.Height()), CSize(180, CThumbnail::kHeight)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(30, 20), TestPhotos::kTopLeft)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(150, 20), TestPhotos::kTopRight)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(30, 100), TestPhotos::kBottomLeft)) << orientation;
        EXPECT_TRUE(TestPhotos::IsNear(picture.GetPixel(150, 100), TestPhotos::kBottomRight)) << orientation;
    }
}
