// The grid's row, cell and photo commands on a list without windows: lines inserted, rows
// duplicated and deleted, cells shifted, photos removed and taken in, each one undo step.
#include "app/editing/ListRowEdits.h"
#include "app/editing/ListGridEdits.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class ListRowEditsTest : public ::testing::Test
{
  protected:
    ListRowEditsTest() : doc(std::make_unique<CZantobyDoc>(host)), edits(*doc), rows(*doc) {}

    // Types a row with a name and the given photos onto the new-row line.
    void AddRow(const char* name, std::vector<int> photos = {})
    {
        const int line = doc->displayCount - 1;
        edits.StoreCellText(0, line, name, false);
        ProductRecord& record = RowOn(line);
        for (size_t k = 0; k < photos.size(); ++k) {
            record.photos[k] = photos[k];
            doc->GetPhoto(photos[k]).inUse = true;
        }
        record.photoCount = static_cast<int>(photos.size());
    }
    ProductRecord& RowOn(int line) { return doc->GetRow(doc->displayOrder[line]); }
    CString Name(int line) { return doc->GetCellTextAt(0, line, kOutputGrid); }
    std::vector<CString> Column(int column)
    {
        std::vector<CString> texts;
        for (int line = 0; line < doc->displayCount; ++line) {
            texts.push_back(doc->GetCellTextAt(column, line, kOutputGrid));
        }
        return texts;
    }
    std::vector<int> Photos(int line)
    {
        const ProductRecord& record = RowOn(line);
        return std::vector<int>(record.photos.begin(), record.photos.begin() + record.photoCount);
    }
    int UsedRows() const
    {
        int used = 0;
        for (int row = 0; row < kMaxRows; ++row) {
            used += doc->GetRow(row).inUse ? 1 : 0;
        }
        return used;
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListGridEdits edits;
    CListRowEdits rows;
};

} // namespace

TEST_F(ListRowEditsTest, ABlankLineGetsItsRowOnlyWhenSomethingIsTyped)
{
    ASSERT_TRUE(rows.InsertBlankLine(0));
    EXPECT_EQ(doc->displayCount, 2);
    EXPECT_EQ(UsedRows(), 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(doc->IsUndoStepOpen());

    edits.StoreCellText(0, 0, "最初", false);
    EXPECT_EQ(UsedRows(), 1);
    EXPECT_EQ(Name(0), "最初");
}

TEST_F(ListRowEditsTest, ADuplicateSharesThePhotosButKeepsItsOwnPhotoList)
{
    AddRow("a", {10, 11});
    AddRow("b");
    ASSERT_TRUE(rows.DuplicateRow(0));
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "a", "b", ""}));
    EXPECT_EQ(Photos(0), (std::vector<int>{10, 11}));
    EXPECT_NE(doc->displayOrder[0], doc->displayOrder[1]);

    EXPECT_TRUE(rows.DeletePhoto(doc->columnCount, 0));
    EXPECT_EQ(Photos(0), (std::vector<int>{11}));
    EXPECT_EQ(Photos(1), (std::vector<int>{10, 11}));

    // Undone, the copy is gone entirely rather than left behind unseen.
    doc->OnUndo();
    doc->OnUndo();
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", ""}));
    EXPECT_EQ(UsedRows(), 2);
    EXPECT_FALSE(rows.DuplicateRow(2));
}

TEST_F(ListRowEditsTest, DuplicatingOnAFullListSaysSoAndTheLastFreeRowTakesTheNewRowLine)
{
    // 9,999 rows and the new-row line fill every line.
    for (int row = 0; row < kMaxRows - 1; ++row) {
        doc->GetRow(row).inUse = true;
        doc->displayOrder[row] = row;
    }
    doc->displayOrder[kMaxDisplayRows - 1] = kNewRowLine;
    doc->displayCount = kMaxDisplayRows;
    doc->SetCellTextAt(0, 0, "first");
    doc->SetCellTextAt(0, kMaxDisplayRows - 2, "last");
    ASSERT_TRUE(rows.DuplicateRow(0));
    EXPECT_EQ(doc->displayCount, kMaxDisplayRows);
    EXPECT_EQ(Name(1), "first");
    EXPECT_EQ(Name(kMaxDisplayRows - 1), "last") << "the copy took the new-row line's place";
    EXPECT_EQ(UsedRows(), kMaxRows);
    EXPECT_FALSE(host.HasMessage(40200));

    // Now every row is in use.
    EXPECT_FALSE(rows.DuplicateRow(0));
    EXPECT_TRUE(host.HasMessage(40200));
    EXPECT_EQ(Name(kMaxDisplayRows - 1), "last");
    EXPECT_FALSE(doc->IsUndoStepOpen());

    // Undone, the copy goes and the new-row line comes back.
    doc->OnUndo();
    EXPECT_EQ(UsedRows(), kMaxRows - 1);
    EXPECT_EQ(Name(1), CString());
    EXPECT_EQ(doc->displayOrder[kMaxDisplayRows - 1], kNewRowLine);

    // Lines without rows inside a full display leave no place for a copy, though rows are free.
    doc->displayOrder[kMaxDisplayRows - 1] = kMaxDisplayRows - 2;
    doc->displayOrder[kMaxDisplayRows - 2] = kNewRowLine;
    host.messages.clear();
    EXPECT_FALSE(rows.DuplicateRow(0));
    EXPECT_TRUE(host.HasMessage(40200));
}

