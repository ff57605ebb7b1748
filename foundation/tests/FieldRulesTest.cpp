#include "foundation/FieldRules.h"
#include "foundation/DropListRows.h"

#include <gtest/gtest.h>

TEST(TrailingSeparatorRule, AddsOrRemovesOneSeparatorButKeepsTheRoot)
{
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/home/data", true), "/home/data/");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/home/data/", true), "/home/data/");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/home/data/", false), "/home/data");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/home/data//", false), "/home/data/");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/", false), "/");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/", true), "/");
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("", true), "");
    // 表 ends in the byte of a backslash, which is no separator here.
    EXPECT_EQ(CFieldRules::ApplyTrailingSeparator("/写真/表", false), "/写真/表");
}

TEST(HelpPageAddress, TopicIsLowerCasedAndDefaultsToIndex)
{
    EXPECT_EQ(CFieldRules::HelpPageAddress("https://help.example/ZB/", "ImportCsvDlg"),
              "https://help.example/zb/importcsvdlg.htm");
    EXPECT_EQ(CFieldRules::HelpPageAddress("https://help.example/", ""), "https://help.example/index.htm");
}

namespace {

const DropListColumn kColumns[] = {{"c", 0, 0, 40}, {"n", 0, 0, 120}, {nullptr, 0, 0, 0}};
const char* const kCells[] = {"1", "北海道", "10", "東京都", "2", "青森県", "12", "千葉県", nullptr};

CDropListRows Prefectures()
{
    CDropListRows rows;
    rows.Setup({kCells, 0, 0, 1050, 1, kColumns});
    return rows;
}

} // namespace

TEST(DropListRows, CellsFillRowsByTheColumnCount)
{
    const CDropListRows rows = Prefectures();
    EXPECT_EQ(rows.GetColumnCount(), 2);
    EXPECT_EQ(rows.GetRowCount(), 4);
    EXPECT_EQ(rows.GetText(1, 1), "東京都");
    EXPECT_EQ(rows.GetText(4, 0), "");
    EXPECT_EQ(rows.GetMinimumWidth(), 180);

    CDropListRows none;
    EXPECT_FALSE(none.Setup({kCells, 300, 0, 0, 0, nullptr}));
    EXPECT_EQ(none.GetRowCount(), 0);
    EXPECT_EQ(none.GetMinimumWidth(), 300);
}

TEST(DropListRows, TheExactRowWinsOverTheFirstPrefix)
{
    const CDropListRows rows = Prefectures();
    EXPECT_EQ(rows.FindForText("1"), 0);
    EXPECT_EQ(rows.FindForText("12"), 3);
    EXPECT_EQ(rows.FindForText(""), 0);
    EXPECT_EQ(rows.FindForText("9"), -1);
    // A prefix only: the first row that begins with it.
    CDropListRows prefixed;
    const char* const cells[] = {"21", "a", "13", "b", "10", "c", nullptr};
    prefixed.Setup({cells, 0, 0, 0, 0, kColumns});
    EXPECT_EQ(prefixed.FindForText("1"), 1);
}

TEST(DropListRows, CompanionShowsTheExactMatchOrNothing)
{
    const CDropListRows rows = Prefectures();
    EXPECT_EQ(rows.GetCompanionText("10", 1), "東京都");
    EXPECT_EQ(rows.GetCompanionText("1", 1), "北海道");
    EXPECT_EQ(rows.GetCompanionText("100", 1), "");
}

TEST(DropListPopup, ShrinksToItsRowsAndNeverGetsNarrowerThanTheMinimum)
{
    const CRect owner(10, 20, 110, 42);
    // Three rows ending at 60 in a popup of 240.
    EXPECT_EQ(CDropListRows::PopupRect(owner, 0, 240, 60), CRect(10, 43, 110, 107));
    EXPECT_EQ(CDropListRows::PopupRect(owner, 180, 240, -1), CRect(10, 43, 189, 283));
    EXPECT_EQ(CDropListRows::PopupRect(owner, 50, 100, 500), CRect(10, 43, 110, 143));
}
