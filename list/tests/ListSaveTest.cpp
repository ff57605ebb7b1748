#include "foundation/FileStatus.h"
#include "foundation/FileUtility.h"
#include "list/ListFileReader.h"
#include "list/ListProperties.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

bool Exists(const CString& path)
{
    return FileSystem::Exists(path);
}

void Touch(const CString& path, const char* contents = "jpeg")
{
    WriteFileBytes(path, contents);
}

class ListSave : public ::testing::Test
{
  protected:
    ListSave() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = work.Path();
        folder = user.Path().Left(user.Path().GetLength() - 1);
    }

    // A saved list A.zbk in the user's folder with its photo folder.
    void MakeSavedList()
    {
        doc->listFolder = folder;
        doc->photoFolderName = "Photo-A";
        for (const char* sub : {"", "/org", "/m", "/s", "/draw"}) {
            FileSystem::CreateFolder(folder + "/Photo-A" + sub);
        }
        doc->SetPathName(folder + "/A.zbk", false);
    }

    int AddRow(const char* text)
    {
        int position = doc->displayCount - 1;
        doc->SetCellTextAt(0, position, text);
        doc->AppendNewRowLine();
        return doc->displayOrder[position];
    }

    // A photo slot whose four files lie flat in the photo folder.
    void AddFlatPhoto(int slot, int row, bool withStandard = true)
    {
        CString base;
        base.Format("%s/%s/%04d", doc->listFolder.GetString(), doc->photoFolderName.GetString(), slot);
        Touch(base + ".jpg");
        if (withStandard) {
            Touch(base + "m.jpg");
        }
        Touch(base + "s.jpg");
        Touch(base + ".drw", "drawing");
        doc->GetPhoto(slot).inUse = true;
        doc->GetPhoto(slot).flatFiles = true;
        ProductRecord& record = doc->GetRow(row);
        record.photos[record.photoCount++] = slot;
    }

    CString Photo(const char* relative) const { return folder + "/Photo-A/" + relative; }

    // A photo slot in use whose files lie in the subfolders of the photo folder.
    void AddFolderedPhoto(int slot, bool withDrawing)
    {
        CString name;
        name.Format("%04d", slot);
        Touch(Photo("org/" + name + ".jpg"));
        Touch(Photo("m/" + name + "m.jpg"));
        Touch(Photo("s/" + name + "s.jpg"));
        if (withDrawing) {
            Touch(Photo("draw/" + name + ".drw"), "drawing");
        }
        doc->GetPhoto(slot).inUse = true;
    }

    TempFolder work;
    TempFolder user;
    CString folder;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListSave, UntitledListGetsItsFileAndCompanionFolders)
{
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_EQ(doc->GetTitle(), "Zantoby1.zbk");
    int row = AddRow("品");
    AddFlatPhoto(0, row);
    CString webWork = work.Path() + "ZantobyWeb-1";
    FileSystem::CreateFolder(webWork);
    Touch(webWork + "/list.htm", "<html>");
    doc->web.webFolder = webWork;
    host.newEntryFolder = "/nowhere";
    host.savePath = folder + "/A.zbk";

    ASSERT_TRUE(doc->DoSave());
    EXPECT_EQ(host.saveDialogInitialPath, "/nowhere/Zantoby1.zbk");
    EXPECT_EQ(host.newEntryFolder, folder);
    EXPECT_TRUE(doc->workPath.IsEmpty());
    EXPECT_EQ(doc->GetPathName(), folder + "/A.zbk");
    EXPECT_EQ(doc->photoFolderName, "Photo-A");
    EXPECT_EQ(doc->web.webFolder, folder + "/Web-A");
    EXPECT_TRUE(Exists(folder + "/Web-A/list.htm"));
    EXPECT_TRUE(Exists(Photo("org/0000.jpg")));
    EXPECT_TRUE(Exists(Photo("draw/0000.drw")));
    EXPECT_FALSE(Exists(Photo("0000.jpg"))) << "loose files go once they are copied";
    EXPECT_FALSE(doc->GetPhoto(0).flatFiles);
    EXPECT_FALSE(Exists(work.Path() + "ZantobyPhoto-1"));
    EXPECT_FALSE(Exists(webWork));
    EXPECT_NE(ReadFileBytes(folder + "/A.zbk").find("folder='Photo-A'"), std::string::npos);
    EXPECT_TRUE(Exists(folder + "/A.zbk$")) << "the saved list is claimed";
    EXPECT_FALSE(doc->IsModified());
    doc->OnCloseDocument();
    EXPECT_FALSE(Exists(folder + "/A.zbk$"));
    EXPECT_EQ(host.lastDocumentPath, folder + "/A.zbk");
}

