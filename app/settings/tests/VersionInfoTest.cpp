#include "app/settings/VersionInfo.h"

#include <gtest/gtest.h>

TEST(VersionInfo, StringRunsMinorAndPatchTogether)
{
    EXPECT_EQ(CVersionInfo(2, 1, 3, 4).GetVersionString(), "2.103.4");
    EXPECT_EQ(CVersionInfo(2, 0, 1, 5).GetVersionString(), "2.001.5");
    EXPECT_EQ(CVersionInfo(2, 1, 12, 0).GetVersionString(), "2.112.0");
}

TEST(VersionInfo, NumberWeighsEachPart)
{
    EXPECT_EQ(CVersionInfo(2, 1, 3, 4).GetVersionNumber(), 210304);
    EXPECT_EQ(CVersionInfo(2, 0, 1, 5).GetVersionNumber(), 200105);
}

TEST(VersionInfo, BuiltVersionIsNeverOlderThanTheCurrentListLayout)
{
    CVersionInfo version = CVersionInfo::Compiled();
    EXPECT_GE(version.GetVersionNumber(), 210800);
    EXPECT_EQ(CVersionInfo(2, 1, 8, 0).GetVersionString(), "2.108.0");
}
