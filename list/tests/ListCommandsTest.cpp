#include "list/ListCommands.h"
#include "list/BulkImportLayout.h"
#include "list/ListProperties.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class ListCommands : public ::testing::Test
{
  protected:
    ListCommands() : doc(std::make_unique<CZantobyDoc>(host)), commands(*doc)
    {
        doc->tempFolder = temp.Path();
        doc->listFolder = temp.Path().Left(temp.Path().GetLength() - 1);
        doc->photoFolderName = "Photo-list";
        std::filesystem::create_directories(FileSystem::ToNative(temp.Path() + "Photo-list"));
        doc->AddView(&view);
    }

    // Types the three texts as new rows of the first column, in this order.
    void TypeRows(std::initializer_list<const char*> texts)
    {
        for (const char* text : texts) {
            const int line = doc->displayCount - 1;
            doc->SetCellTextAt(0, line, text);
            doc->AppendNewRowLine();
        }
        view.received.clear();
    }

    std::vector<CString> Shown() const
    {
        std::vector<CString> texts;
        for (int line = 0; line < doc->displayCount; ++line) {
            texts.push_back(doc->displayOrder[line] < 0 ? CString("-")
                                                        : doc->GetCellTextAt(0, line, kOutputGrid));
        }
        return texts;
    }

    std::vector<int> Hints() const
    {
        std::vector<int> hints;
        for (const RecordingView::Received& received : view.received) {
            hints.push_back(received.hint);
        }
        return hints;
    }

    TempFolder temp;
    FakeListHost host;
    RecordingView view;
    std::unique_ptr<CZantobyDoc> doc;
    CListCommands commands;
};

using Texts = std::vector<CString>;

TEST_F(ListCommands, HideAllAndShowAllAreOneUndoStepEach)
{
    TypeRows({"b", "a", "c"});
    commands.OnHideAll();
    EXPECT_EQ(Shown(), Texts({"-"}));
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->sortKeys[0].descending = true;
    commands.OnShowAll();
    EXPECT_EQ(Shown(), Texts({"c", "b", "a", "-"})) << "shown in the order of the sort keys";
    EXPECT_EQ(Hints(), std::vector<int>({kHintAllRows, kHintAllRows}));

    doc->OnUndo();
    EXPECT_EQ(Shown(), Texts({"-"}));
    doc->OnUndo();
    EXPECT_EQ(Shown(), Texts({"b", "a", "c", "-"}));
}

