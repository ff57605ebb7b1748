#include "photo/DrawingDefaults.h"

#include <gtest/gtest.h>

TEST(DrawingDefaults, StartAsTheFormatToolbarShowsThemAndChangeByTarget)
{
    DrawingDefaults defaults;
    EXPECT_EQ(defaults.borderWidth, 1);
    EXPECT_EQ(defaults.GetColor(IDC_BORDER_COLOR), RGB(0, 0, 0));
    EXPECT_EQ(defaults.GetColor(IDC_FILL_COLOR), RGB(255, 255, 255));
    EXPECT_EQ(defaults.GetColor(IDC_TEXT_COLOR), RGB(0, 0, 0));
    EXPECT_EQ(defaults.GetColor(IDC_SHADOW_COLOR), kDefaultColor);

    EXPECT_TRUE(defaults.SetColor(IDC_SHADOW_COLOR, 0x808080));
    EXPECT_TRUE(defaults.SetColor(IDC_FILL_COLOR, kDefaultColor));
    EXPECT_EQ(defaults.shadowColor, 0x808080u);
    EXPECT_EQ(defaults.fillColor, kDefaultColor);
    // Other targets change nothing.
    EXPECT_FALSE(defaults.SetColor(34000, 0x0000FF));
    EXPECT_FALSE(defaults.SetColor(IDC_BORDER_WIDTH, 0x0000FF));
    EXPECT_EQ(defaults.GetColor(34000), kDefaultColor);
    EXPECT_EQ(defaults.borderColor, RGB(0, 0, 0));
}
