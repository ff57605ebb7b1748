#include "list/InputCheck.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

class InputCheck : public ::testing::Test
{
  protected:
    InputCheck() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = temp.Path();
        doc->GetColumn(1).type = kTypeNumber;
        doc->GetColumn(2).type = kTypeMark;
    }

    // A row in use with the texts of columns 0 (text), 1 (number) and 2 (mark).
    int AddRow(const char* text, const char* number = "", const char* mark = "")
    {
        int row = doc->AllocProductRecord();
        const char* texts[] = {text, number, mark};
        for (int column = 0; column < 3; ++column) {
            CellRecord cell;
            doc->ParseCellText(column, cell, texts[column], kOutputGrid);
            doc->GetRow(row).SetCell(column, doc->GetColumn(column).type, cell);
        }
        return row;
    }

    int Flag(const InputCheckSwitches& switches) { return check.FlagErrorRows(switches); }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CInputCheck check{*doc};
};

TEST_F(InputCheck, RequiredColumnsMustHoldAValueAndZeroIsNoNumber)
{
    doc->GetColumn(0).required = true;
    doc->GetColumn(1).required = true;
    int filled = AddRow("品名", "5");
    int zero = AddRow("品名", "0");
    int noText = AddRow("", "5");
    InputCheckSwitches switches;
    switches.required = true;
    EXPECT_EQ(Flag(switches), 2);
    EXPECT_FALSE(check.IsFlagged(filled));
    EXPECT_TRUE(check.IsFlagged(zero));
    EXPECT_TRUE(check.IsFlagged(noText));
    EXPECT_EQ(Flag(InputCheckSwitches()), 0) << "nothing is tested without a switch";
}

TEST_F(InputCheck, EveryRowSharingAUniqueValueIsFlagged)
{
    doc->GetColumn(0).unique = true;
    doc->GetColumn(1).unique = true;
    int a = AddRow("同じ", "1");
    int b = AddRow("同じ", "2");
    int c = AddRow("別", "2"); // equals b only in the number column, which b was flagged through
    int emptyOne = AddRow("", "7");
    int emptyTwo = AddRow("", "8");
    int alone = AddRow("一つ", "3");
    InputCheckSwitches switches;
    switches.unique = true;
    EXPECT_EQ(Flag(switches), 3);
    EXPECT_TRUE(check.IsFlagged(a) && check.IsFlagged(b) && check.IsFlagged(c));
    EXPECT_FALSE(check.IsFlagged(emptyOne) || check.IsFlagged(emptyTwo)) << "empty cells are no duplicates";
    EXPECT_FALSE(check.IsFlagged(alone));
}

TEST_F(InputCheck, CharacterRangesAreTestedInTextAndMarkColumnsOnly)
{
    struct Case
    {
        const char* text;
        bool kana, gaiji, special;
    };
    const Case cases[] = {
        {"\xB1", true, false, false},                                         // half-width katakana
        {"\xF0\x40", false, true, false},                                     // first user-defined code
        {"\x85\x40", false, false, true},                                     // machine-dependent characters
        {"\xEF\xFC", false, false, true},  {"\x88\x9F", false, false, false}, // the first kanji
        {"\xEB\x3F", false, false, false},
    };
    for (const Case& entry : cases) {
        doc->ResetToNewList();
        doc->GetColumn(1).type = kTypeNumber;
        doc->GetColumn(2).type = kTypeMark;
        int row = AddRow("", "", entry.text);
        for (int which = 0; which < 3; ++which) {
            InputCheckSwitches switches;
            switches.kana = which == 0;
            switches.gaiji = which == 1;
            switches.special = which == 2;
            bool expected = which == 0 ? entry.kana : which == 1 ? entry.gaiji : entry.special;
            Flag(switches);
            EXPECT_EQ(check.IsFlagged(row), expected) << "code " << entry.text << " switch " << which;
        }
    }
    doc->ResetToNewList();
    doc->GetColumn(1).type = kTypeNumber;
    int row = doc->AllocProductRecord();
    doc->GetRow(row).EditCells().SetText(1, "\xB1"); // a stray text in a number cell is never scanned
    InputCheckSwitches kana;
    kana.kana = true;
    EXPECT_EQ(Flag(kana), 0);
    EXPECT_FALSE(check.IsFlagged(row));
}

TEST_F(InputCheck, APhotoWithoutItsThumbnailFailsThePhotoTest)
{
    doc->listFolder = temp.Path() + "list";
    doc->photoFolderName = "Photo-list";
    ASSERT_TRUE(FileSystem::CreateFolder(doc->listFolder));
    ASSERT_TRUE(FileSystem::CreateFolder(doc->listFolder + "/Photo-list"));
    doc->GetPhoto(3).inUse = true;
    for (const CString& path :
         {doc->GetOriginalPhotoPath(3), doc->GetMiddlePhotoPath(3), doc->GetThumbnailPath(3)}) {
        FileSystem::CreateFolder(path.Left(path.ReverseFind('/')));
        FILE* file = FileSystem::OpenStream(path, "wb");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    int row = AddRow("写真付き");
    doc->GetRow(row).photos[0] = 3;
    doc->GetRow(row).photoCount = 1;
    InputCheckSwitches files;
    files.files = true;
    EXPECT_EQ(Flag(files), 0);
    std::remove(FileSystem::ToNative(doc->GetThumbnailPath(3)).c_str());
    EXPECT_EQ(Flag(files), 1);
}

TEST_F(InputCheck, RunStoresTheChosenSwitchesAndListsTheFailedRowsOnYes)
{
    doc->GetColumn(0).required = true;
    AddRow("ok");
    int hidden = AddRow("");
    int second = AddRow("");
    doc->HideAllRows();
    RecordingView view;
    doc->AddView(&view);

    EXPECT_FALSE(CInputCheck(*doc).Run()) << "cancelled";
    EXPECT_FALSE(doc->IsModified());

    InputCheckSwitches required;
    required.required = true;
    host.checkSwitches = required;
    host.answers = {IDNO};
    EXPECT_TRUE(CInputCheck(*doc).Run()) << "the user declined to list the rows";
    EXPECT_TRUE(doc->inputChecks.required);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->displayCount, 1);

    host.answers = {IDYES};
    EXPECT_FALSE(CInputCheck(*doc).Run());
    ASSERT_EQ(doc->displayCount, 3) << "two failed rows and the new-row line";
    EXPECT_EQ(doc->displayOrder[0], hidden);
    EXPECT_EQ(doc->displayOrder[1], second);
    EXPECT_EQ(doc->displayOrder[2], kNewRowLine);
    ASSERT_FALSE(view.received.empty());
    EXPECT_EQ(view.received.back().hint, kHintAllRows);

    doc->GetRow(hidden).EditCells().SetText(0, "x");
    doc->GetRow(second).EditCells().SetText(0, "y");
    EXPECT_TRUE(CInputCheck(*doc).Run());
    EXPECT_EQ(host.messages.back().id, 11200);
    doc->RemoveView(&view);
}

} // namespace
