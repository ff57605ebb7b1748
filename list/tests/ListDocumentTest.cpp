#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ListDocument : public ::testing::Test
{
  protected:
    ListDocument() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    // Puts rows in use at the front of the display, followed by the new-row line.
    int AddRow(const char* first = "x")
    {
        int position = doc->displayCount - 1;
        doc->SetCellTextAt(0, position, first);
        doc->AppendNewRowLine();
        return doc->displayOrder[position];
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListDocument, NewListHasThreeTextColumnsTitleAndOnlyTheNewRowLine)
{
    EXPECT_EQ(doc->title, "新規リスト");
    EXPECT_EQ(doc->columnCount, 3);
    for (int i = 0; i < 3; ++i) {
        CString name;
        name.Format("項目%d", i + 1);
        EXPECT_EQ(doc->GetColumn(i).name, name);
        EXPECT_EQ(doc->GetColumn(i).type, kTypeText);
        EXPECT_EQ(doc->GetColumn(i).slot, i);
    }
    EXPECT_EQ(doc->GetColumn(3).type, kTypeNone);
    EXPECT_EQ(doc->displayCount, 1);
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine);
    EXPECT_FALSE(doc->GetRow(0).inUse);
    EXPECT_EQ(doc->sortKeys[5].column, 5);
    EXPECT_EQ(doc->print.listFooter.text, "- &p / &P -");
    EXPECT_EQ(doc->web.style.headBackColor, 65535u);
}

TEST_F(ListDocument, ResetForgetsRowsColumnsAndDisplay)
{
    AddRow("a");
    doc->GetColumn(0).type = kTypeNumber;
    doc->GetColumn(0).name = "価格";
    doc->title = "商品";
    doc->ResetToNewList();
    EXPECT_EQ(doc->title, "新規リスト");
    EXPECT_EQ(doc->GetColumn(0).type, kTypeText);
    EXPECT_EQ(doc->GetColumn(0).name, "項目1");
    EXPECT_FALSE(doc->GetRow(0).inUse);
    EXPECT_EQ(doc->displayCount, 1);
    EXPECT_FALSE(doc->CanUndo());
}

TEST_F(ListDocument, MapDisplayCellOnNewRowLineAndUntypedColumn)
{
    int slot = 0;
    int row = 0;
    doc->MapDisplayCell(1, 0, slot, row);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(row, -1);
    doc->MapDisplayCell(3, 0, slot, row);
    EXPECT_EQ(slot, -1);
    doc->MapDisplayCell(0, 5, slot, row);
    EXPECT_EQ(row, -1);
    doc->MapDisplayCell(-1, -1, slot, row);
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(row, -1);
}

TEST_F(ListDocument, ColumnMapFollowsSlotsNotDisplayPositions)
{
    doc->GetColumn(0).slot = 7;
    doc->GetColumn(7).slot = 0;
    doc->BuildColumnMap();
    EXPECT_EQ(&doc->GetColumnOfSlot(7), &doc->GetColumn(0));
    EXPECT_EQ(doc->GetDisplayIndexOfSlot(7), 0);
    EXPECT_EQ(doc->GetDisplayIndexOfSlot(0), 7);
    doc->GetColumn(5).slot = 200;
    doc->BuildColumnMap();
    EXPECT_EQ(doc->GetDisplayIndexOfSlot(5), -1);
    EXPECT_EQ(doc->GetColumnOfSlot(5).type, kTypeNone);
}

TEST_F(ListDocument, AllocationTakesTheLowestFreeRowAndStopsWhenFull)
{
    EXPECT_EQ(doc->AllocProductRecord(), 0);
    EXPECT_EQ(doc->AllocProductRecord(), 1);
    doc->GetRow(0).inUse = false;
    EXPECT_EQ(doc->AllocProductRecord(), 0);
    for (int i = 2; i < kMaxRows; ++i) {
        doc->GetRow(i).inUse = true;
    }
    EXPECT_FALSE(doc->HasFreeRow());
    EXPECT_EQ(doc->AllocProductRecord(), -1);
    EXPECT_TRUE(doc->HasFreePhotoSlot());
}