TEST_F(ListCommands, SortByColumnPutsTheColumnFirstAndShiftsTheKeysBeforeIt)
{
    TypeRows({"b", "a", "c"});
    ASSERT_TRUE(commands.SortByColumn(2, true));
    EXPECT_EQ(doc->sortKeys[0].column, 2);
    EXPECT_TRUE(doc->sortKeys[0].descending);
    EXPECT_EQ(doc->sortKeys[1].column, 0);
    EXPECT_EQ(doc->sortKeys[2].column, 1);
    EXPECT_EQ(doc->sortKeys[3].column, 3);

    // The first key again: only its direction changes.
    ASSERT_TRUE(commands.SortByColumn(2, false));
    EXPECT_EQ(doc->sortKeys[0].column, 2);
    EXPECT_FALSE(doc->sortKeys[0].descending);
    EXPECT_EQ(doc->sortKeys[1].column, 0);

    ASSERT_TRUE(commands.SortByColumn(0, true));
    EXPECT_EQ(Shown(), Texts({"c", "b", "a", "-"}));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->OnUndo();
    EXPECT_EQ(doc->sortKeys[0].column, 2) << "undo gives the keys back with the order";
    EXPECT_EQ(Shown(), Texts({"a", "b", "c", "-"})) << "as the name column, the second key, sorted them";

    EXPECT_FALSE(commands.SortByColumn(3, false)) << "the list has three columns";
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(ListCommands, SortKeysThatNameTheColumnTwiceStillEnd)
{
    TypeRows({"a"});
    doc->sortKeys[0].column = 1;
    doc->sortKeys[5].column = 1;
    ASSERT_TRUE(commands.SortByColumn(1, false));
    EXPECT_EQ(doc->sortKeys[0].column, 1);
}

TEST_F(ListCommands, ExtractShowsTheRowsOnlyWhenTheDialogStoredConditions)
{
    TypeRows({"apple", "berry", "apricot"});
    host.answers = {IDCANCEL};
    commands.OnExtract();
    ASSERT_TRUE(doc->extractConditions);
    EXPECT_EQ(Shown(), Texts({"apple", "berry", "apricot", "-"}));

    doc->extractConditions->keywords.Add("AP");
    host.answers = {IDOK};
    commands.OnExtract();
    EXPECT_EQ(Shown(), Texts({"apple", "apricot", "-"}));
    EXPECT_EQ(doc->extractConditions->keywords.GetSize(), 1) << "created once, kept afterwards";
    doc->OnUndo();
    EXPECT_EQ(Shown(), Texts({"apple", "berry", "apricot", "-"}));
}

TEST_F(ListCommands, FindTakesTheCurrentCellAndFindNextNeverAsks)
{
    host.searchKeyword = "前回";
    host.answers = {IDCANCEL};
    commands.OnFind();
    EXPECT_EQ(host.searchKeyword, "前回") << "an empty current cell keeps the keyword";
    EXPECT_TRUE(Hints().empty());

    doc->currentCellText = "赤";
    host.answers = {IDOK};
    commands.OnFind();
    EXPECT_EQ(host.searchKeyword, "赤");
    EXPECT_EQ(Hints(), std::vector<int>({kHintFind}));

    host.answers = {IDCANCEL};
    commands.OnFindPrevious();
    EXPECT_EQ(host.searchWrap, 0);
    EXPECT_FALSE(host.searchForward);
    commands.OnFindNext();
    EXPECT_TRUE(host.searchForward);
    EXPECT_EQ(host.answers.size(), 1u) << "no dialog was shown";
    EXPECT_EQ(Hints(), std::vector<int>({kHintFind, kHintFind, kHintFind}));
}

TEST_F(ListCommands, PrintModesAndPageSetupPrintButtons)
{
    commands.OnPrint(33066);
    EXPECT_EQ(host.printMode, 33066);
    EXPECT_TRUE(commands.IsPrintModeChecked(33066));
    EXPECT_FALSE(commands.IsPrintModeChecked(33067));
    commands.OnPrint(33064);
    EXPECT_EQ(host.printMode, 33066) << "the print button repeats the mode";

    host.answers = {33065};
    commands.OnPageSetup();
    EXPECT_EQ(host.printMode, 33065);
    host.answers = {IDOK};
    commands.OnPageSetup();
    EXPECT_EQ(Hints(), std::vector<int>({kHintPrint, kHintPrint, kHintPrint}));
}

TEST_F(ListCommands, CsvImportKeepsTheGridDisabledWhileItRuns)
{
    commands.OnImportCsv();
    EXPECT_EQ(Hints(), std::vector<int>({kHintDisableGrid, kHintColumnsAndRows, kHintEnableGrid}));
    EXPECT_EQ(host.csvExtension, "csv");
    EXPECT_EQ(host.csvFilter, "ﾃｷｽﾄﾌｧｲﾙ(*.csv;*.txt)|*.csv;*.txt|全てのﾌｧｲﾙ(*.*)|*.*||");
}

TEST_F(ListCommands, WebFilesNeedASavedListAndAPassedCheck)
{
    doc->workPath = temp.Path() + "Zantoby1.zbk";
    host.autoCheck = true;
    host.answers = {IDOK, IDOK};
    commands.OnCreateWeb();
    EXPECT_TRUE(host.HasMessage(30214));
    EXPECT_EQ(host.answers.size(), 1u) << "after the warning neither the check nor the dialog ran";

    doc->workPath.Empty();
    host.answers = {IDCANCEL, IDOK};
    commands.OnCreateWeb();
    EXPECT_EQ(host.answers.size(), 1u) << "a failed check stops before the Web dialog";
    host.answers = {IDOK, IDOK};
    commands.OnCreateWeb();
    EXPECT_TRUE(host.answers.empty());
}

TEST_F(ListCommands, ContinuousImportWindowShowsAndHides)
{
    commands.OnContinuousImport();
    EXPECT_TRUE(commands.IsContinuousImportChecked());
    commands.OnContinuousImport();
    EXPECT_FALSE(commands.IsContinuousImportChecked());
}

TEST_F(ListCommands, ListInfoKeepsTheUndoHistoryAndMarksTheListOnlyWhenItChangedIt)
{
    TypeRows({"a"});
    ASSERT_TRUE(doc->CanUndo());
    doc->SetModifiedFlag(false);
    host.answers = {IDCANCEL};
    commands.OnListInfo();
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_FALSE(doc->IsModified());

    // The dialog's change is a step of its own; the steps before it stay.
    host.answers = {IDOK};
    commands.OnListInfo();
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Hints(), std::vector<int>({kHintColumnsAndRows}));
}

