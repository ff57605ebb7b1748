// The list grid's cells read from the document: values by display line, what the grid writes
// held on top until the line is filled again, and lines moving with what is held on them.
#include "app/listwindow/ListCellSource.h"
#include "grid/CellRecord.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ListCellSource : public ::testing::Test
{
  protected:
    ListCellSource() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->columnCount = 3;
        doc->GetColumn(1).type = kTypeYesNo;
        doc->GetColumn(2).type = kTypeNumber;
        doc->GetColumn(2).thousands = true;
        doc->BuildColumnMap();
        doc->SwitchUndoOff();
        source.SetDocument(doc.get());
    }

    void AddRow(const char* name, const char* yesNo, const char* number)
    {
        const int line = doc->displayCount - 1;
        doc->SetCellTextAt(0, line, name);
        doc->SetCellTextAt(1, line, yesNo);
        doc->SetCellTextAt(2, line, number);
        doc->AppendNewRowLine();
    }

    CString Text(int column, int line)
    {
        CCellRecord record;
        source.GetCell(column, line, record);
        return record.GetText();
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListCellSource source;
};

TEST_F(ListCellSource, LinesShowTheirRowsValuesAsTheGridShowsThem)
{
    AddRow("ボトル", "true", "12345");
    AddRow("チェア", "false", "7");
    doc->SetCellBackColor(0, 1, RGB(255, 255, 0));

    EXPECT_EQ(Text(0, 0), "ボトル");
    EXPECT_EQ(Text(2, 0), "12,345");
    CCellRecord yes;
    ASSERT_EQ(source.GetCell(1, 0, yes), 0);
    EXPECT_EQ(yes.GetDataType(), CellDataType::Bool);
    EXPECT_EQ(yes.GetBoolValue(), 1);
    CCellRecord coloured;
    source.GetCell(0, 1, coloured);
    EXPECT_TRUE(coloured.TestMaskBits(CellMask::BackColor));
    EXPECT_EQ(coloured.GetFillColor(), RGB(255, 255, 0));
    EXPECT_FALSE(coloured.TestMaskBits(CellMask::TextColor));

    // A sort moves the rows under the lines; the lines follow at once.
    doc->SortByColumn(0, false);
    EXPECT_EQ(Text(0, 0), "チェア");
    EXPECT_EQ(source.GetRowCount(), 3);
}

TEST_F(ListCellSource, NewRowLineColumnsPastTheListAndAClosedListReadEmpty)
{
    AddRow("ボトル", "true", "1");
    CCellRecord record;
    EXPECT_EQ(source.GetCell(0, 1, record), 1); // the new-row line
    EXPECT_EQ(source.GetCell(3, 0, record), 1); // a photo column
    EXPECT_EQ(source.GetCell(0, 5, record), 1); // past the display
    EXPECT_EQ(record.GetMaskBits(), 0u);
    source.SetDocument(nullptr);
    EXPECT_EQ(source.GetCell(0, 0, record), 1);
}

TEST_F(ListCellSource, WhatTheGridWritesIsHeldUntilTheLineIsFilledAgain)
{
    AddRow("ボトル", "true", "1");
    AddRow("チェア", "true", "2");
    CCellRecord heading;
    heading.SetTextValue("品名");
    source.SetCell(0, -1, heading);
    CCellRecord edited;
    source.GetCell(0, 1, edited);
    edited.SetTextValue("入力中");
    source.SetCell(0, 1, edited);

    EXPECT_EQ(Text(0, 1), "入力中");
    EXPECT_EQ(Text(0, 0), "ボトル");
    source.ForgetLine(1);
    EXPECT_EQ(Text(0, 1), "チェア");

    source.SetCell(0, 1, edited);
    source.ForgetLinesFrom(0);
    EXPECT_EQ(Text(0, 1), "チェア");
    EXPECT_EQ(Text(0, -1), "品名");
    source.DeleteAll();
    EXPECT_EQ(Text(0, -1), "");
}

TEST_F(ListCellSource, HeldCellsMoveWithTheirLines)
{
    for (const char* name : {"a", "b", "c"}) {
        AddRow(name, "true", "1");
    }
    CCellRecord held;
    held.SetTextValue("held");
    source.SetCell(0, 1, held);
    EXPECT_EQ(source.InsertRow(0), 0);
    EXPECT_EQ(Text(0, 2), "held");
    EXPECT_EQ(source.DeleteRow(0), 0);
    EXPECT_EQ(Text(0, 1), "held");
    EXPECT_EQ(source.DeleteRow(1), 0);
    EXPECT_EQ(Text(0, 1), "b");
}

TEST_F(ListCellSource, TheTextBeforeACellIsTheNearestNonEmptyOneOnItsLeft)
{
    doc->GetColumn(1).type = kTypeText;
    doc->BuildColumnMap();
    AddRow("ボトル", "", "1");
    int column = 2;
    ASSERT_EQ(source.FindTextBefore(&column, 0), 0);
    EXPECT_EQ(column, 0);
    column = 0;
    EXPECT_EQ(source.FindTextBefore(&column, 0), 1);
    column = 2;
    EXPECT_EQ(source.FindTextBefore(&column, 1), 1);
}

} // namespace
