#include "foundation/FileUtility.h"
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>

namespace {

// Keeps the values the reader's three messages about unsound files were given.
class ListHost : public FakeListHost
{
  public:
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override
    {
        va_list copy;
        va_copy(copy, args);
        if (id == 40211 || id == 30218 || id == 30219) {
            path = va_arg(copy, const char*);
            number = va_arg(copy, int);
        }
        va_end(copy);
        return FakeListHost::ShowMessageV(kind, id, flags, args);
    }

    CString path;
    int number = 0; // the file's version (30218) or its last whole line (30219)
};

// Files that are no sound list are opened as the program opens a list, edited and saved.
class UnsoundListFile : public ::testing::Test
{
  protected:
    UnsoundListFile() { doc = NewDoc(); }

    std::unique_ptr<CZantobyDoc> NewDoc()
    {
        auto made = std::make_unique<CZantobyDoc>(host);
        made->tempFolder = temp.Path();
        return made;
    }

    // A list of one text column and three rows as it is written today.
    std::string SoundList()
    {
        auto list = NewDoc();
        list->columnCount = 1;
        list->GetColumn(0).type = kTypeText;
        list->BuildColumnMap();
        for (int row = 0; row < 3; ++row) {
            list->GetRow(row).inUse = true;
            list->GetRow(row).EditCells().SetText(list->GetColumn(0).slot, "品" + std::to_string(row));
        }
        const CString path = temp.Path() + "sound.zbk";
        EXPECT_TRUE(CListFileWriter(*list).Write(path));
        return ReadFileBytes(path);
    }

    // Opens the bytes as x.zbk, changes the list and saves it: the file must stay as it was.
    void ExpectOpenedReadOnlyAndNeverWrittenOver(const std::string& bytes)
    {
        const CString path = temp.Path() + "x.zbk";
        WriteFileBytes(path, bytes);
        ASSERT_TRUE(doc->OnOpenDocument(path));
        EXPECT_TRUE(doc->readOnly);
        EXPECT_FALSE(doc->lockFile.IsHeld()) << "a list opened read-only is not claimed";
        doc->title = "変更";
        doc->SetModifiedFlag(true);
        EXPECT_FALSE(doc->DoSave());
        EXPECT_TRUE(host.HasMessage(30205));
        // Whatever else writes the list (a backup saves it first) is refused too.
        EXPECT_FALSE(doc->WriteListFile(path, false));
        EXPECT_EQ(ReadFileBytes(path), bytes);
        EXPECT_EQ(temp.CountFiles("x.zbk"), 1) << "nothing left beside it";
    }

    TempFolder temp;
    ListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(UnsoundListFile, RandomBytesAreRefusedAsNoList)
{
    std::mt19937 random(32);
    // No NUL, which the test's file helpers take for the end.
    std::string bytes(3000, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() % 255 + 1);
    }
    const CString path = temp.Path() + "x.zbk";
    WriteFileBytes(path, bytes);
    EXPECT_FALSE(doc->OnOpenDocument(path));
    ASSERT_TRUE(host.HasMessage(40211));
    EXPECT_EQ(host.path, path);
    EXPECT_FALSE(doc->lockFile.IsHeld());
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(temp.CountFiles("x.zbk"), 1) << "no lock file";

    // A text file that names a version but holds no section is no list either, nor is an empty one.
    for (const char* text : {"ver=210800\r\ntitle='t'\r\n", ""}) {
        host.messages.clear();
        WriteFileBytes(path, text);
        EXPECT_FALSE(NewDoc()->OnOpenDocument(path)) << text;
        EXPECT_TRUE(host.HasMessage(40211)) << text;
    }
}

TEST_F(UnsoundListFile, ListOfANewerVersionOpensReadOnlySayingItsVersion)
{
    std::string bytes = SoundList();
    ASSERT_EQ(bytes.rfind("ver=210800\r\n", 0), 0u);
    bytes.replace(0, 10, "ver=999999");
    ExpectOpenedReadOnlyAndNeverWrittenOver(bytes);
    ASSERT_TRUE(host.HasMessage(30218));
    EXPECT_EQ(host.number, 999999);
    EXPECT_FALSE(host.HasMessage(30219));
    EXPECT_EQ(doc->GetRow(2).GetCell(doc->GetColumn(0).slot).text, "品2") << "read as far as it can be";
}

TEST_F(UnsoundListFile, ListCutInARowOpensReadOnlySayingWhereItEnds)
{
    const std::string whole = SoundList();
    const size_t secondRow = whole.find("r0001=");
    ASSERT_NE(secondRow, std::string::npos);
    const std::string cut = whole.substr(0, secondRow + 8);
    ExpectOpenedReadOnlyAndNeverWrittenOver(cut);
    ASSERT_TRUE(host.HasMessage(30219));
    int wholeLines = 0;
    for (char c : cut) {
        wholeLines += c == '\n';
    }
    EXPECT_EQ(host.number, wholeLines);
    EXPECT_TRUE(doc->GetRow(0).inUse) << "what is there is read";
}

TEST_F(UnsoundListFile, ListOfTodaysLayoutCutAtALineEndLacksItsPhotoSection)
{
    const std::string whole = SoundList();
    const size_t photos = whole.find("[photos]");
    ASSERT_NE(photos, std::string::npos);
    // The rule line before the section header ends where the cut is.
    const std::string cut = whole.substr(0, whole.rfind("\r\n", photos - 3) + 2);
    ExpectOpenedReadOnlyAndNeverWrittenOver(cut);
    EXPECT_TRUE(host.HasMessage(30219));
}

TEST_F(UnsoundListFile, SoundListsOfEveryVersionOpenWritableWithoutAWord)
{
    const CString sound = temp.Path() + "sound.zbk";
    WriteFileBytes(sound, SoundList());
    ASSERT_TRUE(doc->OnOpenDocument(sound));
    EXPECT_FALSE(doc->readOnly);
    EXPECT_TRUE(host.messages.empty());
    doc->OnCloseDocument();

    // Older layouts wrote fewer sections; a list of today's version without its last line
    // break was not written by any writer.
    for (const char* name : {"layout-v0.zbk", "layout-v14.zbk", "layout-v2001.zbk", "layout-v2004.zbk",
                             "layout-v210503.zbk", "layout-v210699.zbk", "layout-v210799.zbk"}) {
        ASSERT_TRUE(CopyFiles(CString(std::getenv("ZANTOBY_TEST_DATA")) + "/" + name, temp.Path()));
        auto old = NewDoc();
        ASSERT_TRUE(old->OnOpenDocument(temp.Path() + name)) << name;
        EXPECT_FALSE(old->readOnly) << name;
        EXPECT_FALSE(host.HasMessage(30218) || host.HasMessage(30219)) << name;
        old->OnCloseDocument();
    }
}

} // namespace
