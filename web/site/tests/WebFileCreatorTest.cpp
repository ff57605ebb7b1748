// The Web file creation run on real folders, with the program's own base files.
#include "web/site/WebFileCreator.h"
#include "platform/FileCommitHook.h"
#include "platform/FileSystem.h"
#include "shared/WebTestList.h"
#include "support/FileBytes.h"
#include "web/site/WebColumnTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class WebFileCreator : public ::testing::Test
{
  protected:
    WebFileCreator()
    {
        creator.SetBaseFolder(ZANTOBY_WEB_BASE);
        list.doc->web.webFolder = "%Default%";
        list.doc->web.listName = "goods";
        web = list.Folder() + "/Web";
    }

    // Makes the standard and thumbnail copies of a photo slot in the list's photo folder.
    void MakePhotoFiles(int slot)
    {
        for (const CString& path : {list.doc->GetMiddlePhotoPath(slot), list.doc->GetThumbnailPath(slot)}) {
            std::filesystem::create_directories(FileSystem::ToNative(path).parent_path());
            WriteFileBytes(path, "jpeg");
        }
    }
    bool Has(const char* name) { return FileSystem::Exists(web + "/" + name); }
    std::string Read(const char* name) { return ReadFileBytes(web + "/" + name); }
    // The warning a run stopped with after its check, or 0 when the check passed (the run is
    // then stopped at the question whether to make the folder).
    int CheckOf(WebCreateForm form)
    {
        form.folder = list.Folder() + "/nowhere";
        list.host.messages.clear();
        list.host.answers = {IDNO};
        EXPECT_FALSE(creator.CreateWebFiles(form, false));
        int id = list.host.messages.empty() ? -1 : list.host.messages.front().id;
        return id == 21201 ? 0 : id;
    }

    WebTestList list;
    CWebFileCreator creator{*list.doc};
    CString web;
};

TEST_F(WebFileCreator, ChecksRefuseNamesThatCollideOrLeaveTheFolder)
{
    WebCreateForm form = creator.LoadSettings();
    EXPECT_EQ(form.folder, web) << "the default folder is the list's Web folder";
    EXPECT_EQ(list.doc->web.webFolder, web);
    EXPECT_FALSE(list.doc->IsModified());

    auto with = [&](auto change) {
        WebCreateForm changed = form;
        change(changed);
        return CheckOf(changed);
    };
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName = "PAGE"; }), 31211);
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName = "List"; }), 31211);
    EXPECT_EQ(with([](WebCreateForm& f) { f.fullName = "GOODS12"; }), 31212);
    EXPECT_EQ(with([](WebCreateForm& f) { f.fullName = "goods123"; }), 31212) << "page 123 of the list";
    EXPECT_EQ(with([](WebCreateForm& f) { f.fullName = "good"; }), 0);
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName = "goods2", f.fullName = "goods"; }), 31212);
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName = "Index"; }), 31211);
    EXPECT_EQ(with([](WebCreateForm& f) { f.fullName = "free"; }), 31212);
    EXPECT_EQ(with([](WebCreateForm& f) { f.rowsPerPage = "101"; }), 31203);
    EXPECT_EQ(with([](WebCreateForm& f) { f.rowsPerPage = "-1"; }), 31203);
    EXPECT_EQ(with([](WebCreateForm& f) { f.rowsPerPage = "100件"; }), 0);
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName = "../../escape"; }), 31213);
    EXPECT_EQ(with([](WebCreateForm& f) { f.extCgi = "cgi/x"; }), 31213);
    EXPECT_EQ(with([](WebCreateForm& f) { f.listName.Empty(); }), 31202);
    EXPECT_EQ(list.doc->web.listName, "goods") << "a refused run stores nothing";

    WebCreateForm emptyFolder = form;
    emptyFolder.folder.Empty();
    list.host.messages.clear();
    EXPECT_FALSE(creator.CreateWebFiles(emptyFolder, false));
    EXPECT_EQ(list.host.messages.front().id, 31201);
}

