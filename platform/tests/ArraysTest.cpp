#include "platform/Arrays.h"

#include <gtest/gtest.h>

TEST(CArrayOps, InsertRemoveAndGrow)
{
    CStringArray list;
    list.Add("a");
    list.Add("c");
    list.InsertAt(1, "b");
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[1], "b");
    list.RemoveAt(0, 2);
    EXPECT_EQ(list.GetAt(0), "c");
    list.SetAtGrow(3, "z");
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[2], "");
    EXPECT_EQ(list.GetUpperBound(), 3);
}
