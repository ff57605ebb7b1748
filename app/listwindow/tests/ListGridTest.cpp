// The list window's rules without windows: grid columns and headings, editing through the grid
// with undo, find next, and the photo strip.
#include "app/editing/ListGridEdits.h"
#include "app/find/ListFinder.h"
#include "app/listwindow/ListGridLayout.h"
#include "app/listwindow/PhotoStrip.h"
#include "list/ListViewRules.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>

namespace {

class ListGrid : public ::testing::Test
{
  protected:
    ListGrid() : doc(std::make_unique<CZantobyDoc>(host)), edits(*doc) {}

    // Types a row onto the new-row line, as the grid does.
    void AddRow(const char* a, const char* b = "", const char* c = "")
    {
        const int line = doc->displayCount - 1;
        edits.StoreCellText(0, line, a, true);
        edits.StoreCellText(1, line, b, true);
        edits.StoreCellText(2, line, c, true);
    }
    ProductRecord& RowOn(int line) { return doc->GetRow(doc->displayOrder[line]); }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListGridEdits edits;
};

TEST_F(ListGrid, OneSubNameSwitchesToTwoHeadingRowsAndEqualNamesShareTheUpperHeading)
{
    EXPECT_EQ(CListGridLayout(*doc, 7).HeadingRows(), 1);

    doc->columnCount = 4;
    doc->GetColumn(3).type = kTypeText;
    doc->GetColumn(0).name = "商品";
    doc->GetColumn(1).name = "寸法";
    doc->GetColumn(1).subName = "幅";
    doc->GetColumn(2).name = "寸法";
    doc->GetColumn(2).subName = "高さ";
    doc->GetColumn(3).name = "備考";
    doc->photoColumns = 2;
    CListGridLayout layout(*doc, 7);

    EXPECT_EQ(layout.HeadingRows(), 2);
    ASSERT_EQ(layout.Columns().size(), 6u);
    EXPECT_EQ(layout.Columns()[1].lower, "幅");
    EXPECT_EQ(layout.Columns()[4].upper, "写真1");
    EXPECT_EQ(layout.Columns()[4].width, 60 * 3 / 2 + 8);
    EXPECT_EQ(layout.Columns()[0].width, 10 * 7 + 8);
    // "商品" alone over both rows, "寸法" over its two columns, "備考" alone, each photo column.
    std::vector<std::pair<int, int>> joins;
    for (const CListGridLayout::Join& join : layout.Joins()) {
        EXPECT_EQ(join.top, -2);
        joins.emplace_back(join.left, join.right * 10 + join.bottom + 2);
    }
    EXPECT_EQ(joins, (std::vector<std::pair<int, int>>{{0, 1}, {1, 20}, {3, 31}, {4, 41}, {5, 51}}));
}

TEST_F(ListGrid, ColumnTypesGiveCheckBoxesDropListsAlignmentAndWrap)
{
    doc->GetColumn(0).type = kTypeYesNo;
    doc->GetColumn(1).align = 2;
    doc->GetColumn(1).dropType = 2;
    doc->GetColumn(1).dropEntries.Add("赤");
    doc->GetColumn(1).dropEntries.Add("青");
    doc->GetColumn(2).multiLine = true;
    CListGridLayout layout(*doc, 7);

    EXPECT_EQ(layout.Columns()[0].typeIndex, CListGridLayout::kTypeCheckBox);
    EXPECT_EQ(layout.Columns()[0].typeStyle, 4096u);
    EXPECT_EQ(layout.Columns()[1].typeIndex, CListGridLayout::kTypeDropList);
    EXPECT_EQ(layout.Columns()[1].align, 10);
    EXPECT_EQ(layout.Columns()[1].labels, "赤\n青\n");
    EXPECT_EQ(layout.Columns()[2].typeStyle, 2u);
    EXPECT_EQ(layout.Columns()[2].align, 9);
}

TEST(ListViewRules, SelectedCellsAreTheirFillHalvedAndBluer)
{
    EXPECT_EQ(CListViewRules::SelectedFillColor(0xFFFFFF), 0xBF7F7Fu);
    EXPECT_EQ(CListViewRules::SelectedFillColor(0x000000), 0x400000u);
    EXPECT_EQ(CListViewRules::SelectedFillColor(0x0000FF), 0x40007Fu);
}

TEST(ListViewRules, EnterOnTheLastCellAddsALineExceptAtTenThousandLines)
{
    auto move = CListViewRules::MoveOnEnter(2, 4, 5, 10);
    EXPECT_EQ(std::make_pair(move.column, move.line), std::make_pair(3, 4));
    move = CListViewRules::MoveOnEnter(4, 4, 5, 10);
    EXPECT_EQ(std::make_tuple(move.column, move.line, move.addLine), std::make_tuple(0, 5, false));
    move = CListViewRules::MoveOnEnter(4, 9, 5, 10);
    EXPECT_EQ(std::make_tuple(move.column, move.line, move.addLine), std::make_tuple(0, 10, true));
    move = CListViewRules::MoveOnEnter(4, 9999, 5, 10000);
    EXPECT_EQ(std::make_tuple(move.column, move.line, move.addLine), std::make_tuple(4, 9999, false));
}

TEST(ListViewRules, TheGridPaneLeavesThePhotoSizeBelowUnlessAPositionIsStored)
{
    EXPECT_EQ(CListViewRules::GridPaneHeight(-1, 200), 9768);
    EXPECT_EQ(CListViewRules::GridPaneHeight(9984, 200), 9768);
    EXPECT_EQ(CListViewRules::GridPaneHeight(9983, 200), 9983);
    EXPECT_EQ(CListViewRules::GridPaneHeight(0, 5000), 5000);
}

TEST_F(ListGrid, ClearingPhotoCellsKeepsTheOtherPhotosInOrder)
{
    AddRow("a");
    AddRow("b");
    ProductRecord& five = RowOn(0);
    for (int k = 0; k < 5; ++k) {
        five.photos[k] = 100 + k;
    }
    five.photoCount = 5;
    ProductRecord& two = RowOn(1);
    two.photos[0] = 200;
    two.photos[1] = 201;
    two.photoCount = 2;
    doc->photoColumns = 5;

    // The cells of photos 2 and 3 (headed 写真3 and 写真4) are grid columns 5 and 6 after three
    // data columns; the block reaches into a second row that shows only two photos.
    const auto lines = edits.ClearCells({{5, 0, 6, 1}});

    EXPECT_EQ(lines, (std::vector<int>{0, 1}));
    EXPECT_EQ(five.photoCount, 3);
    EXPECT_EQ(std::vector<int>(five.photos.begin(), five.photos.begin() + 4),
              (std::vector<int>{100, 101, 104, -1}));
    // A row with fewer photos than the block's columns loses none that it does not show.
    EXPECT_EQ(two.photoCount, 2);
    EXPECT_EQ(two.photos[1], 201);
    EXPECT_EQ(two.photos[2], -1);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->OnUndo();
    EXPECT_EQ(RowOn(0).photoCount, 5);
}

TEST_F(ListGrid, EveryEditPathLeavesUndoBalanced)
{
    AddRow("りんご", "1", "x");
    EXPECT_FALSE(doc->IsUndoStepOpen());
    AddRow("みかん", "2", "y");
    const std::vector<CListGridEdits::Block> both = {{0, 0, 2, 1}};

    edits.StoreCellText(0, 0, "ぶどう", true);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    EXPECT_EQ(edits.ApplyColor(both, 0x0000FF, false).size(), 6u);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    EXPECT_EQ(edits.ApplyColor({{1, 1, 1, 1}}, 0xFFFF00, true).size(), 1u);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    EXPECT_EQ(edits.ClearCells({{1, 0, 1, 0}}).size(), 1u);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    edits.BeginSelectionUndo({});
    EXPECT_FALSE(doc->IsUndoStepOpen());

    // Each path was one step: undo takes them back one at a time.
    doc->OnUndo();
    EXPECT_EQ(doc->GetCellTextAt(1, 0, kOutputGrid), "1");
    doc->OnUndo();
    EXPECT_EQ(RowOn(1).GetCell(1).backColor, kDefaultColor);
    doc->OnUndo();
    EXPECT_EQ(RowOn(0).GetCell(2).textColor, kDefaultColor);
    doc->OnUndo();
    EXPECT_EQ(doc->GetCellTextAt(0, 0, kOutputGrid), "りんご");
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(ListGrid, ColoursOnTheNewRowLineOnlyChangeNothing)
{
    AddRow("a");
    doc->SetModifiedFlag(false);
    const bool couldUndo = doc->CanUndo();

    EXPECT_TRUE(edits.ApplyColor({{0, 1, 2, 1}}, 0x0000FF, false).empty());

    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(doc->IsUndoStepOpen());
    EXPECT_EQ(doc->CanUndo(), couldUndo);
    doc->OnUndo();
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(ListGrid, TypingOnTheNewRowLineMakesARowAndANewLineBelow)
{
    doc->GetColumn(1).dropType = 1;
    EXPECT_EQ(doc->displayCount, 1);

    EXPECT_EQ(edits.StoreCellText(1, 0, "", true), "");

    EXPECT_EQ(doc->displayCount, 2);
    EXPECT_EQ(doc->displayOrder[1], kNewRowLine);
    EXPECT_TRUE(doc->IsModified());
    // The automatic drop list takes the empty text too.
    ASSERT_EQ(doc->GetColumn(1).dropEntries.GetSize(), 1);
    EXPECT_FALSE(edits.AddToAutoDropList(1, ""));
    EXPECT_TRUE(edits.AddToAutoDropList(1, "い"));
    EXPECT_TRUE(edits.AddToAutoDropList(1, "あ"));
    EXPECT_EQ(doc->GetColumn(1).dropEntries[1], "あ");
}

class ListFind : public ::testing::Test
{
  protected:
    // Three lines of three columns; "key" stands where the map says.
    CListFinder Finder()
    {
        return CListFinder(3, 3, [this](int column, int line) {
            auto found = cells.find({column, line});
            return found != cells.end() ? found->second : CString("other");
        });
    }
    bool Find(int column, int line)
    {
        return Finder().FindNext(host, settings, column, line, foundColumn, foundLine);
    }

    std::map<std::pair<int, int>, CString> cells;
    ListFindSettings settings{"KEY"};
    FakeListHost host;
    int foundColumn = -1;
    int foundLine = -1;
};

TEST_F(ListFind, FindingUpwardsFromTheFirstColumnGoesOnAtTheEndOfTheLineAbove)
{
    cells[{2, 0}] = "a key";
    settings.downward = false;

    ASSERT_TRUE(Find(0, 1));

    EXPECT_EQ(std::make_pair(foundColumn, foundLine), std::make_pair(2, 0));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ListFind, AMatchInTheFirstCellIsPassedWhenSearchingUpwardsFromIt)
{
    cells[{0, 0}] = "key";
    settings.downward = false;
    host.answers = {IDNO};

    EXPECT_FALSE(Find(0, 0));

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 20204);

    // Yes starts again from the last line and comes round to it.
    host.answers = {IDYES};
    ASSERT_TRUE(Find(0, 0));
    EXPECT_EQ(std::make_pair(foundColumn, foundLine), std::make_pair(0, 0));
    EXPECT_FALSE(settings.fromStart);
}

TEST_F(ListFind, OneColumnSearchesStepByLineAndFromTheStartReportsNothingFound)
{
    cells[{1, 2}] = "Key";
    settings.allColumns = false;
    ASSERT_TRUE(Find(1, 0));
    EXPECT_EQ(std::make_pair(foundColumn, foundLine), std::make_pair(1, 2));

    settings.caseSensitive = true;
    settings.fromStart = true;
    EXPECT_FALSE(Find(1, 0));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 10201);
}

TEST(ListFinder, MatchesWholeOrPartByCharacters)
{
    EXPECT_TRUE(CListFinder::Matches("ｱｲｳ表示", "表示", false, false));
    EXPECT_FALSE(CListFinder::Matches("表示", "表", true, false));
    // "表" is 95 5C: the trail byte 5C is never the start of a match for "\".
    EXPECT_FALSE(CListFinder::Matches("表", "\\", false, true));
    EXPECT_TRUE(CListFinder::Matches("abc", "ABC", true, false));
    EXPECT_FALSE(CListFinder::Matches("abc", "ABC", true, true));
}

TEST(PhotoStrip, TenEditHintsInARowRebuildOnceEightTicksAfterTheLast)
{
    CPhotoStrip strip;
    int timerStarts = 0;
    for (int hint = 0; hint < 10; ++hint) {
        timerStarts += strip.Schedule(CPhotoStrip::kEditTicks) ? 1 : 0;
        EXPECT_FALSE(strip.Tick());
    }
    EXPECT_EQ(timerStarts, 1);
    int rebuilds = 0;
    int ticks = 0;
    while (strip.IsPending()) {
        ++ticks;
        rebuilds += strip.Tick() ? 1 : 0;
    }
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(ticks, 7);
    EXPECT_FALSE(strip.Tick());
}

TEST_F(ListGrid, AStripOfARowWithoutPhotosIsEightByTwentyEightAndOfTheNewRowLineEmpty)
{
    AddRow("a");
    CPhotoStrip strip;
    doc->currentRow = 0;
    strip.Rebuild(*doc, 300);
    EXPECT_EQ(strip.Extent(), CSize(8, 28));

    doc->currentRow = 1;
    strip.Rebuild(*doc, 300);
    EXPECT_EQ(strip.Extent(), CSize(0, 0));
    doc->currentRow = 0;
    strip.Rebuild(*doc, 0);
    EXPECT_EQ(strip.Extent(), CSize(0, 0));
}

TEST_F(ListGrid, MissingPhotosKeepTheStandardSizeAndTheThirdScrollsIntoViewWithAMargin)
{
    AddRow("a");
    for (int k = 0; k < 3; ++k) {
        RowOn(0).photos[k] = k;
        doc->GetPhoto(k).inUse = true;
    }
    RowOn(0).photoCount = 3;
    doc->currentRow = 0;
    CPhotoStrip strip;
    strip.Rebuild(*doc, 300);

    ASSERT_EQ(strip.Items().size(), 3u);
    EXPECT_EQ(strip.Items()[2]->x, 8 + 2 * 208);
    EXPECT_EQ(strip.Items()[2]->photoIndex, -1);
    EXPECT_EQ(strip.Extent(), CSize(8 + 3 * 208, 228));
    EXPECT_EQ(strip.HitTest(8 + 208 + 5), 1);
    EXPECT_EQ(strip.HitTest(4), -1);
    // A view 300 wide shows the second photo 24 pixels short of its right edge, and the third
    // no further than the strip's end.
    EXPECT_EQ(strip.ScrollLeftFor(1, CRect(0, 0, 300, 250)), 216 + 200 + 24 - 300);
    EXPECT_EQ(strip.ScrollLeftFor(2, CRect(0, 0, 300, 250)), 632 - 300);
    EXPECT_EQ(strip.ScrollLeftFor(0, CRect(500, 0, 800, 250)), 0);
    // Too narrow a view for the photo and its gap stays where it is.
    EXPECT_EQ(strip.ScrollLeftFor(2, CRect(0, 0, 207, 250)), 0);
}

} // namespace