TEST_F(WebFileCreator, ARunPreparesTheFolderAndWritesEveryFile)
{
    int first = list.AddRow({"机<大>", "120", "70"});
    list.AddRow({"椅子", "45", "80"});
    list.AddPhoto(first, 3, "正面");
    MakePhotoFiles(3);
    WebCreateForm form = creator.LoadSettings();
    form.message = "一行目\r\n\r\n二行目\r\n  \r\n\r\n";
    form.extPage.Empty();
    std::vector<CString> statuses;
    creator.SetStatusSink([&](const CString& text) { statuses.push_back(text); });
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(list.host.messages.front().id, 21201);
    EXPECT_EQ(list.host.messages.back().id, 11201);
    EXPECT_EQ(form.message, "一行目\r\n二行目");
    EXPECT_EQ(form.extPage, "htm") << "an empty extension is filled in";
    EXPECT_TRUE(list.doc->IsModified());
    EXPECT_TRUE(statuses.back().IsEmpty());

    for (const char* name :
         {"index.htm", "list.htm", "free.htm", "construct.htm", "page.htm", "p/page.htm", "goods.htm",
          "goods_data.cgi", "p/0000.htm", "p/0001.htm", "m/0003m.jpg", "s/0003s.jpg"}) {
        EXPECT_TRUE(Has(name)) << name;
    }
    std::string page = Read("goods.htm");
    EXPECT_NE(page.find(CString("机&lt;大&gt;").str()), std::string::npos);
    EXPECT_NE(page.find("<A href=p/0000.htm><IMG src=s/0003s.jpg"), std::string::npos);
    EXPECT_EQ(page.find("<!--$"), std::string::npos) << "every tag was expanded";

    // A second run keeps an edited base file and photo copies that are up to date.
    WriteFileBytes(web + "/list.htm", "<!--$TABLE-->edited");
    WriteFileBytes(web + "/m/0003m.jpg", "kept");
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_NE(Read("goods.htm").find("edited"), std::string::npos);
    EXPECT_EQ(Read("m/0003m.jpg"), "kept");
    std::filesystem::last_write_time(FileSystem::ToNative(list.doc->GetMiddlePhotoPath(3)),
                                     std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(Read("m/0003m.jpg"), "jpeg") << "a newer standard photo is copied again";
}

TEST_F(WebFileCreator, ReCreatingDeletesOnlyTheNumberedFiles)
{
    list.AddPhoto(list.AddRow({"机"}), 3);
    MakePhotoFiles(3);
    WebCreateForm form = creator.LoadSettings();
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    for (const char* name :
         {"s/0003s.jpg", "s/0099s.jpg", "s/logo.gif", "m/0099m.jpg", "m/0003m.png", "p/notes.htm"}) {
        WriteFileBytes(web + "/" + name, "x");
    }
    // The base of the single pages changes after they were written.
    WriteFileBytes(web + "/p/page.htm", "anew <!--$TEXT-->");
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(Read("s/0003s.jpg"), "x") << "a plain run keeps the copies that are up to date";
    EXPECT_TRUE(Has("m/0003m.png"));
    EXPECT_EQ(Read("p/0000.htm").find("anew"), std::string::npos) << "and the pages of unchanged rows";
    for (const char* name : {"p/0042.htm", "p/0000.txt"}) {
        WriteFileBytes(web + "/" + name, "x");
    }
    ASSERT_TRUE(creator.CreateWebFiles(form, true));
    EXPECT_EQ(Read("s/0003s.jpg"), "jpeg") << "re-created, the copies are made anew";
    EXPECT_EQ(Read("p/0000.htm"), CString("anew 机").str()) << "and every single page";
    for (const char* name : {"s/0099s.jpg", "m/0099m.jpg", "m/0003m.png", "p/0042.htm", "p/0000.txt"}) {
        EXPECT_FALSE(Has(name)) << name;
    }
    EXPECT_TRUE(Has("s/logo.gif"));
    EXPECT_TRUE(Has("p/notes.htm"));
}

TEST_F(WebFileCreator, ARecreationKilledHalfWayLeavesEveryPageWholeAndInPlace)
{
    for (int i = 0; i < 40; ++i) {
        CString name;
        name.Format("品%02d", i);
        list.AddRow({name});
    }
    WebCreateForm form = creator.LoadSettings();
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    WriteFileBytes(web + "/p/page.htm", "anew <!--$TEXT-->");
    const pid_t child = fork();
    if (child == 0) {
        int commits = 0;
        FileSystem::SetCommitHook([&commits](const CString&) {
            if (++commits == 20) {
                _exit(0);
            }
            return 0;
        });
        creator.CreateWebFiles(form, true);
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "killed before the run's end";
    int renewed = 0;
    for (int record : creator.GetRows()) {
        CString name;
        name.Format("p/%04d.htm", record);
        ASSERT_TRUE(Has(name)) << name.GetString();
        const std::string page = Read(name);
        CString row;
        row.Format("品%02d", record);
        if (page.starts_with("anew ")) {
            EXPECT_EQ(page, ("anew " + row).str());
            ++renewed;
        } else {
            EXPECT_NE(page.find(row.str()), std::string::npos) << "the old page, whole";
            EXPECT_NE(page.find("</HTML>"), std::string::npos);
        }
    }
    EXPECT_GT(renewed, 0);
    EXPECT_LT(renewed, 40);
}

TEST_F(WebFileCreator, RowsAreExtractedAndSortedByTheColumnRows)
{
    int five = list.AddRow({"ab", "5"});
    list.AddRow({"xx", "1"});
    list.AddRow({"abc", "9"});
    int three = list.AddRow({"cab", "3"});
    WebCreateForm form = creator.LoadSettings();
    ASSERT_EQ(form.columns.size(), 4u);
    std::swap(form.columns[0], form.columns[1]); // the number column sorts first
    form.columns[0].descending = true;
    form.columns[0].from = CWebColumnTable::ParseRangeValue(*list.doc, 1, "2");
    form.columns[0].to = "8";
    form.columns[1].from = "ab";
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(creator.GetRows(), (std::vector<int>{five, three}));
    EXPECT_EQ(list.doc->web.sortEntries[0].column, 1);
    EXPECT_EQ(list.doc->web.sortEntries[4].column, -1) << "entries past the rows name no column";

    form.findMulti = 1;
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(creator.GetRows().size(), 4u - 1) << "either condition: all but xx";
}

TEST_F(WebFileCreator, AFileThatCannotBeWrittenIsReportedAndTheEndIsNotAnnounced)
{
    list.AddRow({"机"});
    WebCreateForm form = creator.LoadSettings();
    std::filesystem::create_directories(FileSystem::ToNative(web + "/goods_data.cgi"));
    list.host.answers = {IDYES};
    EXPECT_FALSE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(list.host.TextOf(31206), "[" + web + "/goods_data.cgi]が作成できません");
    EXPECT_FALSE(list.host.HasMessage(11201));
}

TEST_F(WebFileCreator, TheListsOwnFoldersAreRefusedBeforeAnyFileIsTouched)
{
    int row = list.AddRow({"机"});
    list.AddPhoto(row, 3);
    MakePhotoFiles(3);
    const CString photos = list.Folder() + "/Photo-test";
    // Files of an all-columns name that a run would give up, in the stored folder.
    list.doc->web.webFolder = photos;
    list.doc->web.fullName = "old";
    WriteFileBytes(photos + "/old.htm", "page");
    WebCreateForm form = creator.LoadSettings();
    form.fullName.Empty();
    CString status;
    creator.SetStatusSink([&](const CString& text) { status = text; });
    for (const CString& folder :
         {photos, photos + "/", photos + "/m", photos + "/m/../s/new", list.Folder(), list.Folder() + "/."}) {
        form.folder = folder;
        list.host.messages.clear();
        EXPECT_FALSE(creator.CreateWebFiles(form, true)) << folder.GetString();
        ASSERT_EQ(list.host.messages.size(), 1u) << folder.GetString();
        EXPECT_EQ(list.host.messages[0].id, 31214);
        EXPECT_TRUE(status.IsEmpty()) << "the status line still says " << status.GetString();
    }
    EXPECT_TRUE(FileSystem::Exists(list.doc->GetMiddlePhotoPath(3)));
    EXPECT_TRUE(FileSystem::Exists(list.doc->GetThumbnailPath(3)));
    EXPECT_TRUE(FileSystem::Exists(photos + "/old.htm"));
    EXPECT_FALSE(FileSystem::Exists(photos + "/index.htm"));
    EXPECT_FALSE(FileSystem::Exists(photos + "/m/new"));
    EXPECT_EQ(list.doc->web.webFolder, photos) << "nothing was stored";

    // A folder beside them, or the default one inside the list's folder, is fine.
    form.folder = list.Folder() + "/Photo-testWeb";
    list.host.answers = {IDYES};
    EXPECT_TRUE(creator.CreateWebFiles(form, false));
}

TEST_F(WebFileCreator, AfterARunTheFolderHoldsExactlyThePagesOfThatRun)
{
    int a = list.AddRow({"机A"});
    int b = list.AddRow({"椅子B"});
    int c = list.AddRow({"机C"});
    WebCreateForm form = creator.LoadSettings();
    form.rowsPerPage = "1";
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    CString pageOf[3];
    for (int record : {a, b, c}) {
        pageOf[record].Format("p/%04d.htm", record);
        ASSERT_TRUE(Has(pageOf[record])) << pageOf[record].GetString();
    }
    ASSERT_TRUE(Has("goods2.htm"));
    for (const char* name : {"p/notes.htm", "goods01.htm", "goodsX.htm", "goods7.html"}) {
        WriteFileBytes(web + "/" + name, "the user's");
    }

    // The chair is filtered out: its page and the third list page go, and the pages that stay
    // no longer lead to them.
    form.columns[0].from = "机";
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_FALSE(Has(pageOf[b]));
    EXPECT_FALSE(Has("goods2.htm"));
    for (int record : {a, c}) {
        std::string single = Read(pageOf[record]);
        EXPECT_EQ(single.find(pageOf[b].Mid(2).GetString()), std::string::npos) << single;
        EXPECT_NE(single.find(record == a ? "2</A>" : "1</A>"), std::string::npos) << "two pages now";
    }
    EXPECT_EQ(Read("goods1.htm").find("goods2.htm"), std::string::npos);
    for (const char* name :
         {"goods.htm", "goods1.htm", "p/notes.htm", "goods01.htm", "goodsX.htm", "goods7.html"}) {
        EXPECT_TRUE(Has(name)) << name;
    }

    // Fewer rows a page: the pages past the new count go as well.
    form.rowsPerPage = "0";
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_FALSE(Has("goods1.htm"));
}

TEST_F(WebFileCreator, PhotosOfRowsNoLongerPublishedLeaveTheFolderWithTheirPages)
{
    int a = list.AddRow({"机A"});
    int b = list.AddRow({"椅子B"});
    int c = list.AddRow({"机C"});
    list.AddPhoto(a, 3);
    list.AddPhoto(b, 4);
    list.AddPhoto(b, 5);
    // A duplicated row shares its photos.
    list.AddPhoto(c, 5);
    list.AddPhoto(c, 6);
    for (int slot : {3, 4, 5, 6}) {
        MakePhotoFiles(slot);
    }
    WebCreateForm form = creator.LoadSettings();
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    for (const char* name : {"m/0003m.jpg", "s/0004s.jpg", "m/0005m.jpg", "s/0006s.jpg", "p/0001.htm"}) {
        ASSERT_TRUE(Has(name)) << name;
    }
    // Copies a run keeps untouched tell themselves apart from the photos they were copied from.
    for (const char* name : {"m/0003m.jpg", "s/0003s.jpg", "m/0005m.jpg", "s/0005s.jpg", "m/0006m.jpg"}) {
        WriteFileBytes(web + "/" + name, "kept");
    }
    WriteFileBytes(web + "/s/logo.gif", "the user's");

    // The chair is deleted: its page and its own photo go, the photo it shares stays.
    list.doc->GetRow(b).inUse = false;
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    CString page;
    page.Format("p/%04d.htm", b);
    EXPECT_FALSE(Has(page));
    EXPECT_FALSE(Has("m/0004m.jpg"));
    EXPECT_FALSE(Has("s/0004s.jpg"));
    for (const char* name : {"m/0003m.jpg", "s/0003s.jpg", "m/0005m.jpg", "s/0005s.jpg", "m/0006m.jpg"}) {
        EXPECT_EQ(Read(name), "kept") << name << " was touched";
    }
    EXPECT_TRUE(Has("s/logo.gif"));

    // Extracted away, a row's photos go as well.
    form.columns[0].from = "机A";
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(creator.GetRows(), std::vector<int>{a});
    for (const char* name : {"m/0005m.jpg", "s/0005s.jpg", "m/0006m.jpg", "s/0006s.jpg"}) {
        EXPECT_FALSE(Has(name)) << name;
    }
    EXPECT_EQ(Read("m/0003m.jpg"), "kept");
}

TEST_F(WebFileCreator, TheFreeListLeadsToTheSinglePageOfEachRowWhenThereAreAny)
{
    int a = list.AddRow({"机A", "120"});
    int b = list.AddRow({"椅子B", "45"});
    WebCreateForm form = creator.LoadSettings();
    form.outputMode = 2;
    form.pageView = 1;
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    std::string page = Read("goods.htm");
    EXPECT_EQ(page.find("<!--$"), std::string::npos) << "every tag was expanded";
    for (int record : {a, b}) {
        CString single;
        single.Format("p/%04d.htm", record);
        EXPECT_TRUE(Has(single));
        EXPECT_NE(page.find("<A href=" + single.str() + ">"), std::string::npos) << page;
    }
    EXPECT_NE(page.find(CString("<TD>120</TD>").str()), std::string::npos) << "the other columns follow";

    form.pageView = 0;
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    page = Read("goods.htm");
    EXPECT_FALSE(Has("p/0000.htm"));
    EXPECT_EQ(page.find("p/"), std::string::npos) << "no link to pages that are not made";
    EXPECT_NE(page.find(CString("机A").str()), std::string::npos);
}

TEST_F(WebFileCreator, TheTopPageLeadsToTheListPageAndIsNeverReplaced)
{
    list.AddRow({"机"});
    WebCreateForm form = creator.LoadSettings();
    form.listName = "shouhin";
    list.host.answers = {IDYES};
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    std::string top = Read("index.htm");
    EXPECT_NE(top.find(CString("<A href=\"shouhin.htm\">商品の一覧はこちらです。</A>").str()),
              std::string::npos)
        << top;
    EXPECT_NE(top.find(CString("<TITLE>テスト</TITLE>").str()), std::string::npos) << top;
    EXPECT_EQ(top.find("<!--$"), std::string::npos);

    WriteFileBytes(web + "/index.htm", "edited");
    ASSERT_TRUE(creator.CreateWebFiles(form, false));
    EXPECT_EQ(Read("index.htm"), "edited");
}

} // namespace