// Walks over the rows and photos stop where the records handed out reach: a row and a photo at
// the end of the capacity, handed out alone, are found by them and reset with the rest.
TEST_F(ListDocument, RecordsAtTheEndOfTheCapacityAreFoundAndReset)
{
    doc->GetRow(kMaxRows - 1).inUse = true;
    doc->GetRow(kMaxRows - 1).EditCells().SetText(0, "last");
    doc->GetPhoto(kMaxPhotos - 1).inUse = true;
    doc->ShowAllRows();
    ASSERT_EQ(doc->displayCount, 2);
    EXPECT_EQ(doc->displayOrder[0], kMaxRows - 1);
    EXPECT_EQ(doc->displayOrder[1], kNewRowLine);
    doc->GetColumn(0).dropType = 1;
    doc->RebuildAutoDropList(0);
    ASSERT_EQ(doc->GetColumn(0).dropEntries.GetSize(), 1);
    EXPECT_EQ(doc->GetColumn(0).dropEntries[0], "last");

    doc->ResetToNewList();
    EXPECT_FALSE(doc->GetRow(kMaxRows - 1).inUse);
    EXPECT_FALSE(doc->GetRow(kMaxRows - 1).HasCells());
    EXPECT_FALSE(doc->GetPhoto(kMaxPhotos - 1).inUse);
    doc->ShowAllRows();
    EXPECT_EQ(doc->displayCount, 1);
    EXPECT_EQ(doc->AllocProductRecord(), 0);
}

TEST_F(ListDocument, EmptyRowsHoldNoCellsUntilWritten)
{
    int row = AddRow("a");
    EXPECT_TRUE(doc->GetRow(row).HasCells());
    EXPECT_FALSE(doc->GetRow(row + 1).HasCells());
    EXPECT_TRUE(doc->GetRow(row + 1).GetCell(5).text.IsEmpty());
    EXPECT_FALSE(doc->GetRow(row + 1).HasCells());
}

TEST_F(ListDocument, NewRowLineIsAppendedOnceAndNeverBeyondTheLimit)
{
    RecordingView view;
    doc->AddView(&view);
    doc->AppendNewRowLine();
    EXPECT_EQ(doc->displayCount, 1);
    doc->SetCellTextAt(0, 0, "a");
    doc->AppendNewRowLine();
    doc->AppendNewRowLine();
    EXPECT_EQ(doc->displayCount, 2);
    EXPECT_EQ(doc->displayOrder[1], kNewRowLine);
    ASSERT_FALSE(view.received.empty());
    EXPECT_EQ(view.received.back().hint, kHintRowsAppended);

    for (int i = 0; i < kMaxDisplayRows; ++i) {
        doc->GetRow(i).inUse = true;
        doc->displayOrder[i] = i;
    }
    doc->displayCount = kMaxDisplayRows;
    doc->AppendNewRowLine();
    EXPECT_EQ(doc->displayCount, kMaxDisplayRows);
    doc->RemoveView(&view);
}

TEST_F(ListDocument, ColumnsAreFoundByNameAndSubName)
{
    doc->GetColumn(1).name = "価格";
    doc->GetColumn(2).name = "価格";
    doc->GetColumn(2).subName = "税込";
    int column = -1;
    EXPECT_TRUE(doc->FindColumnByName("価格", column));
    EXPECT_EQ(column, 1);
    EXPECT_TRUE(doc->FindColumnByName("価格::税込", column));
    EXPECT_EQ(column, 2);
    EXPECT_FALSE(doc->FindColumnByName("価格::税抜", column));
    doc->GetColumn(1).subName = "x";
    EXPECT_FALSE(doc->FindColumnByName("価格", column));
}

TEST_F(ListDocument, TypeNamesByCode)
{
    ColumnRecord column;
    EXPECT_EQ(column.GetTypeName(), "文字");
    EXPECT_EQ(column.GetTypeName(5), "日付");
    EXPECT_EQ(column.GetTypeName(0), "");
    column.SetTypeByName("数値");
    EXPECT_EQ(column.type, kTypeNumber);
    column.SetTypeByName("金額");
    EXPECT_EQ(column.type, kTypeNone);
}