TEST_F(ListRowEditsTest, DeletingScatteredLinesRemovesExactlyThoseAndAsksFirst)
{
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        AddRow(name);
    }
    host.answers = {IDCANCEL};
    EXPECT_TRUE(rows.DeleteLines({1, 3}).empty());
    EXPECT_EQ(doc->displayCount, 6);

    const auto lines = CListRowEdits::LinesOf({{0, 3, 2, 3}, {1, 1, 1, 1}, {0, 5, 0, 5}});
    EXPECT_EQ(lines, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(rows.DeleteLines(lines), lines);
    // The new-row line was among them and comes back.
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "c", "e", ""}));
    EXPECT_EQ(UsedRows(), 3);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->OnUndo();
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", "c", "d", "e", ""}));
}

TEST_F(ListRowEditsTest, DeletingAllShownRowsIsOneStep)
{
    AddRow("a");
    AddRow("b");
    ASSERT_TRUE(rows.DeleteAllDisplayed());
    EXPECT_EQ(doc->displayCount, 1);
    EXPECT_EQ(UsedRows(), 0);
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->OnUndo();
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", ""}));
}

TEST_F(ListRowEditsTest, InsertingCellsPushesTheBlocksColumnsDownAndGrowsTheList)
{
    AddRow("a");
    AddRow("b");
    AddRow("c");
    edits.StoreCellText(1, 2, "x", false);

    // Two lines of the first column from the last row on: the list grows by two lines and
    // still ends with its new-row line.
    ASSERT_TRUE(rows.InsertCellsShiftDown({{0, 2, 0, 3}}));
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", "", "", "c", ""}));
    EXPECT_EQ(Column(1)[2], "x");
    EXPECT_EQ(doc->displayOrder[doc->displayCount - 1], kNewRowLine);
    EXPECT_FALSE(doc->IsUndoStepOpen());

    doc->OnUndo();
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", "c", ""}));
    EXPECT_EQ(UsedRows(), 3);
}

TEST_F(ListRowEditsTest, AShiftThatNeedsMoreRowsThanAreFreeChangesNothing)
{
    AddRow("a");
    for (int row = 0; row < kMaxRows; ++row) {
        doc->GetRow(row).inUse = true;
    }
    EXPECT_FALSE(rows.InsertCellsShiftDown({{0, 0, 0, 0}}));
    EXPECT_TRUE(host.HasMessage(40200));
    EXPECT_EQ(Name(0), "a");
    EXPECT_EQ(doc->displayCount, 2);
    EXPECT_FALSE(doc->IsUndoStepOpen());

    EXPECT_FALSE(rows.DeleteCellsShiftUp({{0, 0, 0, 0}, {1, 1, 1, 1}}));
    EXPECT_TRUE(host.HasMessage(40207));
}

TEST_F(ListRowEditsTest, InsertingCellsIntoAFullListIsRefusedAndChangesNothing)
{
    // Ten thousand rows fill every line; the last shows "last".
    for (int row = 0; row < kMaxRows; ++row) {
        doc->GetRow(row).inUse = true;
        doc->displayOrder[row] = row;
    }
    doc->displayCount = kMaxDisplayRows;
    doc->SetCellTextAt(0, 0, "first");
    doc->SetCellTextAt(0, kMaxDisplayRows - 1, "last");
    host.messages.clear();
    EXPECT_FALSE(rows.InsertCellsShiftDown({{0, 0, 0, 1}}));
    EXPECT_TRUE(host.HasMessage(40200));
    EXPECT_EQ(Name(0), "first");
    EXPECT_EQ(Name(kMaxDisplayRows - 1), "last");
    EXPECT_EQ(doc->displayCount, kMaxDisplayRows);
    EXPECT_FALSE(doc->IsUndoStepOpen());

    // With the last two lines free of rows the same insert fits.
    doc->GetRow(kMaxRows - 1).Reset();
    doc->GetRow(kMaxRows - 2).Reset();
    doc->displayOrder[kMaxDisplayRows - 2] = kNewRowLine;
    doc->displayCount = kMaxDisplayRows - 1;
    ASSERT_TRUE(rows.InsertCellsShiftDown({{0, 0, 0, 1}}));
    EXPECT_EQ(Name(2), "first");
}

