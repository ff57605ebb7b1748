#include "platform/Geometry.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000); // product beyond 32 bits
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1);
}

TEST(CRectOps, IntersectAndUnionIgnoreEmptyRectangles)
{
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(CRect(), CRect(1, 2, 3, 4)));
    EXPECT_EQ(r, CRect(1, 2, 3, 4));
    EXPECT_FALSE(CRect(0, 0, 10, 10).PtInRect(CPoint(10, 5)));
    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
}

TEST(Colors, PackRedFirst)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}
