#include "foundation/BitmapEx.h"
#include "foundation/FileStatus.h"
#include "foundation/FileUtility.h"
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ListProperties.h"
#include "list/ZantobyDoc.h"
#include "platform/FileCommitHook.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SystemText.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdarg>
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

// The half-written copies (a name with "." and six letters or digits added) anywhere in a folder.
std::vector<std::string> WriteLeftovers(const CString& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(FileSystem::ToNative(folder))) {
        const std::string name = entry.path().filename().string();
        const size_t dot = name.rfind('.');
        if (entry.is_regular_file() && dot != std::string::npos && name.size() - dot == 7 &&
            std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(),
                        [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; })) {
            found.push_back(name);
        }
    }
    return found;
}

void Touch(const CString& path, const char* contents = "jpeg")
{
    WriteFileBytes(path, contents);
}

// Keeps the file and the reason that the boxes of a failed save name, in that order.
class SaveHost : public FakeListHost
{
  public:
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override
    {
        if (id == 30217) {
            va_list copy;
            va_copy(copy, args);
            va_arg(copy, const char*);
            repairText = va_arg(copy, const char*);
            va_end(copy);
        }
        if (id == 40209 || id == 40210) {
            va_list copy;
            va_copy(copy, args);
            failedFile = va_arg(copy, const char*);
            failureReason = va_arg(copy, const char*);
            va_end(copy);
        }
        return FakeListHost::ShowMessageV(kind, id, flags, args);
    }

    CString failedFile;
    CString failureReason;
    CString repairText; // what the open's report of repairs listed
};

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
    SaveHost host;
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
    // A folder named like one is no file of a save.
    std::filesystem::create_directory(FileSystem::ToNative(folder + "/A.zbk.Fold3r"));
    ASSERT_TRUE(doc->DoSave());
    EXPECT_TRUE(FileSystem::IsDirectory(folder + "/A.zbk.Fold3r"));
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

// An old-layout list: its photos lie loose in the photo folder, as older versions kept them, and
// its file is written. Each photo's original, standard picture and thumbnail are real JPEGs.
void MakeOldLayoutList(CZantobyDoc& doc, int row, int photos)
{
    ProductRecord& record = doc.GetRow(row);
    for (int slot = 0; slot < photos; ++slot) {
        CString base;
        base.Format("%s/%s/%04d", doc.listFolder.GetString(), doc.photoFolderName.GetString(), slot);
        ASSERT_TRUE(TestPhotos::WriteJpeg(base + ".jpg", 64, 48));
        ASSERT_TRUE(TestPhotos::WriteJpeg(base + "m.jpg", 32, 24));
        ASSERT_TRUE(TestPhotos::WriteJpeg(base + "s.jpg", 16, 12));
        doc.GetPhoto(slot).inUse = true;
        doc.GetPhoto(slot).flatFiles = true;
        doc.GetPhoto(slot).width = 64;
        doc.GetPhoto(slot).height = 48;
        record.photos[record.photoCount++] = slot;
    }
    ASSERT_TRUE(CListFileWriter(doc).Write(doc.GetPathName()));
}

// Copies every file of a folder tree into another, replacing what is there.
void CopyTreeOver(const CString& from, const CString& to)
{
    std::filesystem::remove_all(FileSystem::ToNative(to));
    std::filesystem::copy(FileSystem::ToNative(from), FileSystem::ToNative(to),
                          std::filesystem::copy_options::recursive);
}

// Saves the list in a child process that is killed as its replacing write number kill is about to
// commit: the write's file is complete beside its target, and nothing after it is done. The
// child's exit code: 9 when it was killed, 0 when the save finished first.
int SaveKilledAtWrite(CZantobyDoc& doc, int kill)
{
    pid_t child = fork();
    if (child == 0) {
        doc.SetModifiedFlag();
        int writes = 0;
        FileSystem::SetCommitHook([&](const CString&) {
            if (writes++ == kill) {
                _exit(9);
            }
            return 0;
        });
        _exit(doc.DoSave() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ListSave, ASaveKilledAtAnyPointWhileItMovesLoosePhotosLeavesEveryPhotoWhole)
{
    MakeSavedList();
    const int row = AddRow("写真三枚");
    constexpr int kPhotos = 3;
    MakeOldLayoutList(*doc, row, kPhotos);
    const CString pristine = work.Path() + "pristine";
    CopyTreeOver(folder, pristine);

    int kill = 0;
    for (;; ++kill) {
        CopyTreeOver(pristine, folder);
        const int outcome = SaveKilledAtWrite(*doc, kill);
        ASSERT_TRUE(outcome == 9 || outcome == 0) << "kill " << kill << ": exit " << outcome;

        host.messages.clear();
        auto reread = std::make_unique<CZantobyDoc>(host);
        ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll)) << "kill " << kill;
        EXPECT_FALSE(host.HasMessage(30217)) << "kill " << kill << ": a picture had to be made again";
        for (int slot = 0; slot < kPhotos; ++slot) {
            ASSERT_TRUE(reread->GetPhoto(slot).inUse) << "kill " << kill << ", photo " << slot;
            for (const CString& file : {reread->GetOriginalPhotoPath(slot), reread->GetMiddlePhotoPath(slot),
                                        reread->GetThumbnailPath(slot)}) {
                CBitmapEx picture;
                EXPECT_TRUE(picture.LoadJpeg(file)) << "kill " << kill << ": " << file.GetString();
            }
        }
        // The next save takes up the move where the killed one ended, and clears what it left.
        reread->SetPathName(folder + "/A.zbk", false);
        ASSERT_TRUE(reread->DoSave()) << "kill " << kill;
        for (int slot = 0; slot < kPhotos; ++slot) {
            EXPECT_FALSE(reread->GetPhoto(slot).flatFiles) << "kill " << kill << ", photo " << slot;
        }
        EXPECT_EQ(WriteLeftovers(folder + "/Photo-A"), std::vector<std::string>()) << "kill " << kill;
        reread->OnCloseDocument();
        if (outcome == 0) {
            break;
        }
    }
    // Three files of each photo and the list file: every one of them was a point to be killed at.
    EXPECT_EQ(kill, kPhotos * 3 + 1);
}

