#include "list/CellCodec.h"
#include "list/HeaderFooterText.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CellValues : public ::testing::Test
{
  protected:
    CellValues() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    ColumnRecord& Column(int type)
    {
        ColumnRecord& column = doc->GetColumn(0);
        column.type = type;
        return column;
    }

    // Stores the text in a cell of column 0 and returns the parsed text.
    CString Parse(const char* text, int mode = kOutputGrid)
    {
        return doc->ParseCellText(0, cell, text, mode);
    }
    CString Show(int mode = kOutputGrid) const { return doc->FormatCellForOutput(0, cell, mode); }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CellRecord cell;
};

TEST_F(CellValues, YesNoTextsAndTheirOutput)
{
    ColumnRecord& column = Column(kTypeYesNo);
    struct Case
    {
        const char* text;
        bool yes;
    };
    for (const Case& c : {Case{"1", true}, Case{"TRUE", true}, Case{"true", true}, Case{"12abc", true},
                          Case{"-3", true}, Case{"0", false}, Case{"yes", false}, Case{"", false}}) {
        EXPECT_EQ(Parse(c.text), c.yes ? "true" : "false") << c.text;
        EXPECT_EQ(cell.yesNo, c.yes) << c.text;
    }
    Parse("1");
    EXPECT_EQ(Show(kOutputWeb), "*");
    EXPECT_EQ(Show(kOutputFile), "true");
    column.yesHtml = "<B>有</B>";
    column.yesPrint = "有";
    EXPECT_EQ(Show(kOutputWeb), "<B>有</B>");
    EXPECT_EQ(Show(kOutputPrint), "有");
    Parse("0");
    EXPECT_EQ(Show(kOutputPrint), "");
    EXPECT_EQ(Show(kOutputGrid), "false");
}

TEST_F(CellValues, PastedTextsAYesNoOrMarkCellCouldNeverHoldAreRefused)
{
    const ColumnRecord& yesNo = Column(kTypeYesNo);
    for (const char* taken : {"true", "FALSE", "1", " 0 ", "-3", "+1", "", "  "}) {
        EXPECT_EQ(CCellCodec::PasteRefusal(yesNo, taken), "") << taken;
    }
    for (const char* refused : {"x", "yes", "12abc", "１", "-", " true", "*"}) {
        EXPECT_NE(CCellCodec::PasteRefusal(yesNo, refused), "") << refused;
    }
    EXPECT_EQ(CCellCodec::PasteRefusal(yesNo, "x"), "x はYes/Noとして変換できません");

    const ColumnRecord& mark = Column(kTypeMark);
    EXPECT_EQ(CCellCodec::PasteRefusal(mark, "http://example.jp/"), "");
    EXPECT_EQ(CCellCodec::PasteRefusal(mark, "a\r\nb"), "記号の項目には改行を入力できません");
    // Text columns take every text; numbers and dates refuse in Parse, with their reasons.
    EXPECT_EQ(CCellCodec::PasteRefusal(Column(kTypeText), "x\r\ny"), "");
    EXPECT_EQ(CCellCodec::PasteRefusal(Column(kTypeNumber), "abc"), "");
}

TEST_F(CellValues, NumberExpressionsFormatByTheColumn)
{
    ColumnRecord& column = Column(kTypeNumber);
    column.thousands = true;
    EXPECT_EQ(Parse("1200*1.05"), "1,260");
    EXPECT_EQ(cell.number.GetValue().GetUnits(), 12600000);
    EXPECT_EQ(Show(kOutputGrid), "1,260");
    EXPECT_EQ(Show(kOutputCgi), "1260");
    EXPECT_EQ(host.beeps, 0);

    column.decimals = 2;
    Parse("ROUND(2.345,2)");
    EXPECT_EQ(Show(), "2.35");
}

TEST_F(CellValues, ZeroShowsOnlyWhereAsked)
{
    Column(kTypeNumber);
    EXPECT_EQ(Parse(""), "");
    EXPECT_TRUE(cell.number.IsValid());
    EXPECT_EQ(Show(kOutputGrid), "");
    EXPECT_EQ(Show(kOutputCgi), "0");
    EXPECT_EQ(Show(kOutputFind), "0");
    EXPECT_EQ(Parse("0", kOutputFind), "0");
}

TEST_F(CellValues, RefusedNumbersKeepTheOldValueWithABeepAndAReason)
{
    ColumnRecord& column = Column(kTypeNumber);
    column.thousands = true;
    Parse("1200");
    CString reason = "stale";
    EXPECT_EQ(doc->ParseCellText(0, cell, "abc", kOutputGrid, &reason), "1,200");
    EXPECT_EQ(reason, "abc は数値として変換できません");
    EXPECT_EQ(cell.number.GetValue().GetUnits(), 12000000);
    EXPECT_EQ(host.beeps, 1);
    for (const char* refused : {"5/0", "1e3", "1,2.3.4", "１０÷２"}) {
        doc->ParseCellText(0, cell, refused, kOutputGrid, &reason);
        EXPECT_FALSE(reason.IsEmpty()) << refused;
        EXPECT_EQ(cell.number.GetValue().GetUnits(), 12000000) << refused;
    }
    EXPECT_EQ(host.beeps, 5);
    EXPECT_EQ(doc->ParseCellText(0, cell, "１０／２", kOutputGrid, &reason), "5");
    EXPECT_TRUE(reason.IsEmpty());
    // Blank text is no refusal: it stores 0.
    EXPECT_EQ(doc->ParseCellText(0, cell, " ", kOutputGrid, &reason), "");
    EXPECT_TRUE(reason.IsEmpty());
    EXPECT_EQ(cell.number.GetValue().GetUnits(), 0);
    EXPECT_EQ(host.beeps, 5);
}

