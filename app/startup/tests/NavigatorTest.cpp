#include "app/listwindow/ListSummary.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/SampleListMaker.h"
#include "foundation/tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A list file as the list writer lays it out, with rows r0000.. and the photos given.
std::string ListText(int version, const std::string& title, int rows, const std::vector<int>& photos)
{
    std::string text = "ver=" + std::to_string(version) + "\r\n; comment\r\n[informations]\r\ntitle='" +
                       title +
                       "'\r\n[columns]\r\nc0=text\r\n[output]\r\nfolder='%Default%'\r\nlistname='list'\r\n"
                       "ext.list='htm'\r\ntitle='Web版'\r\n[page]\r\ndevice=''\r\n[products]\r\n";
    char key[32];
    for (int row = 0; row < rows; ++row) {
        std::snprintf(key, sizeof(key), "r%04d=", row);
        text += key + std::string("'x'\r\n");
    }
    text += "[photos]\r\nfolder='photo'\r\n";
    for (int photo : photos) {
        std::snprintf(key, sizeof(key), "r%04d=", photo);
        text += key + std::string("320,240,'p'\r\n");
    }
    return text;
}

class NavigatorTest : public testing::Test
{
  protected:
    // A list with its thumbnails drawn.
    CString MakeList(const char* name, int rows, const std::vector<int>& photos,
                     const char* title = "春の商品")
    {
        const CString path = scratch / name;
        ScratchFolder::WriteBytes(path, ListText(210800, title, rows, photos));
        for (int photo : photos) {
            CString thumbnail;
            thumbnail.Format("%s/photo/s/%04ds.jpg", scratch.Path().GetString(), photo);
            ScratchFolder::WriteBytes(thumbnail, "");
            EXPECT_TRUE(CSampleListMaker::DrawPhoto(thumbnail, photo));
        }
        return path;
    }

    // An "Info.txt" of entries caption, picture, list and Web page, each with one description
    // line, in a folder with the pictures.
    void WriteInfo(const char* folder, const std::string& entries)
    {
        ScratchFolder::WriteBytes(scratch / folder + "/Info.txt", "template list\r\n" + entries);
        ScratchFolder::WriteBytes(scratch / folder + "/pic.jpg", "");
        ASSERT_TRUE(CSampleListMaker::DrawPhoto(scratch / folder + "/pic.jpg", 1));
    }

    static std::string Entry(int n, const char* list = "a.zbk", const char* web = "web/index.htm")
    {
        return "見本" + std::to_string(n) + "\r\npic.jpg\r\n" + list + "\r\n" + web + "\r\n説明\r\n::\r\n";
    }

    ScratchFolder scratch;
};

} // namespace

TEST_F(NavigatorTest, SummaryReadsTitleCountsAndWebPageWithoutOpeningTheList)
{
    const CString path = MakeList("new.zbk", 3, {9, 10000, 12});
    CListSummary summary;
    ASSERT_TRUE(summary.Read(path));
    EXPECT_EQ(summary.GetTitle(), "春の商品") << "the list's own title, not the Web page's";
    EXPECT_EQ(summary.GetRowCount(), 3);
    EXPECT_EQ(summary.GetPhotoCount(), 2) << "r10000 is no photo";
    EXPECT_EQ(summary.GetPhotoAt(1), 12);
    EXPECT_EQ(summary.GetPhotoAt(2), -1);
    EXPECT_EQ(summary.GetThumbnailPath(9), scratch / "photo/s/0009s.jpg");
    EXPECT_EQ(summary.GetWebPagePath(), scratch / "Web/list.htm");

    ScratchFolder::WriteBytes(scratch / "old.zbk", ListText(210503, "a\\nb", 0, {}));
    ScratchFolder::WriteBytes(scratch / "escaped.zbk", ListText(210504, "a\\nb", 0, {}));
    ASSERT_TRUE(summary.Read(scratch / "old.zbk"));
    EXPECT_EQ(summary.GetTitle(), "a\\nb");
    ASSERT_TRUE(summary.Read(scratch / "escaped.zbk"));
    EXPECT_EQ(summary.GetTitle(), "a\nb");

    EXPECT_FALSE(summary.Read(scratch / "missing.zbk"));
    EXPECT_TRUE(summary.GetTitle().IsEmpty());
}