TEST_F(ListDocument, ColumnResetKeepsSlotRemarkAndChoices)
{
    ColumnRecord column;
    column.slot = 9;
    column.remark = "備考";
    column.dropEntries.Add("A");
    column.type = kTypeNumber;
    column.decimals = 2;
    column.datePattern = "YYYY";
    column.dateHtmlPattern = "MM";
    column.Reset();
    EXPECT_EQ(column.slot, 9);
    EXPECT_EQ(column.remark, "備考");
    EXPECT_EQ(column.dropEntries.GetSize(), 1);
    EXPECT_EQ(column.type, kTypeText);
    EXPECT_EQ(column.decimals, 0);
    EXPECT_TRUE(column.datePattern.IsEmpty());
    EXPECT_EQ(column.dateHtmlPattern, "MM");
    EXPECT_FALSE(column.maxDate.IsValid());
}

TEST_F(ListDocument, AutomaticDropListCollectsSortedDistinctTexts)
{
    AddRow("りんご");
    AddRow("みかん");
    AddRow("りんご");
    AddRow("");
    doc->GetColumn(0).dropType = 1;
    doc->RebuildAutoDropList(0);
    const CStringArray& entries = doc->GetColumn(0).dropEntries;
    ASSERT_EQ(entries.GetSize(), 3);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "みかん");
    EXPECT_EQ(entries[2], "りんご");

    doc->GetColumn(1).dropType = 0;
    doc->GetColumn(1).dropEntries.Add("keep");
    doc->RebuildAutoDropList(1);
    EXPECT_EQ(doc->GetColumn(1).dropEntries.GetSize(), 1);
}

TEST_F(ListDocument, EditOnTheNewRowLineMakesARowAndStampsIt)
{
    EXPECT_EQ(doc->SetCellTextAt(1, 0, "品名"), "品名");
    ASSERT_EQ(doc->displayOrder[0], 0);
    EXPECT_TRUE(doc->GetRow(0).inUse);
    EXPECT_TRUE(doc->GetRow(0).lastChange.IsValid());
    EXPECT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "品名");
    // The new-row line comes back only when the caller appends it.
    EXPECT_EQ(doc->displayCount, 1);
}

TEST_F(ListDocument, EditOnAFullListIsRefusedWithMessage)
{
    for (int i = 0; i < kMaxRows; ++i) {
        doc->GetRow(i).inUse = true;
    }
    EXPECT_EQ(doc->SetCellTextAt(0, 0, "a"), "");
    EXPECT_TRUE(host.HasMessage(40200));
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine);
}

TEST_F(ListDocument, EditsOutsideTheListChangeNothing)
{
    EXPECT_EQ(doc->SetCellTextAt(3, 0, "a"), "");
    EXPECT_EQ(doc->SetCellTextAt(0, 4, "a"), "");
    EXPECT_EQ(doc->SetCellTextAt(-1, 0, "a"), "");
    EXPECT_FALSE(doc->GetRow(0).inUse);
    EXPECT_EQ(doc->GetCellTextAt(0, 9999, kOutputGrid), "");
    EXPECT_EQ(doc->GetCellText(0, 0, 10000, kOutputGrid), "");
    EXPECT_EQ(doc->GetCellText(0, 128, 0, kOutputGrid), "");
}

TEST_F(ListDocument, CellColoursNeedARowAndTakeNoUndoStep)
{
    EXPECT_FALSE(doc->SetCellTextColor(0, 0, RGB(255, 0, 0)));
    int row = AddRow("a");
    int stepsBefore = doc->CanUndo();
    EXPECT_TRUE(doc->SetCellTextColor(0, 0, RGB(255, 0, 0)));
    EXPECT_TRUE(doc->SetCellBackColor(0, 0, kDefaultColor));
    EXPECT_EQ(doc->GetRow(row).GetCell(0).textColor, RGB(255, 0, 0));
    EXPECT_EQ(doc->CanUndo(), stepsBefore);
}

TEST_F(ListDocument, HintsGoToEveryViewButTheSender)
{
    RecordingView first;
    RecordingView second;
    doc->AddView(&first);
    doc->AddView(&second);
    doc->AddView(&first);
    ListHintArg arg;
    arg.photo = 12;
    doc->UpdateAllViews(&second, kHintPhotoChanged, &arg);
    ASSERT_EQ(first.received.size(), 1u);
    EXPECT_EQ(first.received[0].arg.photo, 12);
    EXPECT_TRUE(second.received.empty());
    doc->RemoveView(&first);
    doc->RemoveView(&second);
}

} // namespace
