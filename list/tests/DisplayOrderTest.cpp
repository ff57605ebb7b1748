#include "list/RowSorter.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

class DisplayOrder : public ::testing::Test
{
  protected:
    DisplayOrder() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    // Makes one row per entry; texts go into columns 0, 1, 2 in order.
    void AddRows(std::initializer_list<std::vector<const char*>> rows)
    {
        for (const auto& texts : rows) {
            int position = doc->displayCount - 1;
            for (size_t column = 0; column < texts.size(); ++column) {
                doc->SetCellTextAt(static_cast<int>(column), position, texts[column]);
            }
            doc->AppendNewRowLine();
        }
    }

    // Column 0 texts of the displayed rows, "|" for the new-row line.
    CString Shown() const
    {
        CString shown;
        for (int i = 0; i < doc->displayCount; ++i) {
            if (i > 0) {
                shown += ",";
            }
            shown += doc->displayOrder[i] < 0 ? CString("|") : doc->GetCellTextAt(0, i, kOutputGrid);
        }
        return shown;
    }

    void SortBy(int column, bool descending)
    {
        doc->sortKeys[column] = SortKeyEntry{0, false};
        doc->sortKeys[0] = SortKeyEntry{column, descending};
        doc->SortDisplayRows();
    }

    ExtractConditions& Conditions()
    {
        doc->ResetExtractConditions();
        return *doc->extractConditions;
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(DisplayOrder, TextSortKeepsTheNewRowLineAndEmptyTextsLast)
{
    AddRows({{"b"}, {""}, {"a"}, {"c"}});
    doc->GetRow(1).EditCells().SetText(1, "keep");
    SortBy(0, false);
    EXPECT_EQ(Shown(), "a,b,c,,|");
    SortBy(0, true);
    EXPECT_EQ(Shown(), "c,b,a,,|");
    EXPECT_EQ(host.progressTexts.back(), "表示ﾃﾞｰﾀを並替中");
}

TEST_F(DisplayOrder, TiesKeepRowOrderInBothDirections)
{
    AddRows({{"1", "x"}, {"2", "x"}, {"3", "y"}, {"4", "x"}});
    for (bool descending : {false, true, false, true}) {
        SortBy(1, descending);
    }
    EXPECT_EQ(Shown(), "3,1,2,4,|");
    SortBy(1, false);
    EXPECT_EQ(Shown(), "1,2,4,3,|");
}

TEST_F(DisplayOrder, LaterKeysDecideWhereEarlierOnesTie)
{
    AddRows({{"1", "b", "2"}, {"2", "a", "9"}, {"3", "b", "1"}, {"4", "a", "1"}});
    doc->sortKeys[0] = SortKeyEntry{1, false};
    doc->sortKeys[1] = SortKeyEntry{2, true};
    doc->sortKeys[2] = SortKeyEntry{0, false};
    doc->SortDisplayRows();
    EXPECT_EQ(Shown(), "2,4,1,3,|");
}

TEST_F(DisplayOrder, BlankNumbersAndMissingDatesGoLast)
{
    doc->GetColumn(1).type = kTypeNumber;
    doc->GetColumn(2).type = kTypeDate;
    AddRows({{"a", "0", ""}, {"b", "-5", "2001/1/1"}, {"c", "7", "1999/1/1"}, {"d", "", "2005/1/1"}});
    SortBy(1, false);
    EXPECT_EQ(Shown(), "b,c,a,d,|");
    SortBy(1, true);
    EXPECT_EQ(Shown(), "c,b,a,d,|");
    doc->GetColumn(1).showZero = true;
    SortBy(1, false);
    EXPECT_EQ(Shown(), "b,a,d,c,|");
    SortBy(2, false);
    EXPECT_EQ(Shown(), "c,b,d,a,|");
    SortBy(2, true);
    EXPECT_EQ(Shown(), "d,b,c,a,|");
}

TEST_F(DisplayOrder, YesNoSortsNoBeforeYes)
{
    doc->GetColumn(1).type = kTypeYesNo;
    AddRows({{"a", "1"}, {"b", "0"}, {"c", "1"}});
    SortBy(1, false);
    EXPECT_EQ(Shown(), "b,a,c,|");
}

TEST_F(DisplayOrder, ManualChoiceListSortsInItsOwnOrder)
{
    ColumnRecord& column = doc->GetColumn(1);
    column.dropType = 2;
    for (const char* entry : {"大", "中", "小"}) {
        column.dropEntries.Add(entry);
    }
    AddRows({{"1", "小"}, {"2", "特"}, {"3", "大"}, {"4", "中"}, {"5", "X"}});
    SortBy(1, false);
    EXPECT_EQ(Shown(), "3,4,1,5,2,|");
}

TEST_F(DisplayOrder, MarksSortInNaturalOrder)
{
    doc->GetColumn(0).type = kTypeMark;
    AddRows({{"file10"}, {"file2"}, {"a"}, {"10"}});
    SortBy(0, false);
    EXPECT_EQ(Shown(), "10,a,file2,file10,|");
}

TEST_F(DisplayOrder, EmptyDisplaysSortWithoutReadingOutside)
{
    doc->displayCount = 0;
    EXPECT_TRUE(doc->SortDisplayRows());
    doc->HideAllRows();
    EXPECT_TRUE(doc->SortDisplayRows());
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine);
    int single = 0;
    CRowSorter(*doc, &single, doc->sortKeys.data()).QuickSortRows(0, 0);
    EXPECT_EQ(single, 0);
}

TEST_F(DisplayOrder, SorterOrdersAnArrayOfItsOwn)
{
    AddRows({{"b"}, {"c"}, {"a"}});
    std::vector<int> rows = {0, 1, 2};
    std::array<SortKeyEntry, kMaxColumns> keys;
    keys.fill(SortKeyEntry{-1, false});
    keys[0] = SortKeyEntry{0, true};
    CRowSorter(*doc, rows.data(), keys.data()).QuickSortRows(0, 2);
    EXPECT_EQ(rows, (std::vector<int>{1, 0, 2}));
}

// Only the given range is sorted, whatever row indices it holds.
TEST_F(DisplayOrder, SorterOrdersARangeOfRowsFromAnywhereInTheList)
{
    for (int row : {kMaxRows - 1, 4000, 7}) {
        doc->GetRow(row).inUse = true;
        doc->GetRow(row).EditCells().SetText(0, row == 7 ? "b" : (row == 4000 ? "c" : "a"));
    }
    std::vector<int> rows = {4000, kMaxRows - 1, kNewRowLine, 7, 4000};
    std::array<SortKeyEntry, kMaxColumns> keys;
    keys.fill(SortKeyEntry{-1, false});
    keys[0] = SortKeyEntry{0, false};
    CRowSorter sorter(*doc, rows.data(), keys.data());
    sorter.QuickSortRows(1, 3);
    EXPECT_EQ(rows, (std::vector<int>{4000, kMaxRows - 1, 7, kNewRowLine, 4000}));
    sorter.QuickSortRows(0, 2);
    EXPECT_EQ(rows, (std::vector<int>{kMaxRows - 1, 7, 4000, kNewRowLine, 4000}));
}

TEST_F(DisplayOrder, HideThenShowAllRestoresRowOrder)
{
    AddRows({{"a"}, {"b"}, {"c"}});
    SortBy(0, true);
    doc->HideAllRows();
    EXPECT_EQ(Shown(), "|");
    doc->ShowAllRows();
    EXPECT_EQ(Shown(), "a,b,c,|");
}

TEST_F(DisplayOrder, KeywordsMustAllBeFoundUnlessAnyMatch)
{
    AddRows({{"赤い靴", "S"}, {"青い靴", "M"}, {"赤い帽子", "M"}});
    ExtractConditions& conditions = Conditions();
    conditions.keywords.Add("赤");
    conditions.keywords.Add("m");
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤い帽子,|");
    EXPECT_EQ(conditions.keywords[1], "M");
    conditions.anyMatch = 1;
    doc->ExtractRows(false);
    EXPECT_EQ(Shown(), "赤い靴,青い靴,赤い帽子");
    conditions.caseSensitive = true;
    conditions.keywords[1] = "m";
    conditions.anyMatch = 0;
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "|");
}