TEST_F(ListSave, KeepingAnExistingPhotoFolderFailsTheSave)
{
    ASSERT_TRUE(doc->OnNewDocument());
    FileSystem::CreateFolder(folder + "/Photo-A");
    host.savePath = folder + "/A.zbk";
    host.answers = {IDNO};
    EXPECT_FALSE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(20207));
    EXPECT_TRUE(host.HasMessage(30209));
    EXPECT_FALSE(doc->workPath.IsEmpty());
    EXPECT_FALSE(Exists(folder + "/A.zbk"));
}

TEST_F(ListSave, ReadOnlyListIsNotSaved)
{
    MakeSavedList();
    doc->readOnly = true;
    EXPECT_FALSE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(30205));
    EXPECT_FALSE(Exists(folder + "/A.zbk"));
}

TEST_F(ListSave, BlankRowsGoAndOneNewRowLineStays)
{
    MakeSavedList();
    doc->GetColumn(1).type = kTypeNumber;
    doc->BuildColumnMap();
    AddRow("");
    int kept = AddRow("残る");
    int zero = AddRow("x");
    doc->SetCellTextAt(0, 2, "");
    doc->SetCellTextAt(1, 2, "0");
    AddRow("");
    ASSERT_EQ(doc->displayCount, 5);

    host.answers = {IDCANCEL};
    EXPECT_FALSE(doc->DoSave());
    EXPECT_FALSE(Exists(folder + "/A.zbk"));
    EXPECT_TRUE(doc->GetRow(zero).inUse);

    host.answers = {IDYES};
    ASSERT_TRUE(doc->DoSave());
    EXPECT_FALSE(doc->GetRow(zero).inUse) << "a row holding only the number 0 is blank";
    ASSERT_EQ(doc->displayCount, 2);
    EXPECT_EQ(doc->displayOrder[0], kept);
    EXPECT_EQ(doc->displayOrder[1], kNewRowLine);
    std::string text = ReadFileBytes(folder + "/A.zbk");
    EXPECT_EQ(text.find("\r\nr0000="), std::string::npos);
    EXPECT_NE(text.find("\r\nr0001="), std::string::npos);

    // Nothing blank: nothing asked.
    size_t asked = host.messages.size();
    ASSERT_TRUE(doc->DoSave());
    EXPECT_EQ(host.messages.size(), asked);
}

TEST_F(ListSave, UnusedPhotosAreSetAsideInTheOriginalsFolder)
{
    MakeSavedList();
    int row = AddRow("写真あり");
    doc->GetPhoto(5).inUse = true;
    doc->GetRow(row).photos[0] = 5;
    doc->GetRow(row).photoCount = 1;
    for (int slot : {3, 7}) {
        AddFolderedPhoto(slot, false);
    }
    // An original taken in long ago is kept two days from now, not from its own date.
    std::filesystem::last_write_time(FileSystem::ToNative(Photo("org/0003.jpg")),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(24 * 400));
    CString tag = "x" + GetToday().FormatDate("YYMMDD");
    Touch(Photo("org/" + tag + "-0000.jpg"));
    Touch(Photo("org/x010101-0000.jpg"));
    std::filesystem::last_write_time(FileSystem::ToNative(Photo("org/x010101-0000.jpg")),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(24 * 30));

    ASSERT_TRUE(doc->DoSave());
    EXPECT_TRUE(Exists(Photo("org/" + tag + "-0001.jpg")));
    EXPECT_TRUE(Exists(Photo("org/" + tag + "-0002.jpg")));
    EXPECT_FALSE(Exists(Photo("org/0003.jpg")));
    EXPECT_FALSE(Exists(Photo("m/0007m.jpg")));
    EXPECT_FALSE(Exists(Photo("org/x010101-0000.jpg"))) << "older than two days";
    EXPECT_FALSE(doc->GetPhoto(3).inUse);
    EXPECT_FALSE(doc->GetPhoto(7).inUse);
    EXPECT_TRUE(doc->GetPhoto(5).inUse);
}

