// The page writers and the CGI data file on real files.
#include "platform/FileSystem.h"
#include "shared/WebTestList.h"
#include "support/FileBytes.h"
#include "web/site/CgiDataWriter.h"
#include "web/site/WebPageWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class WebPages : public ::testing::Test
{
  protected:
    WebPages()
    {
        out = list.Folder() + "/out";
        for (const char* folder : {"", "/s", "/m", "/p"}) {
            FileSystem::CreateFolder(out + folder);
        }
        list.doc->web.webFolder = out;
        list.doc->web.listName = "items";
    }

    void AddRows(int count)
    {
        for (int i = 1; i <= count; ++i) {
            CString name;
            name.Format("n%02d", i);
            page.rows.push_back(list.AddRow({name}));
        }
    }
    std::string Page(const char* name) { return ReadFileBytes(out + "/" + name); }
    bool Has(const char* name) { return FileSystem::Exists(out + "/" + name); }

    WebTestList list;
    WebPageContext page;
    CString out;
    CWebPageWriter writer{*list.doc, page, nullptr};
};

TEST_F(WebPages, ListPagesHoldTheRowsOfTheirPageWithWindowsLineEnds)
{
    WriteFileBytes(out + "/list.htm", "<P><!--$PAGE-->/<!--$PAGES--></P>\r\n<!--$TABLE-->");
    AddRows(25);
    list.doc->web.rowCount = 10;
    list.doc->web.fullName = "full";
    ASSERT_TRUE(writer.WriteListPages());
    std::string first = Page("items.htm");
    EXPECT_EQ(first.find("<P>1/3</P>\r\n<TABLE"), 0u);
    EXPECT_NE(first.find("n10"), std::string::npos);
    EXPECT_EQ(first.find("n11"), std::string::npos);
    for (size_t at = first.find('\n'); at != std::string::npos; at = first.find('\n', at + 1)) {
        ASSERT_EQ(first[at - 1], '\r') << "every line ends in CR LF";
    }
    EXPECT_NE(Page("items1.htm").find("n20"), std::string::npos);
    EXPECT_NE(Page("items2.htm").find("n25"), std::string::npos);
    EXPECT_FALSE(Has("items3.htm"));
    EXPECT_TRUE(Has("full2.htm")) << "the all-columns pages come in the same pages";

    list.doc->web.rowCount = 0;
    ASSERT_TRUE(writer.WriteListPages());
    EXPECT_NE(Page("items.htm").find("n25"), std::string::npos);

    page.rows.clear();
    ASSERT_TRUE(writer.WriteListPages());
    EXPECT_EQ(list.host.messages.back().id, 11202);
    EXPECT_EQ(Page("items.htm").find("<P>1/1</P>"), 0u);
}

TEST_F(WebPages, CellTextsAreNeverReadAsTagsOfTheListPage)
{
    WriteFileBytes(out + "/list.htm", "<!--$TABLE-->|<!--$TEXT-->|<!--$TITLE-->");
    page.rows.push_back(list.AddRow({"$:<!--$DETAIL-->"}));
    ASSERT_TRUE(writer.WriteListPages());
    EXPECT_TRUE(list.host.messages.empty());
    std::string written = Page("items.htm");
    EXPECT_NE(written.find("<TD align=left><!--$DETAIL--></TD>"), std::string::npos) << written;
    EXPECT_NE(written.find("|<!--$DETAIL-->|"), std::string::npos) << written;
    EXPECT_NE(written.find(CString("|テスト").str()), std::string::npos)
        << "the page's own tags are expanded";
}

TEST_F(WebPages, AMissingBaseFileOrAFailedPageIsReported)
{
    AddRows(1);
    EXPECT_FALSE(writer.WriteFreePages());
    EXPECT_NE(list.host.TextOf(41201).Find("/out/free.htm"), -1);
    EXPECT_FALSE(writer.WriteConstructPage()) << "the construction page reports its base file too";

    WriteFileBytes(out + "/construct.htm", "工事中");
    FileSystem::CreateFolder(out + "/items.htm"); // the page's place is taken by a folder
    list.host.answers = {IDNO};
    EXPECT_FALSE(writer.WriteConstructPage());
    EXPECT_EQ(list.host.messages.back().id, 21202);
}

TEST_F(WebPages, PagesMadeAheadAreWrittenInTheirOrderAndAFailureEndsTheSetAtItsPage)
{
    // Many more pages than are made ahead at once, each holding its own row.
    WriteFileBytes(out + "/p/page.htm", "<!--$PAGE-->:<!--$TEXT-->");
    AddRows(150);
    ASSERT_TRUE(writer.WriteRecordPages(true));
    for (int i = 0; i < 150; ++i) {
        CString name;
        CString expected;
        name.Format("p/%04d.htm", page.rows[static_cast<size_t>(i)]);
        expected.Format("%d:n%02d", i + 1, i + 1);
        ASSERT_EQ(Page(name), expected.str()) << name.GetString();
    }

    // A second row on a page of one row is out of range: the set stops there, once, and no page
    // after it is written.
    WriteFileBytes(out + "/free.htm", "<!--$PAGE-->:<!--$TEXT(rec=1)-->");
    list.doc->web.rowCount = 2;
    page.rows.resize(101);
    EXPECT_FALSE(writer.WriteFreePages());
    EXPECT_EQ(Page("items49.htm"), "50:n100");
    EXPECT_FALSE(Has("items50.htm"));
    EXPECT_EQ(list.host.messages.size(), 1u);
    EXPECT_NE(list.host.TextOf(41202).Find("list.htm / free.htm"), -1);

    // A page that cannot be written asks; yes goes on with the next, no ends the set.
    WriteFileBytes(out + "/free.htm", "<!--$PAGE-->");
    page.rows.resize(8);
    list.doc->web.rowCount = 1;
    for (const char* name : {"/items3.htm", "/items5.htm"}) {
        std::filesystem::remove(FileSystem::ToNative(out + name));
        FileSystem::CreateFolder(out + name);
    }
    list.host.answers = {IDYES, IDNO};
    EXPECT_FALSE(writer.WriteFreePages());
    EXPECT_EQ(Page("items4.htm"), "5");
    EXPECT_NE(Page("items6.htm"), "7") << "no page after the one the user stopped at";
}

