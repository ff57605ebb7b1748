// The simple list table that replaces the marker of list.htm.
#include "web/site/SimpleListTable.h"
#include "shared/WebTestList.h"

#include <gtest/gtest.h>

namespace {

class SimpleListTable : public ::testing::Test
{
  protected:
    CString Table(bool allColumns = false)
    {
        CSimpleListTable table(*list.doc, page);
        EXPECT_TRUE(table.HasOneMarker("<BODY><!--$TABLE--></BODY>"));
        return "<BODY>" + table.BuildTable(allColumns) + "</BODY>";
    }
    static int Count(const CString& text, const char* piece)
    {
        int count = 0;
        for (int at = text.Find(piece); at >= 0; at = text.Find(piece, at + 1)) {
            ++count;
        }
        return count;
    }

    WebTestList list;
    WebPageContext page;
    WebOutputSettings& web = list.doc->web;
};

TEST_F(SimpleListTable, TheMarkerMustStandExactlyOnce)
{
    CSimpleListTable table(*list.doc, page);
    for (const char* base : {"<BODY></BODY>", "<!--$TABLE--><!--$TABLE-->"}) {
        EXPECT_FALSE(table.HasOneMarker(base));
    }
    EXPECT_EQ(list.host.texts[0].second,
              "ﾀｸﾞ変換中にｴﾗｰが発生しました\n\nlist.htm\nTABLE ﾀｸﾞが見付かりません");
    EXPECT_EQ(list.host.texts[1].second,
              "ﾀｸﾞ変換中にｴﾗｰが発生しました\n\nlist.htm\nTABLE ﾀｸﾞが2ｹ所以上見付かりました");
}

TEST_F(SimpleListTable, TableAttributesAndColours)
{
    web.style.listWidth = 80;
    web.style.widthUnit = 1;
    web.style.cellSpace = -1;
    web.style.cellBlank = 2;
    web.style.borderWidth = 1;
    EXPECT_NE(Table().Find("<BODY><TABLE width=80% cellpadding=2 border=1>\n<TBODY>\n"), -1);
    web.style.listWidth = 0;
    web.style.cellSpace = 0;
    web.style.listBackColor = 0x0000FF;
    EXPECT_NE(Table().Find("<TABLE cellspacing=0 cellpadding=2 border=1 bgcolor=#ff0000>"), -1);
}

TEST_F(SimpleListTable, HeadingJoinsEqualNamesAndUsesTwoRowsForSubNames)
{
    web.pageView = 0;
    web.style.photoView = false;
    web.style.topBackColor = kDefaultColor;
    CString table = Table();
    EXPECT_NE(table.Find("  <TR>\n"
                         "    <TD nowrap align=center rowspan=2>品名</TD>\n"
                         "    <TD nowrap align=center colspan=2>寸法</TD>\n"
                         "    <TD nowrap align=center rowspan=2>備考</TD>\n"
                         "  </TR>\n"
                         "  <TR>\n"
                         "    <TD nowrap align=center>幅</TD>\n"
                         "    <TD nowrap align=center>高さ</TD>\n"
                         "  </TR>\n"),
              -1)
        << table.GetString();

    list.doc->GetColumn(1).subName.Empty();
    list.doc->GetColumn(2).subName.Empty();
    table = Table();
    EXPECT_NE(table.Find("    <TD nowrap align=center colspan=2>寸法</TD>\n"), -1)
        << "one row still spans both";
    EXPECT_EQ(table.Find("rowspan"), -1);
}

TEST_F(SimpleListTable, ColumnNamesAreNeverRawHtmlButCellsMayBe)
{
    web.pageView = 0;
    web.style.photoView = false;
    web.style.topBackColor = kDefaultColor;
    list.doc->GetColumn(0).name = "$:<B>品名</B>";
    list.doc->GetColumn(1).subName = "$:<I>幅</I>";
    page.rows = {list.AddRow({"$:<U>机</U>"})};
    CString table = Table();
    EXPECT_NE(table.Find(">$:&lt;B&gt;品名&lt;/B&gt;</TD>"), -1) << table.GetString();
    EXPECT_NE(table.Find(">$:&lt;I&gt;幅&lt;/I&gt;</TD>"), -1) << table.GetString();
    EXPECT_NE(table.Find("<TD align=left><U>机</U></TD>"), -1) << table.GetString();
}

TEST_F(SimpleListTable, RowsOfThePageWithEscapedTextsAndGroupRows)
{
    for (int i = 0; i < 24; ++i) {
        CString name;
        name.Format("品%02d<i>", i);
        page.rows.push_back(list.AddRow({name, i < 12 ? "1" : "2"}));
    }
    web.rowCount = 10;
    web.style.topView = false;
    web.pageView = 0;
    page.currentPage = 2;
    CString table = Table();
    EXPECT_EQ(Count(table, "<TD"), 4 * 5) << "four rows of four columns and their empty photo cells";
    EXPECT_NE(table.Find("品20&lt;i&gt;"), -1);
    EXPECT_EQ(table.Find("<i>"), -1) << "cell text never passes as markup";

    // Group rows where the value of the columns up to the first header entry changes.
    web.sortEntries[0].column = 1;
    web.sortEntries[1].column = 0;
    web.sortEntries[0].options[OutputSortEntry::kHeader] = true;
    page.currentPage = 1;
    table = Table();
    EXPECT_EQ(Count(table, "colspan=5"), 2) << "the page's first row and the change from 1 to 2";
    EXPECT_NE(table.Find("  <TR bgcolor=#ffff00>\n    <TD colspan=5>2</TD>\n  </TR>\n"), -1)
        << table.GetString();
}

TEST_F(SimpleListTable, LinkAndPhotoCells)
{
    int record = 0;
    while (record < 12) {
        record = list.AddRow({"x"});
    }
    page.rows = {record};
    list.AddPhoto(record, 3);
    list.AddPhoto(record, 8);
    web.style.pageMark.Empty();
    web.style.photoWrapCount = 1;
    web.style.photoBlankX = 2;
    web.style.photoBlankY = 0;
    web.style.topTextColor = kDefaultColor;
    CString table = Table();
    EXPECT_NE(table.Find("  <TR bgcolor=#ffffff>\n    <TD nowrap><A href=p/0012.htm>●</A></TD>\n"), -1)
        << table.GetString();
    EXPECT_NE(table.Find("<TD nowrap><A href=p/0012.htm><IMG src=s/0003s.jpg border=0 hspace=2 vspace=0><BR>"
                         "<IMG src=s/0008s.jpg border=0 hspace=2 vspace=0><BR></A></TD>"),
              -1);
}

TEST_F(SimpleListTable, AllColumnsShowColumnsLeftOutOfTheList)
{
    page.rows = {list.AddRow({"a", "1", "2", "注記"})};
    web.style.topView = false;
    web.sortEntries[3].options[OutputSortEntry::kInList] = false;
    EXPECT_EQ(Table().Find("注記"), -1);
    EXPECT_NE(Table(true).Find("注記"), -1);
}

} // namespace