TEST_F(ListSave, APhotoAnOlderSaveLeftWithoutItsThumbnailGetsItBackOnOpen)
{
    MakeSavedList();
    const int row = AddRow("写真");
    AddFolderedPhoto(4, false);
    ASSERT_TRUE(TestPhotos::WriteJpeg(Photo("org/0004.jpg"), 400, 300));
    ProductRecord& record = doc->GetRow(row);
    record.photos[record.photoCount++] = 4;
    ASSERT_TRUE(doc->DoSave());
    // As a kill while the thumbnail was copied left it: none, and the copy's remains beside it.
    std::filesystem::remove(FileSystem::ToNative(Photo("s/0004s.jpg")));
    Touch(Photo("s/0004s.jpg.Ab12Cd"), "half");

    doc->lockFile.Release();
    auto reread = std::make_unique<CZantobyDoc>(host);
    ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    CBitmapEx thumbnail;
    ASSERT_TRUE(thumbnail.LoadJpeg(Photo("s/0004s.jpg")));
    EXPECT_LT(thumbnail.Width(), 400) << "made from the original";
    EXPECT_FALSE(Exists(Photo("s/0004s.jpg.Ab12Cd")));
    EXPECT_TRUE(host.HasMessage(30217)) << "the repair is told";
    reread->OnCloseDocument();
}

TEST_F(ListSave, AnOpenRemakesAMissingThumbnailFolderAndNamesTheOriginalsItCannotRead)
{
    MakeSavedList();
    const int row = AddRow("写真");
    ProductRecord& record = doc->GetRow(row);
    for (int slot = 0; slot < 4; ++slot) {
        AddFolderedPhoto(slot, false);
        CString original;
        original.Format("org/%04d.jpg", slot);
        ASSERT_TRUE(TestPhotos::WriteJpeg(Photo(original), 400, 300));
        record.photos[record.photoCount++] = slot;
    }
    ASSERT_TRUE(doc->DoSave());
    doc->lockFile.Release();
    // A tool that tidies folders took the thumbnails away, and the last original is cut short.
    std::filesystem::remove_all(FileSystem::ToNative(Photo("s")));
    std::filesystem::remove(FileSystem::ToNative(Photo("m/0003m.jpg")));
    const std::string whole = ReadFileBytes(Photo("org/0003.jpg"));
    WriteFileBytes(Photo("org/0003.jpg"), whole.substr(0, whole.size() / 2));
    Touch(Photo("m/0001m.jpg.Xy12Zw"), "half");

    host.repairText.Empty();
    auto reread = std::make_unique<CZantobyDoc>(host);
    ASSERT_TRUE(reread->ReadListFile(folder + "/A.zbk", CListFileReader::ReadAll));
    for (const char* made : {"s/0000s.jpg", "s/0001s.jpg", "s/0002s.jpg"}) {
        CBitmapEx thumbnail;
        EXPECT_TRUE(thumbnail.LoadJpeg(Photo(made))) << made;
    }
    EXPECT_NE(host.repairText.Find(" 3 枚の画像を作り直しました"), -1);
    EXPECT_NE(host.repairText.Find("0003.jpg"), -1) << "the original that cannot be read is named";
    EXPECT_EQ(WriteLeftovers(folder + "/Photo-A"), std::vector<std::string>());
    reread->OnCloseDocument();
}

TEST_F(ListSave, AFullDiskOrAFolderGoneIsNamedAsTheCauseAndTheListStaysAsItWas)
{
    MakeSavedList();
    AddRow("a");
    ASSERT_TRUE(doc->DoSave());
    const std::string saved = ReadFileBytes(folder + "/A.zbk");

    doc->SetCellTextAt(0, 0, "b");
    doc->SetModifiedFlag();
    FileSystem::SetCommitHook([](const CString&) { return ENOSPC; });
    EXPECT_FALSE(doc->DoSave());
    FileSystem::SetCommitHook(nullptr);
    EXPECT_TRUE(host.HasMessage(40210));
    EXPECT_TRUE(host.errorReports.empty()) << "no unexpected error and no error log";
    EXPECT_EQ(host.failedFile, folder + "/A.zbk");
    EXPECT_EQ(host.failureReason, SystemErrorText(ENOSPC));
    EXPECT_EQ(ReadFileBytes(folder + "/A.zbk"), saved);
    EXPECT_EQ(user.CountFiles("A.zbk."), 0) << "no temporary file left beside the list";
    EXPECT_TRUE(doc->IsModified()) << "the change is still there to be saved";

    std::filesystem::remove_all(FileSystem::ToNative(folder));
    EXPECT_FALSE(doc->DoSave());
    EXPECT_TRUE(host.HasMessage(40209));
    EXPECT_TRUE(host.errorReports.empty());
    EXPECT_EQ(host.failedFile, folder + "/A.zbk");
    EXPECT_EQ(host.failureReason, SystemErrorText(ENOENT));
}

} // namespace
