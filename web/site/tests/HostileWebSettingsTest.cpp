// Web output of lists from elsewhere, whose Web settings and photo folder were written by hand:
// a run and the list's save touch nothing outside the list's folder and the Web folder the run
// writes into.
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "platform/FileSystem.h"
#include "shared/WebTestList.h"
#include "support/FileBytes.h"
#include "support/FileTree.h"
#include "web/site/WebFileCreator.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

class HostileWebSettings : public ::testing::Test
{
  protected:
    HostileWebSettings()
    {
        root = list.Folder();
        folder = root + "/lists";
        FileSystem::CreateFolder(folder);
        for (const char* victim : {"/victim", "/lists/victim"}) {
            for (const char* sub : {"", "/s", "/m", "/p", "/org"}) {
                FileSystem::CreateFolder(root + victim + sub);
            }
            for (const char* file : {"/.bashrc", "/.cgi", "/s/0000s.jpg", "/m/0000m.jpg", "/p/0000.htm",
                                     "/org/0000.jpg", "/list.htm", "/goods.htm"}) {
                WriteFileBytes(root + victim + file, "someone else's");
            }
        }
        list.AddPhoto(list.AddRow({"机", "120", "70"}), 0, "正面");
        list.AddRow({"椅子", "45", "80"});
        list.doc->web.webFolder = "%Default%";
        list.doc->web.listName = "goods";
    }

    // Writes the list with its settings changed as a sender might have, and opens it as
    // received: the document the user then works on.
    CZantobyDoc& Receive(const std::function<void(CZantobyDoc&)>& change)
    {
        list.doc->listFolder = folder;
        list.doc->photoFolderName = "Photo-A";
        change(*list.doc);
        const CString path = folder + "/A.zbk";
        EXPECT_TRUE(CListFileWriter(*list.doc).Write(path));
        if (received) {
            received->OnCloseDocument();
        }
        received = std::make_unique<CZantobyDoc>(list.host);
        received->tempFolder = work.Path();
        EXPECT_TRUE(received->OnOpenDocument(path));
        creator = std::make_unique<CWebFileCreator>(*received);
        creator->SetBaseFolder(ZANTOBY_WEB_BASE);
        return *received;
    }

    // The user presses 作成 on the form as it was loaded (changed as given), saying yes to
    // every question.
    bool Create(const std::function<void(WebCreateForm&)>& change = {})
    {
        form = creator->LoadSettings();
        if (change) {
            change(form);
        }
        list.host.messages.clear();
        list.host.texts.clear();
        list.host.answers.assign(40, IDYES);
        return creator->CreateWebFiles(form, false);
    }

    // The numbers of the boxes shown, for a failure's report.
    std::string Messages() const
    {
        std::string ids;
        for (const auto& message : list.host.messages) {
            ids += std::to_string(message.id) + " ";
        }
        return ids;
    }

    TempFolder work;
    WebTestList list;
    CString root;
    CString folder;
    std::unique_ptr<CZantobyDoc> received;
    std::unique_ptr<CWebFileCreator> creator;
    WebCreateForm form;
};

TEST_F(HostileWebSettings, GivingUpAnAllColumnsNameFromTheFileRemovesNothingOutside)
{
    FileSystem::CreateFolder(folder + "/Web"); // made by an earlier run
    const FileTree before = ReadFileTree(root + "/lists/victim");
    Receive([](CZantobyDoc& doc) {
        doc.web.fullName = "../victim/";
        doc.web.extList = "bashrc";
    });
    ASSERT_TRUE(Create([](WebCreateForm& f) { f.fullName = "all"; }));
    EXPECT_TRUE(ChangedPaths(before, ReadFileTree(root + "/lists/victim")).empty());
    EXPECT_TRUE(FileSystem::Exists(folder + "/Web/all.bashrc"));
}