TEST_F(ListCommands, EditColumnInfoWritesTheDetailDialogsRecordBack)
{
    TypeRows({"b", "a"});
    doc->SetModifiedFlag(false);
    host.columnDetail = [](ColumnRecord& column) {
        column.name = "品名";
        return IDCANCEL;
    };
    commands.EditColumnInfo(0);
    EXPECT_EQ(doc->GetColumn(0).name, "項目1") << "a cancelled dialog changes nothing";
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_FALSE(doc->IsModified());

    host.columnDetail = [](ColumnRecord& column) {
        column.name = "品名";
        column.dropType = 1;
        return IDOK;
    };
    commands.EditColumnInfo(0);
    EXPECT_EQ(doc->GetColumn(0).name, "品名");
    ASSERT_EQ(doc->GetColumn(0).dropEntries.GetSize(), 2) << "the automatic list is gathered from the rows";
    EXPECT_EQ(doc->GetColumn(0).dropEntries[0], "a");
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(doc->IsModified());

    int opened = 0;
    host.columnDetail = [&opened](ColumnRecord&) { return ++opened, IDOK; };
    commands.EditColumnInfo(3);
    commands.EditColumnInfo(200);
    EXPECT_EQ(opened, 0) << "a column without a type has no detail dialog";
}

TEST_F(ListCommands, PropertiesCountRowsAndTheSizesOfThePhotoFilesThatExist)
{
    TypeRows({"a", "b"});
    doc->SetPathName(temp.Path() + "unsaved.zbk", false);
    for (int slot = 0; slot < 25; ++slot) {
        doc->GetPhoto(slot).inUse = true;
        doc->GetPhoto(slot).flatFiles = true;
        for (const CString& path :
             {doc->GetOriginalPhotoPath(slot), doc->GetMiddlePhotoPath(slot), doc->GetThumbnailPath(slot)}) {
            std::ofstream(FileSystem::ToNative(path)) << std::string(1000, 'x');
        }
    }
    std::filesystem::remove(FileSystem::ToNative(doc->GetThumbnailPath(3)));

    CListProperties facts;
    facts.Collect(*doc);
    EXPECT_TRUE(facts.modified.IsEmpty()) << "the list has no file yet";
    EXPECT_TRUE(facts.fileSize.IsEmpty());
    EXPECT_EQ(facts.rows, "2");
    EXPECT_EQ(facts.photos, "25");
    EXPECT_EQ(facts.photoBytes, "74,000");
    ASSERT_EQ(host.progressTexts.size(), 2u) << "after the 10th and the 20th photo";
    EXPECT_EQ(host.progressTexts[0], "10枚目の写真ｻｲｽﾞを取得中...29000ﾊﾞｲﾄ");
}