TEST_F(CellValues, NumbersOutsideTheBoundsStoreTheBound)
{
    ColumnRecord& column = Column(kTypeNumber);
    column.hasMax = true;
    column.maxValue = CNumber(100);
    column.hasMin = true;
    column.minValue = CNumber(-5);
    EXPECT_EQ(Parse("250"), "100");
    EXPECT_EQ(Parse("-7"), "-5");
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(Parse("50"), "50");
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(CellValues, OnlyTheFieldOfTheColumnTypeChanges)
{
    cell.text = "残す";
    cell.yesNo = true;
    Column(kTypeNumber);
    Parse("3");
    EXPECT_EQ(cell.text, "残す");
    EXPECT_TRUE(cell.yesNo);
    Column(kTypeNone);
    EXPECT_EQ(Parse("9"), "");
    EXPECT_EQ(cell.number.GetValue().GetUnits(), 30000);
}

TEST_F(CellValues, DateKindsWithoutPatternUseTheirDefaults)
{
    ColumnRecord& column = Column(kTypeDate);
    column.dateKind = 2;
    EXPECT_EQ(Parse("2008/3/4 14:07:09"), "2008/03/04 14:07:09");
    EXPECT_EQ(Show(kOutputGrid), "2008/03/04 14:07:09");
    EXPECT_EQ(Show(kOutputFile), "2008/03/04 14:07:09");
    column.dateKind = 0;
    EXPECT_EQ(Show(kOutputFile), "2008/03/04");
    column.datePattern = "GGGEE年M月D日(WW)";
    EXPECT_EQ(Show(kOutputGrid), "平成20年3月4日(火)");
    EXPECT_EQ(Show(kOutputCgi), "2008/03/04");
    column.datePrintPattern = "M/D";
    EXPECT_EQ(Show(kOutputPrint), "3/4");
    EXPECT_EQ(Show(kOutputWeb), "2008/03/04");
    EXPECT_EQ(Parse("2008-03-04"), "平成20年3月4日(火)");
}

TEST_F(CellValues, MidnightIsATimeNotAnEmptyCell)
{
    Column(kTypeDate).dateKind = 1;
    EXPECT_EQ(Parse("00:00:00"), "00:00:00");
    EXPECT_TRUE(cell.date.IsValid());
    EXPECT_EQ(Show(kOutputFile), "00:00:00");
    EXPECT_EQ(Show(kOutputGrid), "00:00:00");
}

TEST_F(CellValues, TextThatIsNoDateKeepsTheOldDate)
{
    ColumnRecord& column = Column(kTypeDate);
    Parse("2008/03/04");
    CString reason;
    for (const char* refused : {"昨日", "2024/11/31", "2024/2/30", "2024/13/1", "R1.4.30"}) {
        EXPECT_EQ(doc->ParseCellText(0, cell, refused, kOutputGrid, &reason), "2008/03/04") << refused;
        EXPECT_EQ(reason, CString(refused) + " は日付として変換できません");
    }
    EXPECT_EQ(host.beeps, 5);
    column.dateKind = 1;
    doc->ParseCellText(0, cell, "25:00", kOutputGrid, &reason);
    EXPECT_EQ(reason, "25:00 は時刻として変換できません");
    // A blank text empties the cell without a word.
    column.dateKind = 0;
    EXPECT_EQ(doc->ParseCellText(0, cell, "  ", kOutputGrid, &reason), "");
    EXPECT_TRUE(reason.IsEmpty());
    EXPECT_FALSE(cell.date.IsValid());
    EXPECT_EQ(host.beeps, 6);
}

TEST_F(CellValues, DatesAsPeopleTypeThemAndAsTheColumnShowsThem)
{
    ColumnRecord& column = Column(kTypeDate);
    column.datePattern = "GGGEE年M月D日(WW)";
    for (const char* typed :
         {"令和6年3月5日", "R6.3.5", "２０２４／３／５", "20240305", "令和06年3月5日(火)"}) {
        EXPECT_EQ(Parse(typed), "令和06年3月5日(火)") << typed;
    }
    EXPECT_EQ(Parse(Show()), "令和06年3月5日(火)");
    EXPECT_EQ(Parse("令和元年5月1日"), "令和01年5月1日(水)");
    column.datePattern.Empty();
    column.dateKind = 1;
    EXPECT_EQ(Parse("0905"), "09:05:00");
    EXPECT_EQ(Parse("10時30分"), "10:30:00");
    EXPECT_EQ(Parse("１０：３０"), "10:30:00");
    EXPECT_EQ(host.beeps, 0);
    column.dateKind = 0;
    CString reason;
    doc->ParseCellText(0, cell, "0905", kOutputGrid, &reason);
    EXPECT_FALSE(reason.IsEmpty()) << "bare digits are a time only in a time column";
}

TEST_F(CellValues, RefusedTextLeavesTheRowAlone)
{
    ColumnRecord& column = Column(kTypeNumber);
    column.showZero = true;
    doc->displayCount = 1;
    doc->displayOrder[0] = kNewRowLine;
    CString reason;
    EXPECT_EQ(doc->SetCellTextAt(0, 0, "abc", &reason), "0");
    EXPECT_FALSE(reason.IsEmpty());
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine) << "no row is taken for a refused text";
    EXPECT_FALSE(doc->CanUndo());

    EXPECT_EQ(doc->SetCellTextAt(0, 0, "7", &reason), "7");
    EXPECT_TRUE(reason.IsEmpty());
    const int row = doc->displayOrder[0];
    ASSERT_GE(row, 0);
    doc->GetRow(row).lastChange = CDateEx();
    EXPECT_EQ(doc->SetCellTextAt(0, 0, "7+", &reason), "7");
    EXPECT_EQ(reason, "書式を理解することができません");
    EXPECT_EQ(doc->GetRow(row).GetCell(column.slot).number.GetValue().GetUnits(), 70000);
    EXPECT_FALSE(doc->GetRow(row).lastChange.IsValid()) << "a refused text is no change";
    doc->OnUndo();
    EXPECT_EQ(doc->displayOrder[0], kNewRowLine) << "the one step undone was the accepted text";
    EXPECT_FALSE(doc->CanUndo());
}

