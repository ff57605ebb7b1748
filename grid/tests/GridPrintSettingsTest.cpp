#include "grid/GridPrintSettings.h"

#include <gtest/gtest.h>

TEST(GridPrintSettings, PageEntriesRoundTripThroughTheirBytes)
{
    CGridPrintSettings settings;
    EXPECT_EQ(settings.marginLeft, 25);
    EXPECT_EQ(settings.scale, 100);
    settings.pageEntries.resize(3);
    settings.pageEntries[2][15] = 0xAB;
    std::vector<unsigned char> bytes;
    settings.StorePageEntries(bytes);
    EXPECT_EQ(bytes.size(), 4u + 3 * 16);

    CGridPrintSettings loaded;
    size_t used = 0;
    ASSERT_TRUE(loaded.LoadPageEntries(bytes.data(), bytes.size(), &used));
    EXPECT_EQ(used, bytes.size());
    ASSERT_EQ(loaded.pageEntries.size(), 3u);
    EXPECT_EQ(loaded.pageEntries[2][15], 0xAB);
}

TEST(GridPrintSettings, ShortOrOverstatedInputLeavesTheEntries)
{
    CGridPrintSettings settings;
    settings.pageEntries.resize(1);
    const unsigned char huge[] = {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3};
    EXPECT_FALSE(settings.LoadPageEntries(huge, sizeof huge));
    EXPECT_FALSE(settings.LoadPageEntries(huge, 3));
    EXPECT_EQ(settings.pageEntries.size(), 1u);
}
