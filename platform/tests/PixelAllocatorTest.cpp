#include "platform/Bitmap.h"

#include <gtest/gtest.h>

// Small images come from the heap, whole photos from the system; both must start black, also
// when the bitmap held a drawn image of the same size before.
TEST(PixelAllocator, EveryCreatedImageStartsBlack)
{
    for (int side : {16, 2000}) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.Create(side, side, 24));
        bitmap.Row(side - 1)[side - 1] = 0xFFFFFF;
        ASSERT_TRUE(bitmap.Create(side, side, 24));
        EXPECT_EQ(bitmap.Row(side - 1)[side - 1], 0u) << side;
        Bitmap copy = bitmap;
        EXPECT_EQ(copy.Row(0)[0], 0u);

        ASSERT_TRUE(bitmap.Create(side, side, 8));
        bitmap.IndexRow(side - 1)[side - 1] = 7;
        ASSERT_TRUE(bitmap.Create(side, side, 8));
        EXPECT_EQ(bitmap.IndexRow(side - 1)[side - 1], 0);
    }
}
