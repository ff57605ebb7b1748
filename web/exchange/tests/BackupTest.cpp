#include "list/tests/support/FileBytes.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/exchange/BackupEngine.h"
#include "web/exchange/IBackupMonitor.h"
#include "web/exchange/testing/ExchangeList.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kSlots[] = {0, 1, 5};

class RecordingMonitor : public IBackupMonitor
{
  public:
    void ShowBackupStatus(const CString& text) override { status = text; }
    void SetBackupProgress(int position) override { progress = position; }
    bool IsBackupCancelled() override { return --callsBeforeCancel == 0; }

    CString status;
    int progress = -1;
    int callsBeforeCancel = -1; // never
};

// The backup onto disks of a fixed size: a copy that would overfill the present disk fails as
// a full disk would.
class CountingBackup : public CBackupEngine
{
  public:
    using CBackupEngine::CBackupEngine;

    int CopyFile(const CString& source, const CString& target) override
    {
        ++copies;
        if (diskSize > 0) {
            std::error_code error;
            auto size = static_cast<std::int64_t>(fs::file_size(FileSystem::ToNative(source), error));
            if (used + size > diskSize) {
                return ENOSPC;
            }
            used += size;
        }
        return CBackupEngine::CopyFile(source, target);
    }

    int copies = 0;
    std::int64_t diskSize = 0;
    std::int64_t used = 0;
};

class Backup : public ::testing::Test, public ExchangeList
{
  protected:
    Backup() : destination(temp.Path() + "保存先/2024"), engine(*doc, monitor)
    {
        WriteFileBytes(ListPath(), "[informations]\n");
        int row = AddRow({"ねじ"});
        for (int slot : kSlots) {
            doc->GetPhoto(slot).inUse = true;
            for (const CString& file : PhotoFiles(PhotoFolder(), slot)) {
                FileSystem::CreateFolder(GetFolderOf(file));
                WriteFileBytes(file, std::string(100, 'p'));
            }
            doc->AddPhotoToRow(0, -1, slot, 0);
        }
        EXPECT_EQ(doc->GetRow(row).photoCount, 3);
        doc->DeleteUndoFiles(0);
        doc->SetModifiedFlag(false);
    }

    static CString GetFolderOf(const CString& file) { return file.Left(file.ReverseFind('/')); }

    // The four files of a slot under a photo folder.
    static std::vector<CString> PhotoFiles(const CString& folder, int slot)
    {
        CString number;
        number.Format("%04d", slot);
        return {folder + "/draw/" + number + ".drw", folder + "/org/" + number + ".jpg",
                folder + "/m/" + number + "m.jpg", folder + "/s/" + number + "s.jpg"};
    }

    // Every file a backup of the list consists of, under the backup folder.
    std::vector<CString> BackupFiles(const CString& folder) const
    {
        std::vector<CString> files = {folder + "/商品.zbk"};
        for (int slot : kSlots) {
            for (const CString& file : PhotoFiles(folder + "/" + doc->photoFolderName, slot)) {
                files.push_back(file);
            }
        }
        return files;
    }

    bool Run(bool changedOnly, bool severalDisks = false, bool settingsChanged = false)
    {
        outcome = engine.Run(destination, severalDisks, changedOnly, settingsChanged);
        return outcome == CBackupEngine::Outcome::Completed;
    }

    CString destination;
    CBackupEngine::Outcome outcome = CBackupEngine::Outcome::NotStarted;
    RecordingMonitor monitor;
    CountingBackup engine;
};

TEST_F(Backup, ADestinationThatIsNoAbsoluteFolderIsRefusedButKept)
{
    destination = "保存先";
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(outcome, CBackupEngine::Outcome::NotStarted);
    EXPECT_TRUE(host.HasMessage(30500));
    EXPECT_EQ(engine.copies, 0);
    EXPECT_EQ(doc->backupFolder, "保存先");
}

TEST_F(Backup, TheListsOwnFolderIsRefusedBeforeAnyFileIsTouched)
{
    doc->SetModifiedFlag();
    const std::string before = ReadFileBytes(ListPath());
    for (const CString& folder : {doc->listFolder, doc->listFolder + "/", doc->listFolder + "/控え",
                                  PhotoFolder() + "/org", doc->listFolder + "/控え/.."}) {
        destination = folder;
        host.messages.clear();
        EXPECT_FALSE(Run(false)) << folder.GetString();
        EXPECT_EQ(outcome, CBackupEngine::Outcome::NotStarted);
        ASSERT_EQ(host.messages.size(), 1u) << "refused before the question to save";
        EXPECT_EQ(host.messages[0].id, 30502);
    }
    EXPECT_EQ(engine.copies, 0);
    EXPECT_EQ(ReadFileBytes(ListPath()), before);
    EXPECT_FALSE(FileSystem::Exists(doc->listFolder + "/控え"));
    EXPECT_EQ(doc->backupFolder, doc->listFolder + "/控え/..") << "kept for the user to correct";
}

TEST_F(Backup, PhotosWithoutADrawingAreNoError)
{
    for (int slot : kSlots) {
        fs::remove(FileSystem::ToNative(PhotoFiles(PhotoFolder(), slot)[0]));
    }
    ASSERT_TRUE(Run(false));
    EXPECT_TRUE(host.messages.empty());
    for (const CString& file : BackupFiles(destination)) {
        EXPECT_EQ(FileSystem::Exists(file), file.Find("/draw/") < 0) << file.GetString();
    }
}