TEST_F(ListSave, LoosePhotoThatCannotBeCopiedKeepsItsFiles)
{
    MakeSavedList();
    int row = AddRow("a");
    AddFlatPhoto(1, row);
    AddFlatPhoto(2, row, false); // its standard image is missing

    // Stopping at the failure writes no file.
    host.answers = {IDYES};
    EXPECT_FALSE(doc->DoSave());
    EXPECT_FALSE(Exists(folder + "/A.zbk"));
    EXPECT_TRUE(Exists(Photo("0002.jpg")));

    host.answers = {IDNO};
    ASSERT_TRUE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(20206));
    EXPECT_TRUE(Exists(Photo("org/0001.jpg")));
    EXPECT_FALSE(Exists(Photo("0001.jpg")));
    EXPECT_TRUE(doc->GetPhoto(2).flatFiles);
    EXPECT_TRUE(Exists(Photo("0002.jpg"))) << "nothing of a photo that was not copied is deleted";
    EXPECT_TRUE(Exists(Photo("0002s.jpg")));

    // Reading the list again finds the photo where it still lies.
    auto reread = std::make_unique<CZantobyDoc>(host);
    doc->lockFile.Release();
    ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    EXPECT_TRUE(reread->GetPhoto(2).flatFiles);
    EXPECT_FALSE(reread->GetPhoto(1).flatFiles);
}

