#include "foundation/FileUtility.h"
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

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
        CString name;
        name.Format("%04d", slot);
        Touch(Photo("org/" + name + ".jpg"));
        Touch(Photo("m/" + name + "m.jpg"));
        Touch(Photo("s/" + name + "s.jpg"));
        doc->GetPhoto(slot).inUse = true;
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

} // namespace