TEST_F(Backup, CopiesTheListFileBesideItsPhotoFolderWithItsFourSubFolders)
{
    ASSERT_TRUE(Run(false));
    for (const CString& file : BackupFiles(destination)) {
        EXPECT_TRUE(FileSystem::Exists(file)) << file.GetString();
    }
    EXPECT_EQ(ReadFileBytes(destination + "/商品.zbk"), "[informations]\n");
    EXPECT_EQ(monitor.status, "完了しました");
    EXPECT_EQ(monitor.progress, CBackupEngine::kProgressEnd);
    EXPECT_TRUE(host.messages.empty()) << "an unchanged list is not saved first";
}

TEST_F(Backup, ASecondRunOfChangesOnlyCopiesWhatChangedSince)
{
    ASSERT_TRUE(Run(false));
    engine.copies = 0;
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(engine.copies, 0);

    CString changed = PhotoFiles(PhotoFolder(), 5)[1];
    fs::last_write_time(FileSystem::ToNative(changed),
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(engine.copies, 1);
}

TEST_F(Backup, AMissingPhotoFileIsPassedOverForChangesOnlyAndAskedAboutOtherwise)
{
    fs::remove(FileSystem::ToNative(PhotoFiles(PhotoFolder(), 1)[2]));
    EXPECT_TRUE(Run(true));
    EXPECT_TRUE(host.messages.empty());

    host.answers = {IDNO};
    EXPECT_TRUE(Run(false)) << "No skips the file";
    EXPECT_NE(host.TextOf(20500).Find("0001m.jpg"), -1);

    host.answers = {IDYES};
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(monitor.status, "中断しました");
}

TEST_F(Backup, ChangesAreSavedFirstOnlyWhenTheUserAgrees)
{
    doc->SetModifiedFlag();
    host.answers = {IDCANCEL};
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(outcome, CBackupEngine::Outcome::NotStarted);
    EXPECT_TRUE(host.HasMessage(20200));
    EXPECT_FALSE(FileSystem::Exists(destination));

    doc->SetModifiedFlag(false);
    host.answers = {IDOK};
    ASSERT_TRUE(Run(false, false, true)) << "changed settings are saved with the list";
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->savedChanges);
    EXPECT_EQ(ReadFileBytes(destination + "/商品.zbk"), ReadFileBytes(ListPath()));
    EXPECT_NE(ReadFileBytes(ListPath()), "[informations]\n");
}

TEST_F(Backup, SeveralDisksAreAskedForInTurnAndTheBackupGoesOnOnTheNext)
{
    int disks = 0;
    host.onMessage = [&](int id) {
        if ((id == 20501 || id == 20502) && FileSystem::Exists(destination)) {
            CString full;
            full.Format("%s.%d", destination.GetString(), disks++);
            fs::rename(FileSystem::ToNative(destination), FileSystem::ToNative(full));
            engine.used = 0;
        }
    };
    engine.diskSize = 500;
    ASSERT_TRUE(Run(false, true));
    // Disks are counted from 1, and a disk that filled up is said to be full.
    EXPECT_EQ(host.CountOf(20501), 1);
    ASSERT_GE(host.CountOf(20502), 2);
    EXPECT_EQ(host.texts[0].second, "ﾄﾞﾗｲﾌﾞ " + destination + " に 1 番目のﾃﾞｨｽｸを挿入してください");
    EXPECT_EQ(host.texts[1].second,
              "ﾃﾞｨｽｸがいっぱいです\n\nﾄﾞﾗｲﾌﾞ " + destination + " に 2 番目のﾃﾞｨｽｸを挿入してください");
    EXPECT_NE(host.texts[2].second.Find("3 番目"), -1) << host.texts[2].second.GetString();
    for (const CString& file : BackupFiles(destination)) {
        bool found = FileSystem::Exists(file);
        for (int disk = 0; disk < disks && !found; ++disk) {
            CString full;
            full.Format("%s.%d", destination.GetString(), disk);
            found = FileSystem::Exists(full + file.Mid(destination.GetLength()));
        }
        EXPECT_TRUE(found) << file.GetString();
    }

    host.answers = {IDOK, IDCANCEL};
    EXPECT_FALSE(Run(false, true)) << "a cancelled prompt ends the run";
}

TEST_F(Backup, WithoutSeveralDisksTheDiskInTheDriveIsTheFirstAndAFullOneAsksForTheSecond)
{
    host.onMessage = [&](int id) {
        if (id == 20502) {
            engine.used = 0;
        }
    };
    engine.diskSize = 500;
    ASSERT_TRUE(Run(false));
    EXPECT_EQ(host.CountOf(20501), 0);
    ASSERT_GE(host.CountOf(20502), 1);
    EXPECT_EQ(host.texts[0].second,
              "ﾃﾞｨｽｸがいっぱいです\n\nﾄﾞﾗｲﾌﾞ " + destination + " に 2 番目のﾃﾞｨｽｸを挿入してください");
}

TEST_F(Backup, AFolderThatCannotBeMadeOrACancelEndsTheRun)
{
    WriteFileBytes(temp.Path() + "ファイル", "x");
    destination = temp.Path() + "ファイル/保存先";
    EXPECT_FALSE(Run(false));
    EXPECT_NE(host.TextOf(30501).Find("ファイル"), -1) << host.TextOf(30501).GetString();
    EXPECT_EQ(monitor.status, "中断しました");

    destination = temp.Path() + "保存先";
    monitor.callsBeforeCancel = 2;
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(monitor.status, "中断しました");
}

} // namespace
