// Cells and photos on their way through the clipboard: the private format, plain text and file
// lists, written and read back.
#include "list/ClipTable.h"
#include "grid/OleDataObject.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

namespace {

std::vector<CString> Row(const CClipTable& table, int row)
{
    std::vector<CString> cells;
    for (int column = 0; column < table.GetColumnCount(); ++column) {
        cells.push_back(table.GetCell(column, row));
    }
    return cells;
}

} // namespace

TEST(ClipTable, ThePrivateFormatNamesTheListAndQuotesEveryCellOfARow)
{
    FakeListHost host;
    CZantobyDoc doc(host);
    doc.SetPathName("/work/goods.zbk", false);
    CClipTable table;
    table.sourceDocument = &doc;
    table.SetText("apple", 0, 0);
    table.SetPhotoId(3, 1, 0);
    table.SetText("a,b", 0, 1);
    table.SetPhotoId(-1, 1, 1);
    table.SetText("short", 0, 2);

    // The short last row gets an empty, unquoted field; no line break follows it.
    EXPECT_EQ(table.ToPrivateFormat(), "'document:/work/goods.zbk'\r\n'_txt:apple','_pid:3'\r\n"
                                       "'_txt:a\\,b','_pid:-1'\r\n'_txt:short',");
    EXPECT_EQ(table.ToText(), "apple\t\r\na,b\t\r\nshort\t");

    CClipTable read;
    read.ReadPrivateFormat(table.ToPrivateFormat());
    EXPECT_EQ(read.sourcePath, "/work/goods.zbk");
    ASSERT_EQ(read.GetRowCount(), 3);
    EXPECT_EQ(read.GetText(0, 1), "a,b");
    EXPECT_EQ(read.GetPhotoId(1, 0), 3);
    EXPECT_EQ(read.GetPhotoId(1, 1), -1);
    EXPECT_EQ(read.GetCell(1, 2), "");
}

TEST(ClipTable, EveryCharacterTheEscapesTouchSurvivesARoundTrip)
{
    CClipTable table;
    const CString awkward = "1,2 'q' C:\\tmp\\表\tx\r\ny\\";
    table.SetText(awkward, 0, 0);
    table.SetPhotoFileName("/photos/写真 1.jpg", 1, 0);

    CClipTable read;
    read.ReadPrivateFormat(table.ToPrivateFormat());

    // A table of files names no list.
    EXPECT_EQ(read.sourcePath, "");
    ASSERT_EQ(read.GetRowCount(), 1);
    EXPECT_EQ(read.GetText(0, 0), awkward);
    EXPECT_EQ(read.GetPhotoFileName(1, 0), "/photos/写真 1.jpg");
    EXPECT_EQ(read.GetText(1, 0), "/photos/写真 1.jpg");
}

// A cell whose last byte is a lead byte without its trail byte loses that byte, so its closing
// quote stays a quote and the cells after it stay where they were.
TEST(ClipTable, ACellEndingInALeadByteLeavesTheRowWhole)
{
    CClipTable table;
    table.SetText("a\x82", 0, 0);
    table.SetText("b", 1, 0);

    CClipTable read;
    read.ReadPrivateFormat(table.ToPrivateFormat());
    ASSERT_EQ(read.GetRowCount(), 1);
    EXPECT_EQ(read.GetColumnCount(), 2);
    EXPECT_EQ(read.GetText(0, 0), "a");
    EXPECT_EQ(read.GetText(1, 0), "b");
}

// The clipboard's data ends at a NUL: a cell holding one loses only that byte.
TEST(ClipTable, ACellHoldingANulKeepsTheRestOfItAndTheRow)
{
    CClipTable table;
    table.SetText(std::string("a\0b", 3), 0, 0);
    table.SetText("c", 1, 0);

    const CString format = table.ToPrivateFormat();
    EXPECT_EQ(format.view().find('\0'), std::string_view::npos);
    CClipTable read;
    read.ReadPrivateFormat(format);
    ASSERT_EQ(read.GetRowCount(), 1);
    EXPECT_EQ(read.GetText(0, 0), "ab");
    EXPECT_EQ(read.GetText(1, 0), "c");
}

