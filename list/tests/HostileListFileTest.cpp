// Lists from elsewhere whose photo folder setting names a folder outside their own, and lists
// whose folder went away while they were open: nothing outside the list's folder is read as its
// photos or touched by a save, and a save never writes into a folder that took the list's place.
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/FileTree.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// Keeps the texts the open's repair report and the refused save were given.
class ReportingHost : public FakeListHost
{
  public:
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override
    {
        va_list copy;
        va_copy(copy, args);
        if (id == 30217) {
            va_arg(copy, const char*);
            repairs = va_arg(copy, const char*);
        } else if (id == 30220) {
            refusedFolder = va_arg(copy, const char*);
            refusal = va_arg(copy, const char*);
        }
        va_end(copy);
        return FakeListHost::ShowMessageV(kind, id, flags, args);
    }

    CString repairs;
    CString refusedFolder;
    CString refusal;
};

class HostileList : public ::testing::Test
{
  protected:
    HostileList()
    {
        root = scratch.Path().Left(scratch.Path().GetLength() - 1);
        folder = root + "/lists";
        FileSystem::CreateFolder(folder);
        // Files named as the list's photo files, where a photo folder setting could lead.
        for (const char* victim : {"/victim", "/lists/victim"}) {
            for (const char* sub : {"", "/org", "/m", "/s", "/draw"}) {
                FileSystem::CreateFolder(root + victim + sub);
            }
            for (const char* file : {"/org/0001.jpg", "/m/0001m.jpg", "/s/0001s.jpg", "/draw/0001.drw"}) {
                WriteFileBytes(root + victim + file, "someone else's");
            }
        }
    }

    // A.zbk with a text column, a row showing photo 0 and photo 1 that no row shows (a save
    // sets its files aside), its photo folder setting as given.
    CString WriteList(const std::string& photoFolderSetting)
    {
        FakeListHost writerHost;
        CZantobyDoc list(writerHost);
        list.tempFolder = work.Path();
        list.listFolder = folder;
        list.photoFolderName = "Photo-A";
        list.columnCount = 1;
        list.GetColumn(0).type = kTypeText;
        list.BuildColumnMap();
        ProductRecord& row = list.GetRow(0);
        row.inUse = true;
        row.EditCells().SetText(list.GetColumn(0).slot, "品");
        row.photos[0] = 0;
        row.photoCount = 1;
        for (int slot : {0, 1}) {
            list.GetPhoto(slot).inUse = true;
            list.GetPhoto(slot).width = 32;
            list.GetPhoto(slot).height = 24;
        }
        const CString path = folder + "/A.zbk";
        EXPECT_TRUE(CListFileWriter(list).Write(path));
        std::string bytes = ReadFileBytes(path);
        const std::string stored = "folder='Photo-A'";
        const size_t at = bytes.find(stored);
        EXPECT_NE(at, std::string::npos);
        bytes.replace(at, stored.size(), "folder='" + photoFolderSetting + "'");
        WriteFileBytes(path, bytes);
        return path;
    }

    void MakeOwnPhotoFolder()
    {
        for (const char* sub : {"", "/org", "/m", "/s", "/draw"}) {
            FileSystem::CreateFolder(folder + "/Photo-A" + sub);
        }
    }

    std::unique_ptr<CZantobyDoc> Open(const CString& path)
    {
        auto doc = std::make_unique<CZantobyDoc>(host);
        doc->tempFolder = work.Path();
        EXPECT_TRUE(doc->OnOpenDocument(path));
        return doc;
    }

    TempFolder scratch;
    TempFolder work; // undo snapshots, apart from the tree that is watched
    CString root;
    CString folder;
    ReportingHost host;
};

TEST_F(HostileList, APhotoFolderOutsideTheListsFolderIsNeverFollowed)
{
    const std::string outside = (root + "/victim").str();
    for (const std::string& setting : {std::string("../victim"), std::string("victim/../../victim"), outside,
                                       std::string(".."), std::string("."), std::string("Photo-A/../../victim"),
                                       std::string("victim/")}) {
        SCOPED_TRACE(setting);
        host = ReportingHost();
        const CString path = WriteList(setting);
        MakeOwnPhotoFolder();
        const FileTree before = ReadFileTree(root);

        auto doc = Open(path);
        EXPECT_EQ(doc->photoFolderName, "Photo-A") << "the standard name stands in";
        EXPECT_TRUE(host.HasMessage(30217));
        EXPECT_NE(host.repairs.Find(CString(setting)), -1) << "the report names the refused setting";
        for (int slot : {0, 1}) {
            EXPECT_TRUE(FileSystem::IsSameOrInside(doc->GetOriginalPhotoPath(slot), folder + "/Photo-A"));
            EXPECT_TRUE(FileSystem::IsSameOrInside(doc->GetThumbnailPath(slot), folder + "/Photo-A"));
        }

        // The save sets aside the files of photo 1, which no row shows.
        doc->title = "変更";
        doc->SetModifiedFlag(true);
        EXPECT_TRUE(doc->DoSave());
        EXPECT_NE(ReadFileBytes(path).find("folder='Photo-A'"), std::string::npos);
        const std::vector<std::string> expected = {"~lists/A.zbk", "+lists/A.zbk$"};
        EXPECT_EQ(ChangedPaths(before, ReadFileTree(root), {"lists/Photo-A"}), expected);
        doc->OnCloseDocument();
    }
}

