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
