// Cells and photos copied out of a list grid and pasted into lists: texts, photos copied in from
// another list or shared by reference, lines added as needed, photo files dropped on a row.
#include "app/editing/ListGridTransfer.h"
#include "app/editing/ListGridEdits.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ClipTable.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class ListGridTransferTest : public ::testing::Test
{
  protected:
    ListGridTransferTest() : a(MakeList("a")), b(MakeList("b")) {}

    std::unique_ptr<CZantobyDoc> MakeList(const char* name)
    {
        auto doc = std::make_unique<CZantobyDoc>(host);
        doc->listFolder = scratch / name;
        doc->photoFolderName = "Photo";
        for (const char* sub : {"org", "m", "s", "draw"}) {
            std::filesystem::create_directories(FileSystem::ToNative(doc->listFolder + "/Photo/" + sub));
        }
        doc->SetPathName(doc->listFolder + "/list.zbk", false);
        return doc;
    }
    CString Jpeg(const char* name)
    {
        const CString path = scratch / name;
        EXPECT_TRUE(TestPhotos::WriteJpeg(path, 40, 30));
        return path;
    }
    // A row typed onto the new-row line with photos taken in from new files.
    void AddRow(CZantobyDoc& doc, const char* text, int photos)
    {
        const int line = doc.displayCount - 1;
        CListGridEdits(doc).StoreCellText(0, line, text, false);
        for (int k = 0; k < photos; ++k) {
            const int slot = doc.ImportPhotoImage(Jpeg("source.jpg"), -1, CString(), 0);
            ASSERT_GE(slot, 0);
            doc.GetPhoto(slot).name.Format("%s-%d", text, k);
            ASSERT_TRUE(doc.AddPhotoToRow(line, -1, slot, 0));
        }
    }
    std::vector<int> Photos(CZantobyDoc& doc, int line)
    {
        const ProductRecord& record = doc.GetRow(doc.displayOrder[line]);
        return std::vector<int>(record.photos.begin(), record.photos.begin() + record.photoCount);
    }

    ScratchFolder scratch;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> a;
    std::unique_ptr<CZantobyDoc> b;
};

} // namespace

TEST_F(ListGridTransferTest, CellsCopiedToAnotherListBringNewPhotosWithTheirNames)
{
    AddRow(*a, "りんご", 1);
    const int photoColumn = a->columnCount;
    CClipTable copied;
    ASSERT_TRUE(CListGridTransfer(*a).FillTable({{0, 0, photoColumn + 1, 0}}, copied));
    EXPECT_EQ(copied.GetFileCount(), 1);
    EXPECT_EQ(copied.GetFileName(0), a->GetMiddlePhotoPath(Photos(*a, 0)[0]));
    EXPECT_EQ(copied.GetPhotoId(photoColumn + 1, 0), -1);

    // Through the clipboard's text, as another list window reads it.
    CClipTable table;
    table.ReadPrivateFormat(copied.ToPrivateFormat());
    ASSERT_EQ(table.sourcePath, a->GetPathName());
    const CListGridTransfer::Result result =
        CListGridTransfer(*b).PasteTable(table, a.get(), 0, 0, CListGridTransfer::kCopy);

    EXPECT_EQ(result.lines, (std::vector<int>{0}));
    EXPECT_EQ(b->GetCellTextAt(0, 0, kOutputGrid), "りんご");
    ASSERT_EQ(Photos(*b, 0).size(), 1u);
    const int slot = Photos(*b, 0)[0];
    EXPECT_EQ(b->GetPhoto(slot).name, "りんご-0");
    EXPECT_TRUE(FileSystem::Exists(b->GetThumbnailPath(slot)));
    EXPECT_EQ(b->displayCount, 2);
    EXPECT_FALSE(b->IsUndoStepOpen());

    // Without the source list open the photos are passed over.
    CListGridTransfer(*b).PasteTable(table, nullptr, 0, 1, CListGridTransfer::kCopy);
    EXPECT_EQ(b->GetCellTextAt(0, 1, kOutputGrid), "りんご");
    EXPECT_TRUE(Photos(*b, 1).empty());
}

TEST_F(ListGridTransferTest, APasteByReferenceSharesTheSlotAndAddsLinesAsNeeded)
{
    AddRow(*a, "a", 1);
    AddRow(*a, "b", 0);
    const int photoColumn = a->columnCount;
    CClipTable table;
    ASSERT_TRUE(CListGridTransfer(*a).FillTable({{photoColumn, 0, photoColumn, 1}}, table));
    table.sourcePath = a->GetPathName();

    // Two rows pasted on the new-row line: one line more is made.
    CListGridTransfer(*a).PasteTable(table, a.get(), photoColumn, 2, CListGridTransfer::kReference);
    EXPECT_EQ(Photos(*a, 2), Photos(*a, 0));
    EXPECT_EQ(a->displayCount, 4);
    // The empty photo cell adds nothing, so its line got no row.
    EXPECT_EQ(a->displayOrder[3], kNewRowLine);
    EXPECT_FALSE(a->IsUndoStepOpen());

    // Undo frees the row the paste made.
    a->OnUndo();
    EXPECT_EQ(a->displayCount, 3);
    EXPECT_EQ(a->displayOrder[2], kNewRowLine);
    int used = 0;
    for (int row = 0; row < kMaxRows; ++row) {
        used += a->GetRow(row).inUse ? 1 : 0;
    }
    EXPECT_EQ(used, 2);
}

