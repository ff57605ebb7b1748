#include "platform/Bitmap.h"

#include <gtest/gtest.h>

TEST(BitmapCreate, RefusesInvalidShapes)
{
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.Create(10, 10, 16));
    EXPECT_FALSE(bitmap.Create(-1, 10, 24));
    EXPECT_FALSE(bitmap.Create(20000, 10000, 24)); // 200 megapixels
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_TRUE(bitmap.Create(0, 5, 24));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(BitmapPixels, IndexedImagesResolveThroughThePalette)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(2, 1, 4));
    EXPECT_EQ(bitmap.Palette().size(), 16u);
    bitmap.Palette()[3] = 0x123456;
    bitmap.IndexRow(0)[1] = 3;
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x123456u);
    EXPECT_EQ(bitmap.GetPixel(5, 0), 0u);
    Bitmap color = bitmap.ToTrueColor();
    EXPECT_EQ(color.BitCount(), 24);
    EXPECT_EQ(color.Row(0)[1], 0x123456u);
}
