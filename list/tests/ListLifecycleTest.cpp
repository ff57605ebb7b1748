#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/UnprivilegedUser.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Exists(const CString& path)
{
    return FileSystem::Exists(path);
}

class ListLifecycle : public ::testing::Test
{
  protected:
    ListLifecycle() { folder = user.Path().Left(user.Path().GetLength() - 1); }

    std::unique_ptr<CZantobyDoc> NewDoc()
    {
        auto made = std::make_unique<CZantobyDoc>(host);
        made->tempFolder = work.Path();
        return made;
    }

    // A list file with one row, written in the user's folder.
    CString WriteList(const char* name, const char* title)
    {
        auto list = NewDoc();
        list->title = title;
        list->GetRow(0).inUse = true;
        list->GetRow(0).EditCells().SetText(0, "行");
        CString path = folder + "/" + name;
        EXPECT_TRUE(CListFileWriter(*list).Write(path));
        return path;
    }

    TempFolder work;
    TempFolder user;
    CString folder;
    FakeListHost host;
};

TEST_F(ListLifecycle, UntitledListsTakeTheLowestFreeNumber)
{
    auto first = NewDoc();
    auto second = NewDoc();
    auto third = NewDoc();
    ASSERT_TRUE(first->OnNewDocument());
    ASSERT_TRUE(second->OnNewDocument());
    ASSERT_TRUE(third->OnNewDocument());
    EXPECT_EQ(first->GetTitle(), "Zantoby1.zbk");
    EXPECT_EQ(second->workPath, work.Path() + "Zantoby2.zbk");
    EXPECT_EQ(third->photoFolderName, "ZantobyPhoto-3");
    EXPECT_TRUE(Exists(work.Path() + "ZantobyPhoto-2/draw"));

    second->OnCloseDocument();
    EXPECT_FALSE(Exists(work.Path() + "ZantobyPhoto-2"));
    EXPECT_TRUE(host.lastDocumentPath.IsEmpty()) << "a working name is no list to open again";
    auto fourth = NewDoc();
    ASSERT_TRUE(fourth->OnNewDocument());
    EXPECT_EQ(fourth->GetTitle(), "Zantoby2.zbk");
}

TEST_F(ListLifecycle, LeftoverWorkingFolderIsMadeAnew)
{
    FileSystem::CreateFolder(work.Path() + "ZantobyPhoto-1");
    WriteFileBytes(work.Path() + "ZantobyPhoto-1/0000.jpg", "x");
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_FALSE(Exists(work.Path() + "ZantobyPhoto-1/0000.jpg"));
    EXPECT_TRUE(Exists(work.Path() + "ZantobyPhoto-1/org"));
}

TEST_F(ListLifecycle, TemplateGivesSettingsWithoutClaimingTheTemplate)
{
    CString path = WriteList("雛形.zbk", "雛形の題");
    chmod(FileSystem::ToNative(path).c_str(), 0444);
    FileSystem::CreateFolder(folder + "/WebBase");
    WriteFileBytes(folder + "/WebBase/list.htm", "x");
    WriteFileBytes(folder + "/WebBase/page.htm", "x");

    auto first = NewDoc();
    ASSERT_TRUE(first->OnOpenDocument("template:" + path + "," + folder + "/WebBase/list.htm"));
    EXPECT_EQ(first->title, "雛形の題");
    EXPECT_FALSE(first->GetRow(0).inUse) << "a template gives no rows";
    EXPECT_EQ(first->displayCount, 1);
    EXPECT_FALSE(first->readOnly) << "a read-only template makes no read-only list";
    EXPECT_FALSE(Exists(path + "$"));
    EXPECT_EQ(first->GetPathName(), "Zantoby1");
    EXPECT_EQ(first->web.webFolder, work.Path() + "ZantobyWeb-1");
    EXPECT_TRUE(Exists(work.Path() + "ZantobyWeb-1/page.htm"));

    // A second list from the same template, and a new list after it, each get their own number.
    auto second = NewDoc();
    ASSERT_TRUE(second->OnOpenDocument("template:" + path));
    EXPECT_FALSE(host.HasMessage(30216));
    EXPECT_TRUE(second->web.webFolder.IsEmpty());
    auto third = NewDoc();
    ASSERT_TRUE(third->OnNewDocument());
    EXPECT_EQ(third->GetTitle(), "Zantoby3.zbk");

    first->OnCloseDocument();
    EXPECT_FALSE(Exists(work.Path() + "ZantobyWeb-1"));
    EXPECT_TRUE(Exists(folder + "/WebBase/page.htm"));
    EXPECT_TRUE(Exists(path));
}