TEST_F(HostileList, NamesInsideTheListsFolderStayAsTheyAre)
{
    // 表 ends in the byte of a backslash, which is no separator here.
    for (const char* setting : {"写真表", "Photo-A", "..x", "x..", ""}) {
        SCOPED_TRACE(setting);
        host = ReportingHost();
        auto doc = Open(WriteList(setting));
        EXPECT_EQ(doc->photoFolderName, setting);
        EXPECT_EQ(host.repairs.Find("写真保存用"), -1);
        doc->OnCloseDocument();
    }
}

TEST_F(HostileList, ASaveIntoAFolderThatTookTheListsPlaceWritesNothing)
{
    const CString path = WriteList("Photo-A");
    MakeOwnPhotoFolder();
    auto doc = Open(path);
    doc->title = "変更";
    doc->SetModifiedFlag(true);
    ASSERT_TRUE(doc->DoSave()) << "the folder it was opened from";
    doc->SetModifiedFlag(true);
    ASSERT_TRUE(doc->DoSave()) << "and again";

    // The share is unmounted: an empty folder lies where the list's folder was.
    ASSERT_EQ(std::rename(folder.GetString(), (root + "/mounted").GetString()), 0);
    FileSystem::CreateFolder(folder);
    doc->SetModifiedFlag(true);
    EXPECT_FALSE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(30220));
    EXPECT_EQ(host.refusedFolder, folder);
    EXPECT_NE(host.refusal.Find("開いた時のﾌｫﾙﾀﾞ"), -1);
    EXPECT_TRUE(ReadFileTree(folder).empty()) << "nothing is written into the empty mount point";
    EXPECT_TRUE(doc->IsModified()) << "the changes are still to be saved";

    // Mounted again: the list saves where it came from.
    ASSERT_EQ(std::remove(folder.GetString()), 0);
    ASSERT_EQ(std::rename((root + "/mounted").GetString(), folder.GetString()), 0);
    EXPECT_TRUE(doc->DoSave());
    doc->OnCloseDocument();
}

TEST_F(HostileList, ASaveWhoseListFolderOrPhotoFolderIsGoneWritesNothing)
{
    const CString path = WriteList("Photo-A");
    MakeOwnPhotoFolder();
    auto doc = Open(path);
    const std::string saved = ReadFileBytes(path);
    ASSERT_EQ(std::rename((folder + "/Photo-A").GetString(), (root + "/moved").GetString()), 0);
    doc->title = "変更";
    doc->SetModifiedFlag(true);
    EXPECT_FALSE(doc->DoSave());
    EXPECT_NE(host.refusal.Find("Photo-A"), -1) << "the missing photo folder is named";
    EXPECT_EQ(ReadFileBytes(path), saved);

    ASSERT_EQ(std::rename((root + "/moved").GetString(), (folder + "/Photo-A").GetString()), 0);
    ASSERT_EQ(std::rename(folder.GetString(), (root + "/away").GetString()), 0);
    EXPECT_FALSE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(40209)) << "the writing names the missing folder";
    EXPECT_FALSE(FileSystem::Exists(folder));
    ASSERT_EQ(std::rename((root + "/away").GetString(), folder.GetString()), 0);
    doc->OnCloseDocument();
}

TEST_F(HostileList, AListWithoutPhotoFolderSavesAndThenKeepsTheOneItGets)
{
    auto doc = Open(WriteList("Photo-A"));
    doc->title = "変更";
    doc->SetModifiedFlag(true);
    EXPECT_TRUE(doc->DoSave()) << "no photo folder when it was opened, none needed";
    MakeOwnPhotoFolder();
    doc->SetModifiedFlag(true);
    EXPECT_TRUE(doc->DoSave());
    ASSERT_EQ(std::rename((folder + "/Photo-A").GetString(), (root + "/moved").GetString()), 0);
    doc->SetModifiedFlag(true);
    EXPECT_FALSE(doc->DoSave()) << "the photo folder it was saved with went away";
    doc->OnCloseDocument();
}

} // namespace