// Saves the list in a child process whose files may not grow past a few hundred bytes, as on a
// full disk: the list file fails halfway. The child's exit code: 0 when the save failed and the
// list still holds its photo slots, 1 otherwise.
int SaveWithFileSizeLimit(CZantobyDoc& doc, int keptSlot)
{
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{300, 300};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool saved = doc.DoSave();
        _exit(!saved && doc.GetPhoto(keptSlot).inUse ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ListSave, ASaveThatFailsHalfwayLeavesTheOldListWithEveryPhotoAndDrawing)
{
    MakeSavedList();
    int row = AddRow("写真二枚");
    for (int slot : {3, 7}) {
        AddFolderedPhoto(slot, true);
        doc->GetPhoto(slot).width = 640;
        doc->GetPhoto(slot).height = 480;
        ProductRecord& record = doc->GetRow(row);
        record.photos[record.photoCount++] = slot;
    }
    ASSERT_TRUE(doc->DoSave());
    const std::string saved = ReadFileBytes(folder + "/A.zbk");

    // The row lets go of photo 7, so the next save sets it aside: but that save fails.
    doc->GetRow(row).photos[1] = -1;
    doc->GetRow(row).photoCount = 1;
    doc->SetModifiedFlag();
    EXPECT_EQ(SaveWithFileSizeLimit(*doc, 7), 0) << "the save failed and the list kept photo 7";

    EXPECT_EQ(ReadFileBytes(folder + "/A.zbk"), saved);
    EXPECT_EQ(user.CountFiles("A.zbk."), 0) << "no temporary file left beside the list";
    for (const char* file : {"org/0007.jpg", "m/0007m.jpg", "s/0007s.jpg", "draw/0007.drw"}) {
        EXPECT_TRUE(Exists(Photo(file))) << file;
    }
    doc->lockFile.Release();
    auto reread = std::make_unique<CZantobyDoc>(host);
    ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    EXPECT_FALSE(host.HasMessage(30217)) << "nothing to repair";
    const ProductRecord& again = reread->GetRow(row);
    ASSERT_EQ(again.photoCount, 2);
    EXPECT_TRUE(reread->GetPhoto(7).inUse);
    EXPECT_EQ(ReadFileBytes(reread->GetDrawingPath(7)), "drawing");
    reread->OnCloseDocument();

    // Once a save succeeds, the photo is set aside after the file no longer names it.
    ASSERT_TRUE(doc->DoSave());
    EXPECT_FALSE(doc->GetPhoto(7).inUse);
    EXPECT_FALSE(Exists(Photo("org/0007.jpg")));
    EXPECT_FALSE(Exists(Photo("draw/0007.drw")));
    EXPECT_TRUE(Exists(Photo("org/0003.jpg")));
}

TEST_F(ListSave, TemporaryFilesOfAKilledSaveAreClearedByTheNextSaveOrOpen)
{
    MakeSavedList();
    AddRow("a");
    const CString leftovers[] = {folder + "/A.zbk.Ab12Cd", folder + "/A.zbk.zzzzzz"};
    const CString others[] = {folder + "/A.zbk.bak", folder + "/A.zbk.Ab12Cde", folder + "/B.zbk.Ab12Cd"};
    auto plant = [&] {
        for (const CString& file : leftovers) {
            Touch(file, "half");
        }
        for (const CString& file : others) {
            Touch(file, "other");
        }
    };
    plant();
    ASSERT_TRUE(doc->DoSave());
    for (const CString& file : leftovers) {
        EXPECT_FALSE(Exists(file)) << file.GetString();
    }
    for (const CString& file : others) {
        EXPECT_TRUE(Exists(file)) << "not a leftover of this list: " << file.GetString();
    }

    plant();
    doc->lockFile.Release();
    auto reread = std::make_unique<CZantobyDoc>(host);
    ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    for (const CString& file : leftovers) {
        EXPECT_FALSE(Exists(file)) << file.GetString();
    }
    reread->OnCloseDocument();

    // A list opened read-only is someone else's to tidy.
    plant();
    auto readOnly = std::make_unique<CZantobyDoc>(host);
    readOnly->readOnly = true;
    ASSERT_TRUE(readOnly->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    EXPECT_TRUE(Exists(leftovers[0]));
}

TEST_F(ListSave, TheListKeepsTheDateItWasFirstMadeThroughEverySave)
{
    MakeSavedList();
    AddRow("a");
    ASSERT_TRUE(doc->DoSave());
    CFileStatus first;
    ASSERT_TRUE(GetFileStatus(folder + "/A.zbk", first));
    // A list made long ago, as a copy from another disk might carry it.
    const std::time_t longAgo = first.m_ctime - 400 * 24 * 3600;
    std::string note = std::to_string(static_cast<long long>(longAgo));
    if (setxattr(FileSystem::ToNative(folder + "/A.zbk").c_str(), "user.zantoby.created", note.data(),
                 note.size(), 0) != 0) {
        GTEST_SKIP() << "the file system keeps no user attributes";
    }

    for (int save = 0; save < 2; ++save) {
        doc->SetCellTextAt(0, 0, save == 0 ? "b" : "c");
        ASSERT_TRUE(doc->DoSave());
        CFileStatus status;
        ASSERT_TRUE(GetFileStatus(folder + "/A.zbk", status));
        EXPECT_EQ(status.m_ctime, longAgo) << "save " << save;
    }
    CListProperties properties;
    properties.Collect(*doc);
    std::tm local{};
    localtime_r(&longAgo, &local);
    char expected[32];
    std::strftime(expected, sizeof(expected), "%Y/%m/%d %H:%M:%S", &local);
    EXPECT_EQ(properties.created, expected);
    EXPECT_NE(properties.modified, properties.created);
}

} // namespace
