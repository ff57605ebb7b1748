#include "app/frame/ToolbarImages.h"
#include "app/frame/ToolbarChoice.h"
#include "app/printing/PrintCommands.h"

#include <gtest/gtest.h>

TEST(ToolbarImages, PrintButtonShowsThePrintMode)
{
    EXPECT_EQ(CToolbarImages::GetPrintImage(ID_FILE_PRINT_LIST), 7);
    EXPECT_EQ(CToolbarImages::GetPrintImage(ID_FILE_PRINT_SHEET), 8);
    EXPECT_EQ(CToolbarImages::GetPrintImage(ID_FILE_PREVIEW_LIST), 9);
    EXPECT_EQ(CToolbarImages::GetPrintImage(ID_FILE_PREVIEW_SHEET), 10);
    EXPECT_EQ(CToolbarImages::GetPrintImage(0), 9);
}

TEST(ToolbarImages, ColourButtonsShowTheColourOrTheirDefault)
{
    const COLORREF bright[] = {0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(CToolbarImages::GetTextColorImage(bright[i]), 28 + i);
        EXPECT_EQ(CToolbarImages::GetBackColorImage(bright[i]), 36 + i);
    }
    EXPECT_EQ(CToolbarImages::GetTextColorImage(0xFFFFFF), 34);
    EXPECT_EQ(CToolbarImages::GetBackColorImage(0x000000), 35);
    // Black text, white background, no colour and colours without an image show the default.
    for (COLORREF other : {kDefaultColor, COLORREF(0x123456), COLORREF(0x00FF00)}) {
        EXPECT_EQ(CToolbarImages::GetTextColorImage(other), 27);
        EXPECT_EQ(CToolbarImages::GetBackColorImage(other), 42);
    }
    EXPECT_EQ(CToolbarImages::GetTextColorImage(0x000000), 27);
    EXPECT_EQ(CToolbarImages::GetBackColorImage(0xFFFFFF), 42);
}

TEST(ToolbarImages, WidthSwatchFollowsTheDots)
{
    EXPECT_EQ(CToolbarImages::GetWidthBitmap(0), 335);
    EXPECT_EQ(CToolbarImages::GetWidthBitmap(5), 340);
    EXPECT_EQ(CToolbarImages::GetWidthBitmap(8), 343);
    EXPECT_EQ(CToolbarImages::GetWidthBitmap(12), 343);
    EXPECT_EQ(CToolbarImages::GetWidthBitmap(-1), 335);
}

TEST(ToolbarChoice, EachKindOfWindowShowsItsWantedToolbars)
{
    using C = CToolbarChoice;
    C choice;
    const C::Visibility all = {true, true, true, true};
    EXPECT_EQ(choice.Choose(C::kNoDocument, false, all), (C::Visibility{true, false, false, false}));
    EXPECT_EQ(choice.Choose(C::kList, false, all), (C::Visibility{false, true, false, false}));
    EXPECT_EQ(choice.Choose(C::kPhotoEditor, false, all), (C::Visibility{false, false, true, true}));
    EXPECT_EQ(choice.Choose(7, false, all), (C::Visibility{false, false, false, false}));

    choice.SetWanted(C::kMainBar, false);
    choice.SetWanted(C::kFormatBar, false);
    EXPECT_FALSE(choice.IsWanted(C::kMainBar));
    EXPECT_EQ(choice.Choose(C::kList, false, all), (C::Visibility{false, false, false, false}));
    EXPECT_EQ(choice.Choose(C::kPhotoEditor, false, all), (C::Visibility{false, false, true, false}));
}

TEST(ToolbarChoice, NoDocumentWhileAListIsStillOpenLeavesTheToolbarsAsTheyAre)
{
    CToolbarChoice choice;
    const CToolbarChoice::Visibility current = {false, true, false, false};
    EXPECT_EQ(choice.Choose(CToolbarChoice::kNoDocument, true, current), current);
}