TEST_F(HostileWebSettings, TheOldAllColumnsPagesGoOnlyFromTheRunsOwnFolder)
{
    // The sender's Web folder, which happens to be a folder of this user too.
    FileSystem::CreateFolder(root + "/elsewhere");
    for (const char* page : {"/goods.htm", "/goods.cgi"}) {
        WriteFileBytes(root + "/elsewhere" + page, "the user's own");
    }
    Receive([&](CZantobyDoc& doc) {
        doc.web.webFolder = root + "/elsewhere";
        doc.web.fullName = "goods";
        doc.web.listName = "items";
    });
    EXPECT_TRUE(Create([&](WebCreateForm& f) {
        f.folder = folder + "/Web";
        f.fullName = "all";
    })) << Messages();
    EXPECT_TRUE(FileSystem::Exists(root + "/elsewhere/goods.htm")) << "the user chose another folder";
    EXPECT_TRUE(FileSystem::Exists(root + "/elsewhere/goods.cgi"));

    Receive([&](CZantobyDoc& doc) {
        doc.web.webFolder = folder + "/Web";
        doc.web.fullName = "old";
    });
    WriteFileBytes(folder + "/Web/old.htm", "old all-columns page");
    EXPECT_TRUE(Create([](WebCreateForm& f) { f.fullName = "every"; })) << Messages();
    EXPECT_FALSE(FileSystem::Exists(folder + "/Web/old.htm")) << "in the run's folder it goes";
}

TEST_F(HostileWebSettings, AWebFolderThatIsNoWholePathIsRefusedAndNamed)
{
    for (const char* setting : {"C:\\Web", "Web", "../victim", "/lists/../victim", "//"}) {
        SCOPED_TRACE(setting);
        Receive([&](CZantobyDoc& doc) { doc.web.webFolder = setting; });
        const FileTree before = ReadFileTree(root);
        EXPECT_FALSE(Create());
        EXPECT_NE(list.host.TextOf(31215).Find(setting), -1);
        if (setting[0] != '/') {
            EXPECT_FALSE(FileSystem::Exists(setting)) << "nothing made where the program was started";
        }
        EXPECT_TRUE(ChangedPaths(before, ReadFileTree(root)).empty());
    }
}

// Random settings of the kinds a list file can hold: a run and a save change only the list's
// own files, its photo folder and the Web folder of the run.
TEST_F(HostileWebSettings, RandomSettingsTouchOnlyTheListAndTheRunsFolder)
{
    const std::vector<std::string> folders = {"%Default%", "", ".", "..", "../victim", "victim/..", "/",
                                              "C:\\Web", (root + "/elsewhere").str(), (root + "/../x").str(),
                                              "Web", "a/b", "表\\", (folder + "/Web").str()};
    const std::vector<std::string> names = {"goods", "", ".", "..", "../victim/", "../../victim", "victim/..",
                                            "a/b", "/tmp/x", "x.y", "表", "bashrc", "list", "page", "goods1",
                                            "htm", "cgi", std::string(300, 'n')};
    const std::vector<std::string> photoFolders = {"Photo-A", "", "..", ".", "../victim", "victim/../..",
                                                   (root + "/victim").str(), "a/b", "写真表"};
    std::mt19937 random(20261211);
    auto pick = [&](const std::vector<std::string>& from) {
        return CString(from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)]);
    };
    for (int round = 0; round < 120; ++round) {
        SCOPED_TRACE(round);
        const FileTree before = ReadFileTree(root);
        CString photoFolder;
        CZantobyDoc& doc = Receive([&](CZantobyDoc& sent) {
            sent.web.webFolder = pick(folders);
            sent.web.listName = pick(names);
            sent.web.fullName = pick(names);
            sent.web.extList = pick(names);
            sent.web.extPage = pick(names);
            sent.web.extCgi = pick(names);
            sent.backupFolder = pick(folders);
            photoFolder = pick(photoFolders);
            sent.photoFolderName = photoFolder;
        });
        const CString newName = random() % 2 == 0 ? pick(names) : CString();
        const bool created = Create([&](WebCreateForm& f) {
            if (!newName.IsEmpty()) {
                f.fullName = newName;
            }
        });
        doc.SetModifiedFlag(true);
        EXPECT_TRUE(doc.DoSave());
        doc.OnCloseDocument();

        std::vector<std::string> allowed = {"lists/Photo-A", "lists/" + doc.photoFolderName.str()};
        if (created || FileSystem::IsSameOrInside(form.folder, root)) {
            const std::string inside = form.folder.Mid(root.GetLength() + 1).str();
            // The run's folder, when it is one the user could choose: never the victims'.
            EXPECT_EQ(inside.find("victim"), std::string::npos) << form.folder.GetString();
            allowed.push_back(inside);
        }
        std::vector<std::string> changed = ChangedPaths(before, ReadFileTree(root), allowed);
        std::erase(changed, "~lists/A.zbk");
        std::erase(changed, "+lists/A.zbk");
        EXPECT_TRUE(changed.empty()) << "web folder " << doc.web.webFolder.GetString() << ", photo folder "
                                     << photoFolder.GetString() << ": " << ::testing::PrintToString(changed);
        received.reset();
    }
}

} // namespace