class BulkImport : public ListCommands
{
  protected:
    // A layout of photos made on the spot; each entry of rows lists the grid row's photos by
    // number, 0 for an empty cell.
    BulkImportLayout Layout(int columns, std::initializer_list<std::initializer_list<int>> rows)
    {
        BulkImportLayout layout;
        layout.columns = columns;
        for (const auto& row : rows) {
            ++layout.rows;
            for (int c = 0; c < columns; ++c) {
                const int number = c < static_cast<int>(row.size()) ? row.begin()[c] : 0;
                if (number == 0) {
                    layout.cells.push_back(-1);
                    continue;
                }
                CString path;
                path.Format("%sphoto%d.jpg", temp.Path().GetString(), number);
                EXPECT_TRUE(TestPhotos::WriteJpeg(path, 40, 30));
                layout.cells.push_back(static_cast<int>(layout.items.size()));
                layout.items.push_back({path, false, -7});
            }
        }
        return layout;
    }

    void Answer(BulkImportLayout layout)
    {
        host.bulkImport = [layout](CZantobyDoc&, BulkImportLayout& shown) {
            shown = layout;
            return IDOK;
        };
    }

    int PhotoCount(int line) const
    {
        const int row = doc->displayOrder[line];
        return row < 0 ? -1 : doc->GetRow(row).photoCount;
    }
};

TEST_F(BulkImport, EachGridRowBecomesARowBeforeTheNewRowLine)
{
    TypeRows({"a", "b"});
    // The second grid row starts with an empty cell, so it stays without a row.
    Answer(Layout(4, {{1, 2, 3, 4}, {0, 5}, {6}}));
    commands.OnBulkImport();

    ASSERT_EQ(doc->displayCount, 6);
    EXPECT_EQ(Shown(), Texts({"a", "b", "", "-", "", "-"}));
    EXPECT_EQ(PhotoCount(2), 4);
    EXPECT_EQ(PhotoCount(4), 1);
    EXPECT_EQ(doc->photoColumns, 4);
    EXPECT_EQ(Hints().front(), kHintColumnsAndRows) << "the photo columns grew";
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->IsUndoStepOpen());
    EXPECT_FALSE(host.waitCursor);
    EXPECT_EQ(host.progressTexts.size(), 6u) << "every photo laid out is registered";

    const int firstNew = doc->displayOrder[2];
    doc->OnUndo();
    EXPECT_EQ(Shown(), Texts({"a", "b", "-"}));
    EXPECT_FALSE(doc->GetRow(firstNew).inUse) << "undo takes the new rows back";
    doc->OnRedo();
    EXPECT_EQ(PhotoCount(2), 4);
    EXPECT_EQ(PhotoCount(4), 1);
}

TEST_F(BulkImport, APhotoThatCannotBeRegisteredAddsNoRow)
{
    TypeRows({"a"});
    BulkImportLayout layout = Layout(2, {{1, 2}});
    layout.items[1].path = temp.Path() + "missing.jpg";
    Answer(layout);
    commands.OnBulkImport();
    EXPECT_TRUE(host.HasMessage(30203));
    EXPECT_EQ(Shown(), Texts({"a", "-"}));
    EXPECT_FALSE(doc->IsUndoStepOpen());
}

TEST_F(BulkImport, RowsBeyondTheDisplayLimitAreRefused)
{
    TypeRows({"a"});
    doc->displayCount = kMaxDisplayRows - 1;
    for (int line = 1; line < doc->displayCount; ++line) {
        doc->displayOrder[line] = doc->displayOrder[0];
    }
    doc->displayOrder[doc->displayCount - 1] = kNewRowLine;
    Answer(Layout(1, {{1}, {2}, {3}}));
    commands.OnBulkImport();
    EXPECT_TRUE(host.HasMessage(40200));
    EXPECT_EQ(doc->displayCount, kMaxDisplayRows);
    EXPECT_EQ(PhotoCount(kMaxDisplayRows - 2), 1);
}

} // namespace