TEST(ClipTable, PlainTextIsReadAsSpreadsheetsWriteIt)
{
    CClipTable table;
    table.ReadText("a\tb\r\nc");
    ASSERT_EQ(table.GetRowCount(), 2);
    EXPECT_EQ(Row(table, 0), (std::vector<CString>{"_txt:a", "_txt:b"}));
    EXPECT_EQ(Row(table, 1), (std::vector<CString>{"_txt:c", ""}));

    // A cell holding a line break comes quoted; its line break is CR LF whatever it was.
    for (const char* inside : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(inside));
        table.ReadText(CString("商品A\t\"行1") + inside + "行2\"\t100\r\n商品B\tx\t200");
        ASSERT_EQ(table.GetRowCount(), 2);
        EXPECT_EQ(Row(table, 0), (std::vector<CString>{"_txt:商品A", "_txt:行1\r\n行2", "_txt:100"}));
        EXPECT_EQ(Row(table, 1), (std::vector<CString>{"_txt:商品B", "_txt:x", "_txt:200"}));
    }

    // Doubled quotes inside are one; an empty quoted field is an empty cell.
    table.ReadText("\"say \"\"hi\"\"\"\t\"\"\t\"a\tb\"");
    EXPECT_EQ(Row(table, 0), (std::vector<CString>{"_txt:say \"hi\"", "_txt:", "_txt:a\tb"}));
}

TEST(ClipTable, AQuoteThatOpensNoWholeFieldIsText)
{
    CClipTable table;
    // Inside a field, after which text follows, and without a closing quote: all as written,
    // each up to its TAB or line end.
    table.ReadText("5\" disk\t\"Hello\" world\t\"open\r\n\"x\"\"y\"\t\"tail\n");
    ASSERT_EQ(table.GetRowCount(), 2);
    EXPECT_EQ(Row(table, 0), (std::vector<CString>{"_txt:5\" disk", "_txt:\"Hello\" world", "_txt:\"open"}));
    EXPECT_EQ(Row(table, 1), (std::vector<CString>{"_txt:x\"y", "_txt:\"tail", ""}));
}