TEST_F(NavigatorTest, ASummaryFollowsNoWebPageOrPhotoFolderOutsideTheList)
{
    auto withSettings = [&](const std::string& output, const std::string& photos) {
        std::string text = ListText(210800, "他人", 0, {7});
        text.replace(text.find("folder='%Default%'\r\nlistname='list'\r\next.list='htm'"), 51, output);
        text.replace(text.find("folder='photo'"), 14, photos);
        ScratchFolder::WriteBytes(scratch / "received.zbk", text);
        CListSummary summary;
        EXPECT_TRUE(summary.Read(scratch / "received.zbk"));
        return summary;
    };
    for (const char* output : {"folder='%Default%'\r\nlistname='../../x'\r\next.list='htm'",
                               "folder='%Default%'\r\nlistname='list'\r\next.list='htm/../../x'",
                               "folder='Web'\r\nlistname='list'\r\next.list='htm'",
                               "folder='/srv/../etc'\r\nlistname='list'\r\next.list='htm'"}) {
        SCOPED_TRACE(output);
        EXPECT_TRUE(withSettings(output, "folder='photo'").GetWebPagePath().IsEmpty()) << "no page to open";
    }
    const CListSummary summary =
        withSettings("folder='/srv/web'\r\nlistname='goods'\r\next.list='html'", "folder='../../elsewhere'");
    EXPECT_EQ(summary.GetWebPagePath(), "/srv/web/goods.html") << "a whole folder of its own is followed";
    EXPECT_EQ(summary.GetThumbnailPath(7), scratch / "Photo-received/s/0007s.jpg");
}

TEST_F(NavigatorTest, InfoFileGivesAtMostFiveEntriesAndAnEntryCutShortStaysEmpty)
{
    std::string six;
    for (int i = 1; i <= 6; ++i) {
        six += Entry(i);
    }
    WriteInfo("Six", six);
    std::vector<NavigatorEntry> entries;
    CNavigatorModel::ReadInfoFile(scratch / "Six", false, entries);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(entries[4].valid);
    EXPECT_EQ(entries[4].caption, "見本5");
    EXPECT_EQ(entries[0].listPath, scratch / "Six/a.zbk");
    EXPECT_EQ(entries[0].webPath, scratch / "Six/web/index.htm");
    EXPECT_EQ(entries[0].description, "説明\r\n");

    WriteInfo("Cut", Entry(1, "a.zbk", "") + "見本2\r\npic.jpg\r\nb.zbk\r\n");
    CNavigatorModel::ReadInfoFile(scratch / "Cut", false, entries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].valid);
    EXPECT_TRUE(entries[0].webPath.IsEmpty()) << "no page named, no page to open";
    EXPECT_FALSE(entries[1].valid);
    CNavigatorModel::ReadInfoFile(scratch / "Cut", true, entries);
    EXPECT_EQ(entries.size(), 5u);

    WriteInfo("NoPicture", "見本\r\nmissing.png\r\na.zbk\r\nw.htm\r\n");
    CNavigatorModel::ReadInfoFile(scratch / "NoPicture", false, entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].valid);
}