TEST_F(WebPages, SinglePagesAreRewrittenOnlyForRowsChangedSince)
{
    FileSystem::CreateFolder(out + "/p");
    WriteFileBytes(out + "/p/page.htm", "<!--$TEXT--> <!--$FILENAME-->");
    AddRows(2);
    ASSERT_TRUE(writer.WriteRecordPages(false));
    EXPECT_EQ(Page("p/0001.htm"), "n02 p/0001.htm");

    WriteFileBytes(out + "/p/0000.htm", "edited");
    CDateEx old;
    old.SetDate(2001, 1, 1);
    list.doc->GetRow(page.rows[0]).lastChange = old;
    ASSERT_TRUE(writer.WriteRecordPages(false));
    EXPECT_EQ(Page("p/0000.htm"), "edited");
    // When the set of rows changed, every page is written again.
    ASSERT_TRUE(writer.WriteRecordPages(true));
    EXPECT_EQ(Page("p/0000.htm"), "n01 p/0000.htm");
    WriteFileBytes(out + "/p/0000.htm", "edited");

    CDateEx later;
    later.SetDate(2200, 1, 1);
    list.doc->GetRow(page.rows[0]).lastChange = later;
    ASSERT_TRUE(writer.WriteRecordPages(false));
    EXPECT_EQ(Page("p/0000.htm"), "n01 p/0000.htm");
}

TEST_F(WebPages, CgiDataFileBytes)
{
    CZantobyDoc& doc = *list.doc;
    ColumnRecord& name = doc.GetColumn(0);
    name.dropType = 2;
    for (int i = 0; i < 23; ++i) {
        CString choice;
        choice.Format("d%d", i);
        name.dropEntries.Add(choice);
    }
    doc.GetColumn(1).decimals = 1;
    doc.GetColumn(1).showZero = true;
    doc.GetColumn(1).thousands = true;
    doc.GetColumn(1).align = 2;
    doc.web.sortEntries[0].options[OutputSortEntry::kHeader] = true;
    doc.web.sortEntries[2].options[OutputSortEntry::kInList] = false;
    int record = list.AddRow({"It's, fine", "1234.5", "", "x"});
    doc.GetRow(record).EditCells().SetColors(0, 0x0000FF, kDefaultColor);
    list.AddPhoto(record, 5, "正面");
    list.AddRow({""}); // a row that is not published
    page.rows = {record};

    CString path;
    ASSERT_TRUE(CCgiDataWriter(doc, page).WriteCgiData(false, path));
    EXPECT_EQ(path, out + "/items_data.cgi");
    std::string bytes = ReadFileBytes(path);
    size_t date = bytes.find(",date=");
    ASSERT_NE(date, std::string::npos);
    bytes.replace(date + 6, bytes.find('\n', date) - date - 6, "*");
    std::string expected =
        CString("; バージョン情報\n"
                "version,v=210800\n"
                "\n; 列情報\n"
                "column0,name='品名',subname='',type=text,wrap=1,head=1,align=left\n"
                "column1,name='寸法',subname='幅',type=number,format=p1zc,wrap=1,align=right\n"
                "column2,name='寸法',subname='高さ',type=number,format=p0,list=0,align=left\n"
                "column3,name='備考',subname='',type=mark,wrap=1,align=left\n"
                "\n; ドロップリスト設定\n"
                "drop0,v0='d0',v1='d1',v2='d2',v3='d3',v4='d4',v5='d5',v6='d6',v7='d7',v8='d8',"
                "v9='d9'\n"
                "drop0,v10='d10',v11='d11',v12='d12',v13='d13',v14='d14',v15='d15',v16='d16',"
                "v17='d17',v18='d18',v19='d19'\n"
                "drop0,v20='d20',v21='d21',v22='d22'\n"
                "\n; 簡単設定一覧の設定\n"
                "table,tb=' cellspacing=0 cellpadding=4 border=1',pv=1\n"
                "table,tbc=#00ff00,hbc=#ffff00,dbc=#ffffff\n"
                "table,tv=1,pm='●',pt='詳細'\n"
                "\n; その他の設定\n"
                "etc,mode=list,date=*\n"
                "etc,title='テスト'\n"
                "\n; テキストデータ\n"
                "text0,v0='It\\'s\\, fine',tc0=#ff0000,v1='1234.5',v2='0',v3='x',p=5\n"
                "\n; 写真データ\n"
                "photo5,c='正面'\n")
            .str();
    EXPECT_EQ(bytes, expected);

    doc.web.fullName = "full";
    doc.web.outputMode = 2;
    ASSERT_TRUE(CCgiDataWriter(doc, page).WriteCgiData(true, path));
    EXPECT_FALSE(Has("full_data.cgi")) << "only a simple list has the all-columns file";
}

} // namespace