TEST(ClipTable, OurOwnPlainTextReadsBackToTheSameCells)
{
    CClipTable table;
    const std::vector<CString> cells = {"行1\r\n行2", "5\" disk", "\"quoted\"", "a\tb", "", "表\\x", "'a,b'"};
    for (size_t i = 0; i < cells.size(); ++i) {
        table.SetText(cells[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    EXPECT_EQ(table.ToText(), "\"行1\r\n行2\"\t5\" disk\t\"\"\"quoted\"\"\"\t\"a\tb\"\r\n\t表\\x\t'a,b'\t");

    CClipTable read;
    read.ReadText(table.ToText());
    ASSERT_EQ(read.GetRowCount(), 2);
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(read.GetText(static_cast<int>(i % 4), static_cast<int>(i / 4)), cells[i]) << i;
    }

    // A blank last line stays a row.
    CClipTable column;
    column.SetText("a", 0, 0);
    column.SetText("", 0, 1);
    EXPECT_EQ(column.ToText(), "a\r\n\r\n");
    read.ReadText(column.ToText());
    EXPECT_EQ(read.GetRowCount(), 2);
}

// A lead byte that lost its trail byte stands alone in front of a TAB or a quote, as the text is
// read, so the cell is still quoted and its quote doubled.
TEST(ClipTable, ABrokenLeadByteBeforeATabOrQuoteReadsBackInItsCell)
{
    CClipTable table;
    const std::vector<CString> cells = {"x\x8a\ty", "\"a\x8a\"b", "c"};
    for (size_t i = 0; i < cells.size(); ++i) {
        table.SetText(cells[i], static_cast<int>(i), 0);
    }
    EXPECT_EQ(table.ToText(), "\"x\x8a\ty\"\t\"\"\"a\x8a\"\"b\"\tc");

    CClipTable read;
    read.ReadText(table.ToText());
    ASSERT_EQ(read.GetRowCount(), 1);
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(read.GetText(static_cast<int>(i), 0), cells[i]) << i;
    }
}

TEST(ClipTable, BlankLinesAreRowsOfEmptyCellsWhateverTheLineEnds)
{
    // A column copied from an editor or a spreadsheet, with empty cells between the values.
    for (const char* text : {"a\n\nb\n\n\nc\n", "a\r\n\r\nb\r\n\r\n\r\nc\r\n", "a\n\nb\n\n\nc"}) {
        SCOPED_TRACE(text);
        CClipTable table;
        table.ReadText(text);
        ASSERT_EQ(table.GetRowCount(), 6) << "the last line break ends the last row";
        EXPECT_EQ(table.GetText(0, 0), "a");
        EXPECT_EQ(table.GetText(0, 1), "");
        EXPECT_EQ(table.GetText(0, 2), "b");
        EXPECT_EQ(table.GetText(0, 5), "c");
    }
}

TEST(ClipTable, CellsOutsideTheTableAndOfOtherKindsReadAsNothing)
{
    CClipTable table;
    table.SetText("t", 2, 1);
    EXPECT_EQ(table.GetRowCount(), 2);
    EXPECT_EQ(table.GetColumnCount(), 3);
    EXPECT_EQ(table.GetCell(0, 1), "");
    EXPECT_EQ(table.GetCell(5, 0), "");
    EXPECT_EQ(table.GetPhotoId(2, 1), -1);
    EXPECT_EQ(table.GetPhotoFileName(2, 1), "");
    EXPECT_EQ(table.GetText(-1, -1), "");
    table.SetPhotoId(7, 0, 0);
    EXPECT_EQ(table.GetText(0, 0), "");
}

TEST(ClipTable, DroppedFilesAreListedOnceAndPhotoCellsStandInForMissingNames)
{
    COleDataObject drop;
    CStringArray files;
    files.Add("/a/1.jpg");
    files.Add("/a/1.JPG");
    files.Add("/a/1.jpg");
    drop.SetFiles(files);
    drop.SetText("ignored");
    CClipTable table;
    table.ReadFrom(drop);
    EXPECT_EQ(table.GetRowCount(), 0);
    ASSERT_EQ(table.GetFileCount(), 2);
    EXPECT_EQ(table.GetFileName(1), "/a/1.JPG");

    CClipTable cells;
    cells.SetPhotoFileName("/b/2.jpg", 1, 0);
    cells.SetPhotoFileName("/b/3.jpg", 0, 1);
    EXPECT_EQ(cells.GetDropFileNames().GetSize(), 2);
    cells.AddFileName("/c/4.jpg");
    ASSERT_EQ(cells.GetDropFileNames().GetSize(), 1);
    EXPECT_EQ(cells.GetDropFileNames()[0], "/c/4.jpg");
}

TEST(ClipTable, ThePrivateFormatWinsOverTheOthersAndNothingGivesAnEmptyTable)
{
    CClipTable source;
    source.SetText("x", 0, 0);
    const CString text = source.ToPrivateFormat();
    COleDataObject data;
    data.SetPrivateData(
        CClipTable::kFormatName,
        std::vector<unsigned char>(text.GetString(), text.GetString() + text.GetLength() + 1));
    data.SetText("a\tb");
    CClipTable table;
    table.ReadFrom(data);
    ASSERT_EQ(table.GetRowCount(), 1);
    EXPECT_EQ(table.GetColumnCount(), 1);

    table.ReadFrom(COleDataObject());
    EXPECT_EQ(table.GetRowCount(), 0);
    EXPECT_EQ(table.GetFileCount(), 0);
}