TEST_F(NavigatorTest, TabsOfTemplatesSamplesAndRecentListsEndInTheirOwnEntries)
{
    WriteInfo("Template", Entry(1, "t.zbk", "web/index.htm"));
    WriteInfo("Sample", Entry(1, "s.zbk") + Entry(2, "missing.zbk"));
    ScratchFolder::WriteBytes(scratch / "Sample/s.zbk", ListText(210800, "見本", 4, {1, 2}));
    const CString single = MakeList("single.zbk", 1, {5});
    const CString bare = MakeList("bare.zbk", 2, {}, "写真なし");
    CStringArray recent;
    for (const CString& path : {single, bare, scratch / "gone.zbk"}) {
        recent.Add(path);
    }

    CNavigatorModel model;
    model.Build(scratch.Path(), scratch / "Sample", recent);
    const std::vector<NavigatorEntry>& templates = model.GetEntries(CNavigatorModel::kTemplateTab);
    ASSERT_EQ(templates.size(), 6u);
    EXPECT_TRUE(templates[0].valid);
    EXPECT_FALSE(templates[1].valid);
    EXPECT_EQ(templates[5].caption, "手動で作成");
    EXPECT_EQ(templates[5].pictureResource, CNavigatorModel::kManualPicture);

    const std::vector<NavigatorEntry>& samples = model.GetEntries(CNavigatorModel::kSampleTab);
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].description, "説明\r\n\r\n写真枚数 : 2 枚\r\n行数 : 4 行");
    EXPECT_FALSE(samples[1].valid) << "a sample whose list is missing cannot be chosen";

    const std::vector<NavigatorEntry>& lists = model.GetEntries(CNavigatorModel::kRecentTab);
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[0].caption, "春の商品");
    EXPECT_FALSE(lists[0].picture.IsEmpty()) << "the one photo's thumbnail";
    EXPECT_EQ(lists[1].description,
              "ﾀｲﾄﾙ : 写真なし\r\n\r\nﾌｧｲﾙ名 : " + bare + "\r\n写真枚数 : 0 枚\r\n行数 : 2 行\r\n");
    EXPECT_TRUE(lists[1].picture.IsEmpty());
    EXPECT_FALSE(lists[2].valid);
    EXPECT_FALSE(lists[4].valid);
    EXPECT_EQ(lists[5].caption, "ファイル選択");

    model.ShowTab(CNavigatorModel::kRecentTab);
    for (int tick = 0; tick < 12; ++tick) {
        EXPECT_FALSE(model.Animate()) << "a list of one photo keeps its picture";
    }
}

TEST_F(NavigatorTest, RunningAnEntryTellsWhatToOpen)
{
    WriteInfo("Template", Entry(1, "t.zbk", "web/index.htm"));
    CNavigatorModel model;
    model.Build(scratch.Path(), scratch / "Sample", CStringArray());

    model.ShowTab(7);
    EXPECT_EQ(model.GetTab(), CNavigatorModel::kOrganiserTab);
    EXPECT_EQ(model.GetSelected(), 0) << "the organiser is chosen already";
    ASSERT_TRUE(model.Run());
    CNavigatorModel::OpenRequest request = model.GetOpenRequest();
    EXPECT_EQ(request.kind, CNavigatorModel::OpenRequest::kOpenPath);
    EXPECT_EQ(request.path, "autophoto:");

    model.ShowTab(CNavigatorModel::kTemplateTab);
    EXPECT_FALSE(model.Run()) << "nothing selected";
    EXPECT_EQ(model.GetDescription(), "\r\n  新規作成用のテンプレートを選択して下さい");
    model.SelectEntry(1);
    EXPECT_EQ(model.GetSelected(), -1) << "an empty frame cannot be chosen";
    model.SelectEntry(0);
    ASSERT_TRUE(model.Run());
    request = model.GetOpenRequest();
    EXPECT_EQ(request.path, "template:" + scratch / "Template/t.zbk," + scratch / "Template/web/index.htm");
    model.SelectEntry(5);
    ASSERT_TRUE(model.Run());
    EXPECT_EQ(model.GetOpenRequest().kind, CNavigatorModel::OpenRequest::kNewList);
    EXPECT_TRUE(model.GetWebPageToOpen().IsEmpty()) << "templates offer no Web page";

    model.ShowTab(CNavigatorModel::kRecentTab);
    EXPECT_EQ(model.GetEntries().size(), 6u);
    model.SelectEntry(0);
    EXPECT_EQ(model.GetSelected(), -1);
    model.SelectEntry(5);
    ASSERT_TRUE(model.Run());
    EXPECT_EQ(model.GetOpenRequest().kind, CNavigatorModel::OpenRequest::kChooseFile);
}
