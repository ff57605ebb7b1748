// Auto input: a block's values carried on to further lines as a series or a repeated pattern.
#include "app/editing/AutoInput.h"
#include "app/editing/ListGridEdits.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Texts = std::vector<CString>;

class AutoInputTest : public ::testing::Test
{
  protected:
    AutoInputTest() : doc(std::make_unique<CZantobyDoc>(host)), edits(*doc)
    {
        doc->GetColumn(0).type = kTypeYesNo;
        doc->GetColumn(1).type = kTypeNumber;
        doc->GetColumn(2).type = kTypeText;
    }
    Texts Column(int column)
    {
        Texts texts;
        for (int line = 0; line < doc->displayCount; ++line) {
            texts.push_back(doc->GetCellTextAt(column, line, kOutputGrid));
        }
        return texts;
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListGridEdits edits;
};

} // namespace

TEST(AutoInputSeries, TwoTextsCountOnInTheRunThatDiffers)
{
    EXPECT_EQ(CAutoInput::TextSeries({"A-009", "A-010"}, 3, 1, false), (Texts{"A-011", "A-012", "A-013"}));
    EXPECT_EQ(CAutoInput::TextSeries({"A-9", "A-10"}, 3, 1, false), (Texts{"A-11", "A-12", "A-13"}));
    // Equal values written differently, other prefixes or three cells only repeat.
    EXPECT_TRUE(CAutoInput::TextSeries({"A-01", "A-1"}, 2, 1, false).empty());
    EXPECT_TRUE(CAutoInput::TextSeries({"A-1", "B-2"}, 2, 1, false).empty());
    EXPECT_TRUE(CAutoInput::TextSeries({"1", "2", "3"}, 2, 1, false).empty());
}

TEST(AutoInputSeries, OneTextCountsOnlyWithCtrlAndInTheFillsDirection)
{
    EXPECT_EQ(CAutoInput::TextSeries({"No.1"}, 2, 1, true), (Texts{"No.2", "No.3"}));
    EXPECT_EQ(CAutoInput::TextSeries({"No.1"}, 2, -1, true), (Texts{"No.0", "No.-1"}));
    EXPECT_TRUE(CAutoInput::TextSeries({"No.1"}, 2, 1, false).empty());
    EXPECT_EQ(CAutoInput::TextSeries({"07号"}, 1, 1, true), (Texts{"08号"}));
    // A counter too long for its value repeats rather than overflowing.
    EXPECT_TRUE(CAutoInput::TextSeries({"x1234567890123456789"}, 1, 1, true).empty());
}

TEST(AutoInputSeries, NumbersAndDatesStepByTheDifferenceOfTwoCells)
{
    EXPECT_EQ(CAutoInput::NumberSeries({"1", "3.5"}, 2, 1, false, 1), (Texts{"6.0", "8.5"}));
    EXPECT_EQ(CAutoInput::NumberSeries({"10"}, 2, -1, true, 0), (Texts{"9", "8"}));
    EXPECT_TRUE(CAutoInput::NumberSeries({"1", ""}, 2, 1, false, 0).empty());

    // Different days of the month step by the span; the same day steps by months.
    EXPECT_EQ(CAutoInput::DateSeries({"2008/01/31 00:00:00", "2008/02/29 00:00:00"}, 1, 1, false, "", false),
              (Texts{"2008/03/29 00:00:00"}));
    EXPECT_EQ(CAutoInput::DateSeries({"2008/01/15 00:00:00", "2008/02/15 00:00:00"}, 2, 1, false, "", false),
              (Texts{"2008/03/15 00:00:00", "2008/04/15 00:00:00"}));
    // A month step beyond the month's end carries on into the next month and stays there.
    EXPECT_EQ(CAutoInput::DateSeries({"2007/12/31 00:00:00", "2008/01/31 00:00:00"}, 2, 1, false, "", false),
              (Texts{"2008/03/02 00:00:00", "2008/04/02 00:00:00"}));
}

TEST(AutoInputSeries, OneDateStepsByTheSmallestUnitOfItsFormat)
{
    EXPECT_EQ(CAutoInput::DateSeries({"2008/01/31 10:00:00"}, 1, 1, true, "YYYY/MM/DD HH:NN", false),
              (Texts{"2008/01/31 10:01:00"}));
    EXPECT_EQ(CAutoInput::DateSeries({"2008/01/31 10:00:00"}, 1, -1, true, "YYYY/MM", false),
              (Texts{"2007/12/31 10:00:00"}));
    EXPECT_EQ(CAutoInput::DateSeries({"2008/01/31 10:00:00"}, 1, 1, true, "", true),
              (Texts{"2008/01/31 10:00:01"}));
    EXPECT_TRUE(CAutoInput::DateSeries({"2008/01/31 10:00:00"}, 1, 1, true, "GGG", false).empty());
    EXPECT_TRUE(CAutoInput::DateSeries({"2008/01/31 10:00:00"}, 1, 1, false, "", false).empty());
}

TEST_F(AutoInputTest, AYesNoPatternRepeatsUpwardsAwayFromTheBlock)
{
    for (int line = 0; line < 5; ++line) {
        edits.StoreCellText(2, line, "x", false);
    }
    edits.StoreCellText(0, 3, "1", false);
    edits.StoreCellText(0, 4, "0", false);

    const CAutoInput::Result result = CAutoInput(*doc).Fill({0, 3, 0, 4}, 0, false);

    EXPECT_EQ(result.lines, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(Column(0), (Texts{"false", "true", "false", "true", "false", ""}));
    EXPECT_FALSE(doc->IsUndoStepOpen());
}

TEST_F(AutoInputTest, OnlyTheDataColumnsFillAndNewRowsGoAgainOnUndo)
{
    edits.StoreCellText(1, 0, "5", false);
    edits.StoreCellText(2, 0, "No.1", false);

    // A block reaching into the photo columns, filled two lines past the new-row line.
    const CAutoInput::Result result = CAutoInput(*doc).Fill({1, 0, doc->columnCount + 1, 0}, 1, true);

    EXPECT_EQ(result.lines, (std::vector<int>{1}));
    EXPECT_EQ(Column(1), (Texts{"5", "6", ""}));
    EXPECT_EQ(Column(2), (Texts{"No.1", "No.2", ""}));
    EXPECT_EQ(doc->GetRow(doc->displayOrder[1]).photoCount, 0);

    doc->OnUndo();
    EXPECT_EQ(doc->displayCount, 2);
    int used = 0;
    for (int row = 0; row < kMaxRows; ++row) {
        used += doc->GetRow(row).inUse ? 1 : 0;
    }
    EXPECT_EQ(used, 1);
}

TEST_F(AutoInputTest, AnEndLineInsideTheBlockChangesNothing)
{
    edits.StoreCellText(2, 0, "a", false);
    edits.StoreCellText(2, 1, "b", false);
    const bool couldRedo = doc->CanRedo();
    doc->OnUndo();
    doc->OnRedo();
    doc->SetModifiedFlag(false);

    EXPECT_TRUE(CAutoInput(*doc).Fill({2, 0, 2, 1}, 1, false).lines.empty());

    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->CanRedo(), couldRedo);
}