TEST_F(ListRowEditsTest, DeletingCellsPullsTheRestUpAndEmptiesTheLinesAtTheEnd)
{
    for (const char* name : {"a", "b", "c", "d"}) {
        AddRow(name);
    }
    ASSERT_TRUE(rows.DeleteCellsShiftUp({{0, 1, 0, 2}}));
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "d", "", "", ""}));

    // A block reaching the last line has nothing below it to pull up: it is emptied.
    ASSERT_TRUE(rows.DeleteCellsShiftUp({{0, 1, 0, 4}}));
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "", "", "", ""}));
}

TEST_F(ListRowEditsTest, PhotoCellsShiftAndTheRowsKeepTheirRemainingPhotosInOrder)
{
    AddRow("a", {1, 2, 3});
    AddRow("b", {4});
    const int first = doc->columnCount;
    EXPECT_TRUE(rows.DeletePhoto(first + 1, 0));
    EXPECT_EQ(Photos(0), (std::vector<int>{1, 3}));

    // The second photo column moves down a line: row a keeps photo 1, row b shows 4 and 3.
    ASSERT_TRUE(rows.InsertCellsShiftDown({{first + 1, 0, first + 1, 0}}));
    EXPECT_EQ(Photos(0), (std::vector<int>{1}));
    EXPECT_EQ(Photos(1), (std::vector<int>{4, 3}));
}

TEST_F(ListRowEditsTest, AnEmptyPhotoCellGivesNothingToDeleteAndNoUndoStep)
{
    AddRow("a", {5});
    EXPECT_FALSE(rows.DeletePhoto(doc->columnCount + 1, 0));
    EXPECT_FALSE(rows.DeletePhoto(doc->columnCount, 1));
    EXPECT_EQ(rows.PhotoAt(doc->columnCount, 0), 5);
    EXPECT_EQ(rows.PhotosOf({{0, 0, doc->columnCount + 2, 1}}), (std::vector<int>{5}));
    // The last step is still the typing of the row.
    doc->OnUndo();
    EXPECT_EQ(doc->displayCount, 1);
}

TEST_F(ListRowEditsTest, TakingInAPhotoChecksRoomAndTheFileKindFirst)
{
    AddRow("a", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    CStringArray jpeg;
    jpeg.Add("/nowhere/p.jpg");
    EXPECT_EQ(rows.ImportPhotos(0, jpeg), 0);
    EXPECT_TRUE(host.HasMessage(40201));
    CStringArray png;
    png.Add("/nowhere/p.png");
    EXPECT_EQ(rows.ImportPhotos(1, png), 0);
    EXPECT_TRUE(host.HasMessage(40202));
    EXPECT_EQ(doc->displayCount, 2);

    // A row as full as the photo columns gets one more column, up to 20.
    doc->photoColumns = 19;
    EXPECT_TRUE(rows.EnsurePhotoColumn(0));
    EXPECT_EQ(doc->photoColumns, 20);
    EXPECT_FALSE(rows.EnsurePhotoColumn(0));
}

// Files that the continuous import hands over go in in their order, each its own undo step,
// until the row is full; the photos made beyond that leave no slot behind.
TEST_F(ListRowEditsTest, ManyPhotosGoInInTheirOrderUntilTheRowIsFull)
{
    ScratchFolder scratch;
    doc->listFolder = scratch / "list";
    doc->photoFolderName = "Photo";
    std::filesystem::create_directories(FileSystem::ToNative(doc->listFolder + "/Photo"));
    AddRow("a", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
    CStringArray paths;
    for (int i = 0; i < 4; ++i) {
        CString name;
        name.Format("IMG_%d.JPG", i);
        ASSERT_TRUE(TestPhotos::WriteJpeg(scratch / name, 40 + i, 30));
        paths.Add(scratch / name);
    }
    EXPECT_EQ(rows.ImportPhotos(0, paths), 2);
    EXPECT_TRUE(host.HasMessage(40201));
    ASSERT_EQ(Photos(0).size(), 20u);
    EXPECT_EQ(doc->GetPhoto(Photos(0)[18]).width, 40);
    EXPECT_EQ(doc->GetPhoto(Photos(0)[19]).width, 41);
    EXPECT_FALSE(doc->GetPhoto(20).inUse);
    EXPECT_FALSE(doc->GetPhoto(21).inUse);
    doc->OnUndo();
    EXPECT_EQ(Photos(0).size(), 19u) << "one undo step per photo";
}