TEST_F(ListGridTransferTest, JpegFilesDroppedOnAPhotoCellGoInFromItsPosition)
{
    AddRow(*a, "a", 1);
    const int first = Photos(*a, 0)[0];
    CStringArray files;
    files.Add(Jpeg("one.JPG"));
    files.Add(Jpeg("two.jpeg"));
    files.Add(scratch / "notes.txt");
    a->photoColumns = 2;

    const CListGridTransfer::Result result = CListGridTransfer(*a).PasteFiles(files, a->columnCount + 1, 0);

    ASSERT_EQ(Photos(*a, 0).size(), 3u);
    EXPECT_EQ(Photos(*a, 0)[0], first);
    EXPECT_TRUE(result.photoColumnsGrew);
    // An empty photo column stays to the right of the row's photos.
    EXPECT_EQ(a->photoColumns, 4);
    EXPECT_FALSE(a->IsUndoStepOpen());
}

TEST_F(ListGridTransferTest, CopyingNeedsExactlyOneBlock)
{
    CClipTable table;
    EXPECT_FALSE(CListGridTransfer(*a).FillTable({}, table));
    EXPECT_TRUE(host.HasMessage(30900));
    EXPECT_FALSE(CListGridTransfer(*a).FillTable({{0, 0, 0, 0}, {1, 1, 1, 1}}, table));
    EXPECT_TRUE(host.HasMessage(30901));
    EXPECT_EQ(table.GetRowCount(), 0);
}

TEST_F(ListGridTransferTest, PastedTextsTheCellsRefuseKeepTheirValuesAndAreToldOnce)
{
    a->GetColumn(1).type = kTypeYesNo;
    a->GetColumn(2).type = kTypeNumber;
    a->BuildColumnMap();
    AddRow(*a, "a", 0);
    CListGridEdits(*a).StoreCellText(1, 0, "1", false);
    CListGridEdits(*a).StoreCellText(2, 0, "5", false);

    CClipTable table;
    table.ReadText("b\tx\t7\r\nc\tfalse\tabc\r\nd\tTRUE\t8");
    CListGridTransfer transfer(*a);
    const CListGridTransfer::Result result =
        transfer.PasteTable(table, nullptr, 0, 0, CListGridTransfer::kCopy);

    // The Yes/No cell keeps yes, the number cell of the next line its nothing; the rest goes in.
    EXPECT_EQ(a->GetCellTextAt(0, 0, kOutputGrid), "b");
    EXPECT_EQ(a->GetCellTextAt(1, 0, kOutputGrid), "true");
    EXPECT_EQ(a->GetCellTextAt(2, 0, kOutputGrid), "7");
    EXPECT_EQ(a->GetCellTextAt(1, 1, kOutputGrid), "false");
    EXPECT_EQ(a->GetCellTextAt(2, 1, kOutputGrid), "");
    EXPECT_EQ(a->GetCellTextAt(1, 2, kOutputGrid), "true");
    EXPECT_EQ(result.left.count, 2);
    EXPECT_EQ(result.left.column, 1);
    EXPECT_EQ(result.left.line, 0);
    EXPECT_EQ(result.left.reason, "x はYes/Noとして変換できません");
    EXPECT_FALSE(a->IsUndoStepOpen());

    EXPECT_FALSE(host.HasMessage(30903)) << "told once the grid shows the paste";
    transfer.ReportLeftOut(result);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.HasMessage(30903));

    // A paste that every cell takes says nothing.
    host.messages.clear();
    table.ReadText("e\t0\t9");
    transfer.ReportLeftOut(transfer.PasteTable(table, nullptr, 0, 3, CListGridTransfer::kCopy));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ListGridTransferTest, APasteIntoAListWithoutFreeRowsTakesWhatFitsAndCountsTheRest)
{
    AddRow(*a, "a", 0);
    // Every row taken, the list showing only the first and the new-row line after it.
    while (a->AllocProductRecord() >= 0) {
    }
    CClipTable table;
    table.ReadText("b\r\nc\r\nd");
    CListGridTransfer transfer(*a);
    const CListGridTransfer::Result result =
        transfer.PasteTable(table, nullptr, 0, 0, CListGridTransfer::kCopy);
    EXPECT_EQ(a->GetCellTextAt(0, 0, kOutputGrid), "b") << "the row the paste starts on takes its text";
    EXPECT_EQ(result.notPasted.rows, 2);
    EXPECT_EQ(result.notPasted.columns, 0);
    EXPECT_EQ(a->displayCount, 2) << "no line is left for the rows left out";
    EXPECT_TRUE(host.messages.empty()) << "nothing is said half way";
    EXPECT_FALSE(a->IsUndoStepOpen());
    transfer.ReportLeftOut(result);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].id, 30904);
}