TEST_F(CellValues, DatesOutsideTheBoundsStoreTheBound)
{
    ColumnRecord& column = Column(kTypeDate);
    column.hasMinDate = true;
    column.minDate.SetDate(2000, 1, 1);
    column.hasMaxDate = true;
    column.maxDate.SetDate(2010, 12, 31);
    EXPECT_EQ(Parse("1999/05/05"), "2000/01/01");
    EXPECT_EQ(Parse("2020/05/05"), "2010/12/31");
    EXPECT_EQ(host.beeps, 2);
}

TEST_F(CellValues, MarkLinksOnlyOnWebPages)
{
    Column(kTypeMark);
    Parse("http://a.jp");
    EXPECT_EQ(Show(kOutputWeb), "$:<A HREF=\"http://a.jp\">http://a.jp</A>");
    EXPECT_EQ(Show(kOutputGrid), "http://a.jp");
    EXPECT_EQ(Show(kOutputFile), "http://a.jp");
    Parse("info@a.jp");
    EXPECT_EQ(Show(kOutputWeb), "$:<A HREF=\"mailto:info@a.jp\">info@a.jp</A>");
    Parse("A-12");
    EXPECT_EQ(Show(kOutputWeb), "A-12");
}

TEST_F(CellValues, MarkLinksEscapeTheirText)
{
    Column(kTypeMark);
    Parse("http://a.jp/?q=\"><script>");
    EXPECT_EQ(Show(kOutputWeb), "$:<A HREF=\"http://a.jp/?q=&quot;&gt;&lt;script&gt;\">"
                                "http://a.jp/?q=&quot;&gt;&lt;script&gt;</A>");
    Parse("$:<b>@x.jp");
    EXPECT_EQ(Show(kOutputWeb), "$:<A HREF=\"mailto:$:&lt;b&gt;@x.jp\">$:&lt;b&gt;@x.jp</A>");
}

TEST_F(CellValues, CellsOfRowsNotInUseReadEmpty)
{
    doc->GetRow(4).EditCells().SetText(0, "stale");
    EXPECT_EQ(doc->GetCellText(0, 0, 4, kOutputGrid), "");
    doc->GetRow(4).inUse = true;
    EXPECT_EQ(doc->GetCellText(0, 0, 4, kOutputGrid), "stale");
}

TEST(HeaderFooter, TokensAreReplacedOnce)
{
    CDateEx now;
    now.SetDateTime(2008, 3, 4, 9, 5, 7);
    auto expand = [&](const char* text) { return CHeaderFooterText::Expand(text, "一覧", now, 2, 5); };
    EXPECT_EQ(expand("- &p / &P -"), "- 2 / 5 -");
    EXPECT_EQ(expand("&Y/&M/&D &h:&m:&s"), "2008/3/4 9:05:07");
    EXPECT_EQ(expand("&y &G&g &W"), "08 H20 火");
    EXPECT_EQ(expand("&t"), "一覧");
    EXPECT_EQ(expand("&&D"), "&D");
    EXPECT_EQ(expand("a&x"), "a???");
    EXPECT_EQ(expand("end&"), "end???");
    EXPECT_EQ(expand("&表"), "???");
}

TEST_F(CellValues, DocumentExpandsWithItsTitle)
{
    doc->title = "商品";
    EXPECT_EQ(doc->ExpandHeaderFooter("&t &p", 1, 1), "商品 1");
}

} // namespace