TEST_F(ListLifecycle, AnotherProgramsListOpensOnlyReadOnly)
{
    CString path = WriteList("共有.zbk", "共有");
    auto owner = NewDoc();
    ASSERT_TRUE(owner->OnOpenDocument(path));
    EXPECT_TRUE(Exists(path + "$"));
    EXPECT_EQ(owner->GetPathName(), path);
    EXPECT_EQ(host.recentFiles.back(), path);

    auto refused = NewDoc();
    host.answers = {IDNO};
    EXPECT_FALSE(refused->OnOpenDocument(path));
    EXPECT_TRUE(host.HasMessage(30216));

    auto reader = NewDoc();
    host.answers = {IDYES};
    ASSERT_TRUE(reader->OnOpenDocument(path));
    EXPECT_TRUE(reader->readOnly);
    EXPECT_TRUE(reader->GetRow(0).inUse);
    reader->OnCloseDocument();
    EXPECT_TRUE(Exists(path + "$")) << "only the lock's holder removes it";

    owner->OnCloseDocument();
    EXPECT_FALSE(Exists(path + "$"));
    EXPECT_EQ(host.lastDocumentPath, path);
}

TEST_F(ListLifecycle, CloseRemovesTheLockItTookWhereverTheProgramStands)
{
    CString path = WriteList("相対.zbk", "相対");
    char* before = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(FileSystem::ToNative(folder).c_str()), 0);
    auto doc = NewDoc();
    bool opened = doc->OnOpenDocument("相対.zbk");
    ASSERT_EQ(chdir(work.Path().GetString()), 0);
    EXPECT_TRUE(opened);
    WriteFileBytes(work.Path() + "相対.zbk$", "x");
    doc->OnCloseDocument();
    EXPECT_FALSE(Exists(path + "$"));
    EXPECT_TRUE(Exists(work.Path() + "相対.zbk$")) << "another folder's file of the same name stays";
    ASSERT_EQ(chdir(before), 0);
    free(before);
}

TEST_F(ListLifecycle, ReadOnlyFileOpensReadOnlyWithoutALock)
{
    CString path = WriteList("固定.zbk", "固定");
    chmod(FileSystem::ToNative(path).c_str(), 0444);
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_TRUE(doc->readOnly);
    EXPECT_FALSE(Exists(path + "$"));
    EXPECT_TRUE(host.messages.empty()) << "a file marked read-only opens so without a word";
}

TEST_F(ListLifecycle, AListInAFolderTheUserCannotWriteOpensReadOnlySayingSo)
{
    const CString path = WriteList("共有.zbk", "共有");
    // A colleague's folder, the installed templates: readable, never writable for this user.
    chmod(FileSystem::ToNative(folder).c_str(), 0555);
    UnprivilegedUser::LetThrough(FileSystem::ToNative(folder));
    const int outcome = UnprivilegedUser::Run([&] {
        auto doc = NewDoc();
        if (!doc->OnOpenDocument(path) || !doc->GetRow(0).inUse) {
            return 1;
        }
        if (!doc->readOnly || Exists(path + "$")) {
            return 2;
        }
        if (host.HasMessage(30216) || !host.HasMessage(30221)) {
            return 3;
        }
        return 0;
    });
    chmod(FileSystem::ToNative(folder).c_str(), 0700);
    EXPECT_EQ(outcome, 0) << "1: not opened, 2: not read-only or claimed, 3: not the message of the folder";
}

TEST_F(ListLifecycle, CloseNeverDeletesAWebFolderOutsideTheWorkingFolder)
{
    TempFolder foreign;
    WriteFileBytes(foreign.Path() + "index.htm", "x");
    for (CString web : {CString(), CString("relative"), foreign.Path()}) {
        auto doc = NewDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        doc->web.webFolder = web;
        doc->OnCloseDocument();
        EXPECT_FALSE(Exists(work.Path() + "ZantobyPhoto-1"));
    }
    EXPECT_TRUE(Exists(foreign.Path() + "index.htm"));
}

TEST_F(ListLifecycle, AutomaticOrganiserBuildsAnUntitledList)
{
    auto cancelled = NewDoc();
    EXPECT_FALSE(cancelled->OnOpenDocument("autophoto:"));
    EXPECT_TRUE(cancelled->IsUndoOn());

    host.autoPhoto = [](CZantobyDoc& doc) {
        doc.CreateWorkFolders(CString());
        return IDOK;
    };
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnOpenDocument("autophoto:"));
    EXPECT_EQ(doc->GetPathName(), "Zantoby1");
    EXPECT_TRUE(host.recentFiles.empty());
}

TEST_F(ListLifecycle, PhotoEditorsFollowTheList)
{
    CString path = WriteList("編集.zbk", "編集");
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnOpenDocument(path));
    RecordingView view;
    doc->AddView(&view);
    ASSERT_TRUE(doc->OpenPhotoEditor(3));
    ASSERT_TRUE(doc->OpenPhotoEditor(4));
    doc->OnPhotoEdited(3);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_GE(view.received.size(), 2u);
    EXPECT_EQ(view.received[0].hint, 4);
    EXPECT_EQ(view.received[0].arg.photo, 3);
    doc->OnPhotoEditorClosed(4);
    EXPECT_EQ(doc->editingPhotos.size(), 1u);

    doc->OnSaveDocument(path);
    ASSERT_EQ(host.editorSaveRequests.size(), 1u);
    EXPECT_EQ(host.editorSaveRequests[0], path + "?3");
    doc->OnCloseDocument();
    EXPECT_EQ(host.editorDocuments, std::vector<CString>{path + "?4"})
        << "an editor that closed itself is not closed again";
    EXPECT_EQ(view.received.back().hint, 17);
    doc->RemoveView(&view);
}

} // namespace
