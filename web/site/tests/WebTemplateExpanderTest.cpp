// The walk, the blocks and the failures of the template expander, and what each tag emits.
#include "web/site/WebTemplateExpander.h"
#include "shared/WebTestList.h"

#include <gtest/gtest.h>

namespace {

class TemplateExpander : public ::testing::Test
{
  protected:
    TemplateExpander()
    {
        for (int i = 0; i < 12; ++i) {
            CString name;
            name.Format("r%d", i);
            page.rows.push_back(list.AddRow({name}));
        }
    }

    // The expanded text, or "FAIL:" and the failure text.
    CString Expand(const char* text, WebExpansionWindow window = {0, 5, 0, 128, 0, 20})
    {
        CWebTemplateExpander expander(*list.doc, page);
        CString result(text);
        if (!expander.ExpandTemplate(0, result, window)) {
            return "FAIL:" + expander.GetFailure();
        }
        return result;
    }

    static bool Begins(const CString& text, const char* start) { return text.Find(start) == 0; }

    WebTestList list;
    WebPageContext page;
};

TEST_F(TemplateExpander, TagSyntaxFailuresQuoteTheTemplateAndShowOnce)
{
    EXPECT_EQ(Expand("<P>no tags</P>"), "<P>no tags</P>");

    CString open = "<!--$TEXT " + CString('x', 80);
    CString failed = Expand(open);
    EXPECT_EQ(failed, "FAIL:'<!--$'に対応する'-->'が見付かりません\n\n" + open.Left(60));
    ASSERT_EQ(list.host.messages.size(), 1u);
    EXPECT_EQ(list.host.TextOf(41202),
              "ﾀｸﾞ変換中にｴﾗｰが発生しました\n\nlist.htm / free.htm\n" + failed.Mid(5));

    EXPECT_TRUE(Begins(Expand("<!--$detail--><!--$END_DETAIL-->"), "FAIL:無効なﾀｸﾞです"));
    EXPECT_TRUE(Begins(Expand("<!--$END_CGI-->"), "FAIL:無効なﾀｸﾞです"));
    EXPECT_TRUE(Begins(Expand("<!--$TABLE-->"), "FAIL:無効なﾀｸﾞです")) << "only list pages replace it first";
    EXPECT_TRUE(Begins(Expand("<!--$DETAIL-->A<!--$END_DETAIL--><!--$DETAIL-->B<!--$END_DETAIL-->"),
                       "FAIL:END_DETAIL ... 対応する DETAIL が見付かりません"));

    page.singlePage = 1;
    Expand("<!--$WHAT-->");
    EXPECT_EQ(list.host.texts.back().second,
              "ﾀｸﾞ変換中にｴﾗｰが発生しました\n\npage.htm\n無効なﾀｸﾞです\n\n<!--$WHAT-->");
}

TEST_F(TemplateExpander, NineBlocksNestButTenAreTooDeep)
{
    auto nested = [](int count) {
        CString text = "x";
        for (int i = 0; i < count; ++i) {
            text = "<!--$HTML-->" + text + "<!--$END_HTML-->";
        }
        return text;
    };
    EXPECT_EQ(Expand(nested(9)), "x");
    EXPECT_TRUE(Begins(Expand(nested(10)), "FAIL:ﾀｸﾞの指定が複雑すぎます"));
}

TEST_F(TemplateExpander, DetailSegmentsTakeTurnsOverTheRowsWindow)
{
    EXPECT_EQ(Expand("<!--$DETAIL(count=2)-->[A<!--$TEXT-->]<!--$DETAIL-->(B<!--$TEXT-->)<!--$END_DETAIL-->"),
              "[Ar0](Br2)[Ar3]");
    // The last step's window reaches past the page's rows.
    EXPECT_EQ(Expand("<!--$DETAIL(count=3)--><!--$TEXT(rec=2)-->,<!--$END_DETAIL-->", {0, 10, 0, 128, 0, 20}),
              "r2,r5,r8,r11,");
}

TEST_F(TemplateExpander, TextsWalkColumnsFromTheirOffsetAndPhotosRunAtLeastOnce)
{
    list.doc->columnCount = 6;
    for (int i = 4; i < 6; ++i) {
        list.doc->GetColumn(i).type = kTypeText;
        list.doc->GetColumn(i).name.Format("c%d", i);
    }
    EXPECT_EQ(Expand("<!--$TEXTS(no=1,count=2)--><!--$COLUMN-->|<!--$SUBCOLUMN-->;<!--$END_TEXTS-->",
                     {0, 5, 0, 6, 0, 20}),
              "寸法|幅;備考|;c5|;");
    EXPECT_EQ(Expand("<!--$PHOTOS-->[<!--$PHOTO(defimg=none.gif)-->]<!--$END_PHOTOS-->"),
              "[<IMG src=none.gif border=0>]");
    EXPECT_TRUE(
        Begins(Expand("<!--$TEXTS(count=0)--><!--$END_TEXTS-->"), "FAIL:'TEXTS ... ﾊﾟﾗﾒｰﾀが不正です"));
    EXPECT_TRUE(
        Begins(Expand("<!--$DETAIL(count=2,)--><!--$END_DETAIL-->"), "FAIL:'DETAIL ... ﾊﾟﾗﾒｰﾀが不正です"))
        << "the empty item after the comma is an unknown key";
}

TEST_F(TemplateExpander, LinkCgiAndHtmlBlocks)
{
    page.pageCount = 3;
    page.currentPage = 2;
    EXPECT_EQ(Expand("<!--$LINK(mode=nextlist,icon=n.gif)-->次<!--$END_LINK-->"), "次");
    EXPECT_EQ(Expand("<!--$LINK(mode=prevlist,icon=p.gif)-->前<!--$END_LINK-->"),
              "<A href=list1.htm><IMG src=p.gif border=0>前</A>");
    EXPECT_EQ(
        Expand("a<!--$CGI-->gone<!--$TEXT--><!--$END_CGI-->b<!--$HTML-->[<!--$PAGE-->]<!--$END_HTML-->"),
        "ab[3]");
    EXPECT_TRUE(Begins(Expand("<!--$LINK(mode=nextpage)-->x<!--$END_LINK-->"),
                       "FAIL:mode=nextpage は単票作成でしか使用できません"));

    list.doc->web.pageView = 2;
    list.doc->web.extCgi = "cgi";
    page.rows[0] = 5;
    EXPECT_EQ(Expand("<!--$LINK(mode=page,rec=0)-->詳細<!--$END_LINK-->"),
              "<A href=list.cgi?mode=page&id=5>詳細</A>");
    list.doc->web.pageView = 1;
    list.doc->web.extPage = "htm";
    EXPECT_EQ(Expand("<!--$LINK(mode=page)-->詳細<!--$END_LINK-->"), "<A href=p/0005.htm>詳細</A>");
    // Without single pages a link would lead nowhere.
    list.doc->web.pageView = 0;
    EXPECT_EQ(Expand("<!--$LINK(mode=page)-->詳細<!--$END_LINK-->"), "詳細");
}

TEST_F(TemplateExpander, CellTextsAreEscapedUnlessMarkedRaw)
{
    int tagged = list.AddRow({"a<b & \"c\"", "", "", "$:<B>raw</B>"});
    int tagInData = list.AddRow({"$:<!--$TITLE-->"});
    page.rows = {tagged, tagInData};
    EXPECT_EQ(Expand("<!--$TEXT-->|<!--$TEXT(no=3)-->|<!--$TEXT(no=2,def=なし)-->"),
              "a&lt;b &amp; &quot;c&quot;|<B>raw</B>|なし");
    EXPECT_EQ(Expand("<!--$TEXT(rec=1)-->"), "<!--$TITLE-->") << "data never becomes a tag of the page";
    list.doc->GetColumn(2).showZero = true;
    EXPECT_EQ(Expand("<!--$TEXT(no=2,def=なし)-->"), "0");
    EXPECT_TRUE(Begins(Expand("<!--$TEXT(rec=3,no=2,def=-)-->", {0, 2, 0, 128, 0, 20}),
                       "FAIL:有効範囲にないﾚｺｰﾄﾞ番号が指定されています"));
    EXPECT_EQ(Expand("<!--$TEXT(name=寸法::高さ)-->/<!--$SUBCOLUMN(name=寸法::高さ)-->"), "0/高さ");
    EXPECT_TRUE(Begins(Expand("<!--$COLUMN(name=寸法::奥行)-->"), "FAIL:COLUMN ... ﾊﾟﾗﾒｰﾀが不正です"));
    EXPECT_EQ(Expand("<!--$TITLE-->/<!--$MESSAGE(def=-)-->"), "テスト/-");
    list.doc->web.message = "一行目\r\n<二行目>";
    EXPECT_EQ(Expand("<!--$MESSAGE-->"), "一行目<BR>&lt;二行目&gt;");
}

TEST_F(TemplateExpander, PhotosAndTheirNames)
{
    list.AddPhoto(page.rows[0], 7, "正面");
    list.AddPhoto(page.rows[0], 12, "側面 \"左\"");
    EXPECT_EQ(Expand("<!--$PHOTO(nameonly,size=mid)-->"), "m/0007m.jpg");
    EXPECT_EQ(Expand("<!--$PHOTO(rec=1)-->"), "") << "a row without photos and no defimg";
    EXPECT_TRUE(Begins(Expand("<!--$PHOTO(size=large)-->"), "FAIL:PHOTO ... ﾊﾟﾗﾒｰﾀが不正です"));
    EXPECT_EQ(Expand("<!--$COMMENT(no=1)-->/<!--$COMMENT(no=2,def=-)-->"), "側面 &quot;左&quot;/-");
    EXPECT_EQ(Expand("<!--$LINK(mode=photo,size=mid)-->a<!--$END_LINK-->"), "<A href=m/0007m.jpg>a</A>");

    page.singlePage = 1;
    EXPECT_EQ(Expand("<!--$PHOTO(no=1,hspace=4)-->", {0, 1, 0, 128, 0, 20}),
              "<IMG src=../s/0012s.jpg border=0 alt=\"側面 &quot;左&quot;\" hspace=4>");
}

TEST_F(TemplateExpander, OnlyCellTextsMayBeRawHtml)
{
    list.AddPhoto(page.rows[0], 7, "$:x onerror=alert(1)");
    list.doc->GetColumn(0).name = "$:<B>品名</B>";
    list.doc->title = "$:<I>一覧</I>";
    list.doc->web.message = "$:<SCRIPT>";
    EXPECT_EQ(Expand("<!--$PHOTO-->"), "<IMG src=s/0007s.jpg border=0 alt=\"$:x onerror=alert(1)\">");
    EXPECT_EQ(Expand("<!--$COMMENT-->"), "$:x onerror=alert(1)");
    EXPECT_EQ(Expand("<!--$COLUMN-->"), "$:&lt;B&gt;品名&lt;/B&gt;");
    EXPECT_EQ(Expand("<!--$TITLE-->|<!--$MESSAGE-->"), "$:&lt;I&gt;一覧&lt;/I&gt;|$:&lt;SCRIPT&gt;");
}

TEST_F(TemplateExpander, HugeCountsAndOffsetsAreBounded)
{
    // Positions and windows added up from such numbers would pass the int limit.
    EXPECT_EQ(Expand("<!--$DETAIL(count=1)-->A<!--$TEXT-->,<!--$DETAIL(count=2147483647)-->B<!--$TEXT-->,"
                     "<!--$END_DETAIL-->"),
              "Ar0,Br1,");
    EXPECT_EQ(Expand("<!--$DETAIL(count=1)-->a<!--$DETAIL(count=99999999999)--><!--$PHOTOS-->p"
                     "<!--$END_PHOTOS--><!--$END_DETAIL-->"),
              "ap");
    EXPECT_EQ(Expand("<!--$TEXTS(no=2147483647)-->x<!--$END_TEXTS-->", {0, 5, 1, 4, 0, 20}), "");
    EXPECT_TRUE(
        Begins(Expand("<!--$TEXT(rec=4294967296)-->"), "FAIL:有効範囲にないﾚｺｰﾄﾞ番号が指定されています"))
        << "a number past the int range is no row 0";
}

TEST_F(TemplateExpander, PageNamesAndPageLists)
{
    auto pageList = [&](int count, int current) {
        page.pageCount = count;
        page.currentPage = current;
        return Expand("<!--$PAGELIST-->");
    };
    EXPECT_EQ(pageList(4, 1),
              "<A href=list.htm>1</A> <B>2</B> <A href=list2.htm>3</A> <A href=list3.htm>4</A>");
    CString many = pageList(25, 0);
    EXPECT_NE(many.Find("<A href=list9.htm>10</A> <A href=list24.htm>25</A>"), -1) << many.GetString();
    EXPECT_EQ(many.Find(">11<"), -1);
    EXPECT_EQ(pageList(1, 0), "");
    page.pageCount = 3;
    page.currentPage = 1;
    EXPECT_EQ(
        Expand("<!--$PAGELIST(p-icon=p.gif,c-icon=c.gif,nofirst,nolast,prev=0,next=2)-->"),
        "<IMG src=c.gif alt=2ページ border=0><A href=list2.htm><IMG src=p.gif alt=3ページ border=0></A>");

    page.pageCount = 0;
    EXPECT_EQ(Expand("<!--$PAGES-->"), "");
    page.pageCount = 3;
    page.currentPage = 0;
    EXPECT_EQ(Expand("<!--$FILENAME-->"), "list.htm");
    page.currentPage = 2;
    EXPECT_EQ(Expand("<!--$FILENAME-->,<!--$PAGE-->/<!--$PAGES-->"), "list2.htm,3/3");
    EXPECT_TRUE(Begins(Expand("<!--$FILENAME(mode=page)-->"), "FAIL:mode=pageはページでしか使用できません"));
    page.singlePage = 1;
    EXPECT_EQ(Expand("<!--$FILENAME-->", {1, 1, 0, 128, 0, 20}), "p/0001.htm");
    EXPECT_EQ(Expand("<!--$LINK(mode=nextpage)-->次<!--$END_LINK-->", {1, 1, 0, 128, 0, 20}),
              "<A href=0002.htm>次</A>");
}

TEST_F(TemplateExpander, DateTagFormats)
{
    CString today = CDateEx(COleDateTime::GetCurrentTime()).Format("%Y/%m/%d");
    EXPECT_EQ(Expand("<!--$DATE-->"), today);
    CString stamped = Expand("<!--$DATE(format=YYYY/MM/DD HH:NN)-->");
    EXPECT_EQ(stamped.Left(10), today);
    EXPECT_EQ(stamped.GetLength(), 16);
}

} // namespace
