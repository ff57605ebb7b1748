#include "shell/ColorPalette.h"

#include <gtest/gtest.h>

#include <set>

TEST(ColorPalette, CurrentColourMarksItsCellWithAMarkThatShowsOnIt)
{
    // White: the first cell, a black mark.
    EXPECT_EQ(CColorPalette::FindMarkedCell(0xFFFFFF), 0);
    EXPECT_EQ(CColorPalette::GetCellText(0, 0xFFFFFF), "*");
    EXPECT_EQ(CColorPalette::GetCell(0).id, 1214);
    EXPECT_EQ(CColorPalette::GetCell(0).markColor, RGB(0, 0, 0));
    // Black: cell 1242, a white mark.
    const int black = CColorPalette::FindMarkedCell(0x000000);
    ASSERT_GE(black, 0);
    EXPECT_EQ(CColorPalette::GetCell(black).id, 1242);
    EXPECT_EQ(CColorPalette::GetCell(black).markColor, RGB(255, 255, 255));
    // Every other cell stays empty.
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        if (index != black) {
            EXPECT_EQ(CColorPalette::GetCellText(index, 0x000000), "") << index;
        }
    }
}

TEST(ColorPalette, NoColourAndColoursOutsideThePaletteMarkNoCell)
{
    EXPECT_EQ(CColorPalette::FindMarkedCell(kDefaultColor), -1);
    EXPECT_EQ(CColorPalette::FindMarkedCell(0x123456), -1);
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        EXPECT_EQ(CColorPalette::GetCellText(index, kDefaultColor), "");
    }
}

TEST(ColorPalette, ThirtyFiveDistinctCellsWithTheirIdsLightOnesMarkedBlack)
{
    std::set<COLORREF> colors;
    int light = 0;
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        const CColorPalette::Cell& cell = CColorPalette::GetCell(index);
        EXPECT_EQ(cell.id, 1214 + index);
        EXPECT_EQ(CColorPalette::FindCell(cell.id), &cell);
        EXPECT_TRUE(colors.insert(cell.color).second) << index;
        light += cell.markColor == RGB(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(light, 21);
    EXPECT_EQ(CColorPalette::FindCell(1213), nullptr);
    EXPECT_EQ(CColorPalette::FindCell(1249), nullptr);
    EXPECT_EQ(CColorPalette::GetCell(15).color, RGB(255, 0, 0)); // 1229
}

TEST(ColorPalette, ToolTipNamesRedGreenAndBlueInHex)
{
    EXPECT_EQ(CColorPalette::GetToolTip(1), "R:FF, G:C0, B:C0");           // 0xC0C0FF
    EXPECT_EQ(CColorPalette::GetToolTip(1232 - 1214), "R:00, G:00, B:FF"); // 0xFF0000
    EXPECT_EQ(CColorPalette::GetToolTip(1236 - 1214), "R:80, G:00, B:00"); // 0x000080
}

TEST(ColorPalette, CaptionFollowsTheTarget)
{
    EXPECT_EQ(CColorPalette::GetCaption(33011), "境界線の色");
    EXPECT_EQ(CColorPalette::GetCaption(33014), "影の色");
    EXPECT_EQ(CColorPalette::GetCaption(34000), "先頭行の文字色");
    EXPECT_EQ(CColorPalette::GetCaption(34005), "明細の背景色");
    // The Web dialog's background and the property dialogs' own buttons have none.
    EXPECT_EQ(CColorPalette::GetCaption(34006), "");
    EXPECT_EQ(CColorPalette::GetCaption(1256), "");
}