TEST_F(DisplayOrder, WholeTextKeywordsMatchOnlyEqualTexts)
{
    AddRows({{"靴"}, {"赤い靴"}});
    ExtractConditions& conditions = Conditions();
    conditions.keywords.Add("靴");
    conditions.wholeText = true;
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "靴,|");
}

TEST_F(DisplayOrder, FullWidthKeywordsFindHalfWidthTextsAndTheReverse)
{
    AddRows({{"ｶﾞﾗｽ ABC"}, {"ガラス"}, {"ﾐﾄﾞﾘ"}});
    ExtractConditions& conditions = Conditions();
    conditions.keywords.Add("ガラス");
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "ｶﾞﾗｽ ABC,ガラス,|");
    conditions.keywords[0] = "ａｂｃ";
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "ｶﾞﾗｽ ABC,|");
}

TEST_F(DisplayOrder, KeywordNeverMatchesInsideADoubleByteCharacter)
{
    // The second byte of "ア" (83 41) is the letter A.
    AddRows({{"ア"}, {"xA"}});
    ExtractConditions& conditions = Conditions();
    conditions.caseSensitive = true;
    conditions.keywords.Add("A");
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "xA,|");
}

TEST_F(DisplayOrder, KeywordInAPhotoNameTakesTheRow)
{
    AddRows({{"a"}, {"b"}});
    doc->GetPhoto(3).inUse = true;
    doc->GetPhoto(3).name = "IMG_0042.jpg";
    ProductRecord& row = doc->GetRow(1);
    row.photos[0] = 3;
    row.photoCount = 1;
    ExtractConditions& conditions = Conditions();
    conditions.keywords.Add("img_0042");
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "b,|");
}

