#include "photo/batch/PhotoPreview.h"
#include "photo/batch/testing/PhotoList.h"

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

} // namespace