TEST_F(DisplayOrder, KeywordModeWithoutKeywordsShowsOnlyTheNewRowLine)
{
    AddRows({{"a"}});
    Conditions();
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "|");
}

TEST_F(DisplayOrder, NumberKeywordsSearchTheGridText)
{
    doc->GetColumn(1).type = kTypeNumber;
    doc->GetColumn(1).thousands = true;
    AddRows({{"a", "1234"}, {"b", "99"}});
    ExtractConditions& conditions = Conditions();
    conditions.keywords.Add("1,2");
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "a,|");
}

TEST_F(DisplayOrder, ColumnConditionsByType)
{
    doc->columnCount = 5;
    doc->GetColumn(1).type = kTypeNumber;
    doc->GetColumn(2).type = kTypeYesNo;
    doc->GetColumn(3).type = kTypeDate;
    doc->GetColumn(4).type = kTypeMark;
    AddRows({{"赤", "5", "1", "2001/1/1", "A10"},
             {"青", "15", "0", "2002/1/1", "A2"},
             {"赤い", "25", "1", "", "B1"}});
    ExtractConditions& conditions = Conditions();
    conditions.mode = 1;

    ColumnCondition& number = conditions.columns[1];
    number.useFrom = true;
    doc->ParseCellText(1, number.fromValue, "10", kOutputGrid);
    number.useTo = true;
    doc->ParseCellText(1, number.toValue, "30", kOutputGrid);
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "青,赤い,|");

    ColumnCondition& yesNo = conditions.columns[2];
    yesNo.useFrom = true;
    doc->ParseCellText(2, yesNo.fromValue, "1", kOutputGrid);
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤い,|");

    conditions.anyMatch = 1;
    number.Reset();
    ColumnCondition& date = conditions.columns[3];
    date.useTo = true;
    doc->ParseCellText(3, date.toValue, "2001/12/31", kOutputGrid);
    yesNo.Reset();
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤,|");

    date.Reset();
    ColumnCondition& mark = conditions.columns[4];
    mark.useFrom = true;
    mark.fromValue.text = "a3";
    mark.useTo = true;
    mark.toValue.text = "a99";
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤,|");

    mark.Reset();
    ColumnCondition& text = conditions.columns[0];
    text.useFrom = true;
    text.fromValue.text = "赤";
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤,赤い,|");
    conditions.wholeText = true;
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "赤,|");
}

TEST_F(DisplayOrder, NoActiveConditionTakesEveryRow)
{
    AddRows({{"a"}, {"b"}});
    Conditions().mode = 1;
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "a,b,|");
    doc->extractConditions->mode = 7;
    doc->ExtractRows(true);
    EXPECT_EQ(Shown(), "|");
}

TEST_F(DisplayOrder, GlobalKeywords)
{
    AddRows({{"赤い靴"}, {"青い靴"}});
    EXPECT_FALSE(doc->ExtractByGlobalKeywords());
    EXPECT_EQ(doc->displayCount, 0);
    host.globalFindActive = true;
    EXPECT_FALSE(doc->ExtractByGlobalKeywords());
    host.globalFind.keywords.Add("青");
    EXPECT_TRUE(doc->ExtractByGlobalKeywords());
    EXPECT_EQ(Shown(), "青い靴,|");
}

} // namespace
