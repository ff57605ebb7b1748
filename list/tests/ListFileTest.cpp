#include "foundation/StringArrayEx.h"
#include "list/ListFileFormat.h"
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileException.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <memory>

namespace {

// Every line of a file but the comment that names the path it was written to.
std::string WithoutPathComment(std::string text, const CString& path)
{
    std::string comment = "; " + path.str() + "\r\n";
    size_t at = text.find(comment);
    if (at != std::string::npos) {
        text.erase(at, comment.size());
    }
    return text;
}

const char kAwkward[] = "a,b 'c' \\d\te\r\nf 表ソ";

class ListFile : public ::testing::Test
{
  protected:
    ListFile() { doc = NewDoc(); }

    std::unique_ptr<CZantobyDoc> NewDoc()
    {
        auto made = std::make_unique<CZantobyDoc>(host);
        made->tempFolder = temp.Path();
        return made;
    }

    // A list that was read is saved, read again and saved again: both files must be the same.
    void ExpectSavedReadsBackTheSame(CZantobyDoc& read)
    {
        CString first = temp.Path() + "first.zbk";
        std::string saved = Written(read, first);
        auto reread = NewDoc();
        ASSERT_TRUE(reread->ReadListFile(first, CListFileReader::ReadAll));
        CString second = temp.Path() + "second.zbk";
        EXPECT_EQ(WithoutPathComment(Written(*reread, second), second), WithoutPathComment(saved, first));
    }

    // A list that uses every kind of column, colours, photos and settings.
    void FillList(CZantobyDoc& list)
    {
        list.title = kAwkward;
        list.columnCount = 6;
        const int types[] = {kTypeText, kTypeMark, kTypeNumber, kTypeDate, kTypeYesNo, kTypeText};
        // Slots need not follow the display order.
        const int slots[] = {10, 9, 8, 7, 6, 127};
        for (int i = 0; i < 6; ++i) {
            ColumnRecord& column = list.GetColumn(i);
            column.type = types[i];
            std::swap(column.slot, list.GetColumn(slots[i]).slot);
            column.name.Format("列%d", i + 1);
        }
        list.GetColumn(0).name = kAwkward;
        list.GetColumn(0).subName = "副";
        list.GetColumn(0).remark = kAwkward;
        list.GetColumn(0).inputMode = 5;
        list.GetColumn(0).multiLine = true;
        list.GetColumn(1).dropType = 2;
        for (int i = 0; i < 25; ++i) {
            CString choice;
            choice.Format("選択%d", i);
            list.GetColumn(1).dropEntries.Add(i == 3 ? CString(kAwkward) : choice);
        }
        ColumnRecord& number = list.GetColumn(2);
        number.thousands = true;
        number.decimals = 2;
        number.hasMax = true;
        number.maxValue.ParseExpression("99999.5");
        number.serialStep.SetInteger(5);
        ColumnRecord& date = list.GetColumn(3);
        date.dateKind = 2;
        date.hasMinDate = true;
        date.minDate.SetDate(2000, 1, 2);
        date.datePrintPattern = "GGGEE年";
        list.GetColumn(4).yesHtml = "○";
        list.BuildColumnMap();

        for (int row = 0; row < 3; ++row) {
            ProductRecord& record = list.GetRow(row * 2);
            record.inUse = true;
            record.EditCells().SetText(10, row == 0 ? std::string_view(kAwkward) : std::string_view("品"));
            record.EditCells().SetText(9, "http://x");
            CNumber number;
            number.ParseExpression(row == 1 ? "1234567.25" : "-3");
            record.EditCells().SetNumber(8, number.GetValue());
            CDateEx date;
            date.SetDateTime(2008, 12, 7, 10, 20, 30);
            record.EditCells().SetDate(7, date.GetValue());
            record.EditCells().SetYesNo(6, row != 2);
            record.EditCells().SetText(127, "last");
            record.lastChange.SetDateTime(2009, 1, 2, 3, 4, 5);
        }
        list.GetRow(0).EditCells().SetColors(10, kDefaultColor, RGB(255, 0, 0));
        list.GetRow(0).EditCells().SetColors(9, RGB(12, 34, 56), kDefaultColor);
        list.GetRow(2).EditCells().SetColors(127, RGB(0, 0, 255), RGB(200, 201, 202));
        for (int i = 0; i < 3; ++i) {
            list.GetRow(2).photos[i] = 40 + i;
            PhotoRecord& photo = list.GetPhoto(40 + i);
            photo.inUse = true;
            photo.width = 300;
            photo.height = 200 + i;
            photo.name = i == 0 ? CString(kAwkward) : CString("写真");
        }
        list.GetRow(2).photoCount = 3;
        list.photoFolderName = "Photo-x";
        list.sortKeys[0] = SortKeyEntry{2, true};
        list.inputChecks.kana = true;
        list.backupOn = true;
        list.backupFolder = "/backup/it's";
        list.photoSizes.shortSide = true;
        list.photoSizes.standardPercent = 50;
        list.web.webFolder = "/web/it's, here";
        list.web.outputMode = 2;
        list.web.message = kAwkward;
        list.web.sortEntries[1].descending = true;
        list.web.sortEntries[1].texts[0] = kAwkward;
        list.print.device = "C:\\Printers\\";
        list.print.orientation = 2;
        list.print.listHeader.text = kAwkward;
        list.print.columnPairs[5] = {3, 4};
        list.ShowAllRows();
    }

    std::string Written(CZantobyDoc& list, const CString& path)
    {
        EXPECT_TRUE(CListFileWriter(list).Write(path));
        return ReadFileBytes(path);
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListFile, WriteReadWriteGivesTheSameFile)
{
    FillList(*doc);
    CString first = temp.Path() + "first.zbk";
    std::string written = Written(*doc, first);

    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(first, CListFileReader::ReadAll));
    CString second = temp.Path() + "second.zbk";
    std::string rewritten = Written(*reread, second);
    EXPECT_EQ(WithoutPathComment(rewritten, second), WithoutPathComment(written, first));
    EXPECT_FALSE(host.HasMessage(30217));
}

// The last row and photo slot of the capacity are written and read back like the first.
TEST_F(ListFile, LastRowAndPhotoSlotReadBack)
{
    ProductRecord& last = doc->GetRow(kMaxRows - 1);
    last.inUse = true;
    last.EditCells().SetText(0, "最後");
    last.photos[0] = kMaxPhotos - 1;
    last.photoCount = 1;
    PhotoRecord& photo = doc->GetPhoto(kMaxPhotos - 1);
    photo.inUse = true;
    photo.width = 30;
    photo.height = 20;
    photo.name = "写真";
    const CString path = temp.Path() + "last.zbk";
    const std::string written = Written(*doc, path);
    EXPECT_NE(written.find("\r\nr9999='最後',"), std::string::npos);
    EXPECT_NE(written.find("\r\nr9999=30,20,'写真'\r\n"), std::string::npos);

    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
    const ProductRecord& row = reread->GetRow(kMaxRows - 1);
    EXPECT_TRUE(row.inUse);
    EXPECT_EQ(row.GetCell(0).text, "最後");
    ASSERT_EQ(row.photoCount, 1);
    EXPECT_EQ(row.photos[0], kMaxPhotos - 1);
    EXPECT_TRUE(reread->GetPhoto(kMaxPhotos - 1).inUse);
    EXPECT_EQ(reread->GetPhoto(kMaxPhotos - 1).name, "写真");
    EXPECT_EQ(reread->displayOrder[0], kMaxRows - 1);
}

TEST_F(ListFile, AwkwardTextsSurviveEverywhere)
{
    FillList(*doc);
    CString path = temp.Path() + "awkward.zbk";
    Written(*doc, path);
    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(reread->title, kAwkward);
    EXPECT_EQ(reread->GetColumn(0).name, kAwkward);
    EXPECT_EQ(reread->GetColumn(0).remark, kAwkward);
    EXPECT_EQ(reread->GetColumn(1).dropEntries[3], kAwkward);
    EXPECT_EQ(reread->GetRow(0).GetCell(10).text, kAwkward);
    EXPECT_EQ(reread->GetPhoto(40).name, kAwkward);
    EXPECT_EQ(reread->web.message, kAwkward);
    EXPECT_EQ(reread->web.sortEntries[1].texts[0], kAwkward);
    EXPECT_EQ(reread->print.listHeader.text, kAwkward);
    // Raw texts keep apostrophes, commas and trailing backslashes too.
    EXPECT_EQ(reread->backupFolder, "/backup/it's");
    EXPECT_EQ(reread->web.webFolder, "/web/it's, here");
    EXPECT_EQ(reread->print.device, "C:\\Printers") << "a trailing backslash would escape the quote";
    // Values of every type and both kinds of colour.
    EXPECT_EQ(reread->GetRow(2).GetCell(8).number.GetValue().GetUnits(), 12345672500);
    EXPECT_EQ(reread->GetRow(2).GetCell(7).date.Format("%Y/%m/%d %H:%M:%S"), "2008/12/07 10:20:30");
    EXPECT_TRUE(reread->GetRow(0).GetCell(6).yesNo);
    EXPECT_EQ(reread->GetRow(0).GetCell(9).textColor, RGB(12, 34, 56));
    EXPECT_EQ(reread->GetRow(2).GetCell(127).backColor, RGB(200, 201, 202));
    EXPECT_EQ(reread->GetRow(2).GetCell(127).textColor, RGB(0, 0, 255));
    EXPECT_EQ(reread->GetRow(2).photoCount, 3);
    EXPECT_EQ(reread->GetPhoto(42).height, 202);
    EXPECT_EQ(reread->photoColumns, 4);
}

TEST_F(ListFile, NumbersWithSeparatorsReadAsTheirValue)
{
    FillList(*doc);
    CString path = temp.Path() + "separators.zbk";
    std::string text = Written(*doc, path);
    const size_t at = text.find(",1234567.25,");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 12, ",'1,234,567.25',");
    const size_t negative = text.find(",-3.00,");
    ASSERT_NE(negative, std::string::npos);
    text.replace(negative, 7, ",\"-1,000\",");
    WriteFileBytes(path, text);
    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(reread->GetRow(2).GetCell(8).number.GetValue().GetUnits(), 12345672500);
    EXPECT_EQ(reread->GetRow(0).GetCell(8).number.GetValue().GetUnits(), -10000000);
}

TEST_F(ListFile, NumbersFinerThanTheirColumnReadBackAsSaved)
{
    // Values a damaged file or an edit of the column's decimals leaves finer than the column.
    FillList(*doc);
    ColumnRecord& column = doc->GetColumn(2);
    const auto put = [&](int row, int64_t units) {
        doc->GetRow(row).EditCells().SetNumber(8, COleCurrency(units));
    };
    for (const bool showZero : {false, true}) {
        column.showZero = showZero;
        for (const int decimals : {0, 2}) {
            column.decimals = decimals;
            put(0, -1);   // -0.0001: shows as zero, never as -0
            put(2, 5000); // 0.5
            put(4, 15700); // 1.57
            // The column's own limits and serial numbers are saved the same way.
            column.hasMax = true;
            column.maxValue = CNumber(COleCurrency(-40));
            column.minValue = CNumber(COleCurrency(-1));
            column.serialStep = CNumber(COleCurrency(-15700));
            const CString path = temp.Path() + "finer.zbk";
            const std::string first = Written(*doc, path);
            auto reread = NewDoc();
            ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
            EXPECT_EQ(Written(*reread, path), first)
                << "show zero " << showZero << ", decimals " << decimals;
            EXPECT_EQ(first.find(",-0"), std::string::npos);
        }
    }
}

TEST_F(ListFile, LayoutOfTheWrittenFile)
{
    FillList(*doc);
    CString path = temp.Path() + "layout.zbk";
    std::string text = Written(*doc, path);
    EXPECT_EQ(text.rfind("ver=210800\r\n;---", 0), 0u);
    EXPECT_NE(text.find("; Zantoby Version 2.108.0\r\n"), std::string::npos);
    // The seven sections in their order, each behind a rule line and followed by an empty line.
    size_t at = 0;
    for (const char* header : CListFileFormat::kSectionHeaders) {
        size_t found = text.find(std::string("-\r\n") + header + "\r\n\r\n", at);
        ASSERT_NE(found, std::string::npos) << header;
        at = found;
    }
    // No line ends without CR, and Japanese texts are Shift_JIS bytes.
    for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1)) {
        ASSERT_EQ(text[i - 1], '\r');
    }
    EXPECT_NE(text.find("c0=text,10,'a\\,b \\'c\\' \\\\d\\te\\r\\nf 表ソ','副'"), std::string::npos);
    // 25 choices: m lines of 10, 10 and 5.
    std::vector<int> counts;
    for (size_t m = text.find("\r\nm1="); m != std::string::npos; m = text.find("\r\nm1=", m + 1)) {
        size_t start = m + 5;
        CStringArrayEx fields;
        fields.SplitEscaped(CString(text.substr(start, text.find('\r', start) - start)), ',');
        counts.push_back(fields.GetSize());
    }
    EXPECT_EQ(counts, (std::vector<int>{10, 10, 5}));
    // A number column with separators writes its digits plain; a red background alone is "F1".
    EXPECT_NE(text.find(",1234567.25,"), std::string::npos);
    EXPECT_NE(text.find(",F1,"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(text.substr(text.size() - 4), "\r\n\r\n") << "[photos] ends with its last key line";
}

TEST_F(ListFile, ColourCodesKeepOlderReadersWorking)
{
    EXPECT_EQ(CListFileFormat::FormatColourField(kDefaultColor, RGB(255, 0, 0)), "F1");
    EXPECT_EQ(CListFileFormat::FormatColourField(RGB(0, 128, 0), RGB(255, 255, 255)), "27");
    EXPECT_EQ(CListFileFormat::FormatColourField(kDefaultColor, kDefaultColor), "");
    CString custom = CListFileFormat::FormatColourField(RGB(1, 2, 3), RGB(0, 0, 255));
    EXPECT_EQ(custom, "F4t010203");
    // An older reader looks at the first two characters only: the default, then blue.
    EXPECT_EQ(CListFileFormat::CodeToColour(custom[0]), kDefaultColor);
    COLORREF text = 0;
    COLORREF back = 0;
    CListFileFormat::ParseColourField(custom.view(), text, back);
    EXPECT_EQ(text, RGB(1, 2, 3));
    EXPECT_EQ(back, RGB(0, 0, 255));
    CListFileFormat::ParseColourField("9", text, back);
    EXPECT_EQ(text, kDefaultColor);
    EXPECT_EQ(back, kDefaultColor);
}

TEST_F(ListFile, RawTextsThatCannotReadBackAreRefused)
{
    EXPECT_EQ(CListFileFormat::QuoteRaw("Photo-A"), "'Photo-A'");
    EXPECT_EQ(CListFileFormat::QuoteRaw("it's, here"), "\"it's, here\"");
    EXPECT_EQ(CListFileFormat::QuoteRaw("C:\\Web\\"), "'C:\\Web'");
    EXPECT_FALSE(CListFileFormat::IsStorableRawText("C:\\Web\\"));
    EXPECT_TRUE(CListFileFormat::IsStorableRawText(""));
    EXPECT_FALSE(CListFileFormat::IsStorableRawText("a\r\nb"));
    EXPECT_EQ(CListFileFormat::QuoteRaw("it's\r\n"), "'it's'");
    EXPECT_EQ(CListFileFormat::QuoteRaw("a\"b,c 表"), "'a\"b,c 表'");
    EXPECT_EQ(CListFileFormat::QuoteRaw(""), "''");
    // A lead byte without its trail byte would pair with the closing quote.
    EXPECT_EQ(CListFileFormat::QuoteRaw("写真\x82"), "'写真'");
    EXPECT_FALSE(CListFileFormat::IsStorableRawText("\x82\t"));
    EXPECT_EQ(CListFileFormat::QuoteRaw("a\\\\\x82"), "'a\\\\'");
    EXPECT_EQ(CListFileFormat::QuoteRaw("a',b\",c"), "\"a',b\"\"");
}

// Texts whose last byte is a lead byte that lost its trail byte (from a damaged list or a CSV
// line) are saved without that byte, so that the closing quote stays a quote: nothing after them
// shifts.
TEST_F(ListFile, TextsEndingInALeadByteReadBackWithoutShiftingFields)
{
    const CString broken("末尾\x82");
    doc->title = broken;
    doc->columnCount = 2;
    doc->GetColumn(0).type = kTypeText;
    doc->GetColumn(0).name = broken;
    doc->GetColumn(1).type = kTypeText;
    doc->GetColumn(1).name = "次";
    doc->BuildColumnMap();
    ProductRecord& record = doc->GetRow(0);
    record.inUse = true;
    record.EditCells().SetText(doc->GetColumn(0).slot, broken.view());
    record.EditCells().SetText(doc->GetColumn(1).slot, "後");
    doc->ShowAllRows();
    const CString path = temp.Path() + "broken.zbk";
    Written(*doc, path);

    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(reread->title, "末尾");
    EXPECT_EQ(reread->GetColumn(0).name, "末尾");
    EXPECT_EQ(reread->GetColumn(1).name, "次");
    EXPECT_EQ(reread->GetRow(0).GetCell(reread->GetColumn(0).slot).text, "末尾");
    EXPECT_EQ(reread->GetRow(0).GetCell(reread->GetColumn(1).slot).text, "後");
}

// Web sort entries of columns in use are written; others only when a missing line would read
// back as something else, so saving and reading again keeps every entry.
TEST_F(ListFile, WebSortEntriesOfNoColumnInUseReadBackAsTheyWere)
{
    doc->columnCount = 3;
    doc->web.sortEntries[1].column = -1;
    doc->web.sortEntries[2].column = 50;
    doc->web.sortEntries[2].descending = true;
    const CString path = temp.Path() + "sort.zbk";
    const std::string written = Written(*doc, path);
    EXPECT_EQ(written.find("sort3="), std::string::npos) << "column 3 has no type";
    EXPECT_EQ(written.find("sort50="), std::string::npos);

    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(reread->web.sortEntries[0].column, 0);
    EXPECT_EQ(reread->web.sortEntries[1].column, -1);
    EXPECT_EQ(reread->web.sortEntries[2].column, 50);
    EXPECT_TRUE(reread->web.sortEntries[2].descending);
    EXPECT_EQ(reread->web.sortEntries[3].column, 3);
}

// An entry of no column in use that differs from the standard one only by a lead byte without
// its trail byte, which no line holds, writes as the standard entry: no line, as it reads back.
TEST_F(ListFile, WebSortEntryDifferingOnlyByABrokenLeadByteSavesAsItReadsBack)
{
    doc->columnCount = 3;
    doc->web.sortEntries[5].texts[1] = "\xFA";
    doc->web.sortEntries[6].texts[0] = "x\x82";
    const CString first = temp.Path() + "first.zbk";
    const std::string written = Written(*doc, first);
    EXPECT_EQ(written.find("sort5="), std::string::npos);
    EXPECT_NE(written.find("sort6=6,asc,false,true,true,true,'x',''\r\n"), std::string::npos);

    auto reread = NewDoc();
    ASSERT_TRUE(reread->ReadListFile(first, CListFileReader::ReadAll));
    const CString second = temp.Path() + "second.zbk";
    EXPECT_EQ(WithoutPathComment(Written(*reread, second), second), WithoutPathComment(written, first));
}

// The numbers of the settings are written whole, an int's extremes and negatives included.
TEST_F(ListFile, SettingsNumbersAreWrittenWhole)
{
    doc->print.columnPairs[5] = {INT_MIN, -7};
    doc->web.rowCount = INT_MAX;
    doc->sortKeys[1] = SortKeyEntry{INT_MAX, true};
    doc->GetColumn(4).slot = -12;
    const std::string written = Written(*doc, temp.Path() + "numbers.zbk");
    EXPECT_NE(written.find("\r\nc5=-2147483648,-7\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nrowcount=2147483647\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nsort=+0,-2147483647,+2,+3,"), std::string::npos);
    EXPECT_NE(written.find("\r\nc4=none,-12\r\n"), std::string::npos);
    EXPECT_NE(written.find(",+127\r\n"), std::string::npos);
}

TEST_F(ListFile, SettingsOfADamagedFileAreBroughtIntoTheirRanges)
{
    doc->columnCount = 9;
    for (int i = 0; i < 9; ++i) {
        doc->GetColumn(i).type = kTypeText;
    }
    doc->GetColumn(0).width = -5;
    doc->GetColumn(1).width = 100000;
    doc->GetColumn(2).width = 40;
    doc->lockedColumns = 99;
    doc->photoSizes = PhotoSizeSettings{0, 250, 0, false};
    PrintSettings& print = doc->print;
    print.listScale = 0;
    print.photosPerLine = 0;
    print.listFontSize = 5000;
    print.sheetPhotoSize = -1;
    print.pageFooter.fontSize = 0;
    print.margins = {-3, 100000, 200, 100, 50, 40};
    print.columnPairs[2] = {-9, 1};
    print.columnPairs[3] = {500, 0};
    WebOutputSettings& web = doc->web;
    web.rowCount = 5000;
    web.style.listWidth = 99999;
    web.style.cellSpace = -7;
    web.style.borderWidth = 200;
    web.style.photoMaxCount = 99;
    web.style.photoBlankX = -1;
    CString path = temp.Path() + "damaged.zbk";
    Written(*doc, path);

    auto read = NewDoc();
    ASSERT_TRUE(read->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(read->columnCount, 9);
    EXPECT_EQ(read->lockedColumns, 9);
    EXPECT_EQ(read->GetColumn(0).width, 0);
    EXPECT_EQ(read->GetColumn(1).width, 128);
    EXPECT_EQ(read->GetColumn(2).width, 40) << "a width in range stays";
    EXPECT_EQ(read->photoSizes, (PhotoSizeSettings{100, 100, 20, false}));
    const PrintSettings& printed = read->print;
    EXPECT_EQ(printed.listScale, 10);
    EXPECT_EQ(printed.photosPerLine, 1);
    EXPECT_EQ(printed.listFontSize, 120);
    EXPECT_EQ(printed.sheetPhotoSize, 200);
    EXPECT_EQ(printed.pageFooter.fontSize, 60);
    EXPECT_EQ(printed.margins, (std::array<int, 6>{30, 990, 200, 100, 50, 40}));
    EXPECT_EQ(printed.columnPairs[2][0], -1) << "automatic";
    EXPECT_EQ(printed.columnPairs[3][0], 100);
    const WebOutputSettings& out = read->web;
    EXPECT_EQ(out.rowCount, 100);
    EXPECT_EQ(out.style.listWidth, 2048);
    EXPECT_EQ(out.style.cellSpace, -1) << "no attribute written";
    EXPECT_EQ(out.style.borderWidth, 64);
    EXPECT_EQ(out.style.photoMaxCount, 20);
    EXPECT_EQ(out.style.photoBlankX, 0);

    // A template gives a new list its settings in range as well.
    auto made = NewDoc();
    ASSERT_TRUE(made->ReadListFile(path, CListFileReader::ReadSettings));
    EXPECT_EQ(made->photoSizes.thumbnailSize, 20);
}

// A damaged file may give a column twice, the second time unused: the list ends at its last
// column in use, and the locked columns with it, so the list saves as it reads back.
TEST_F(ListFile, AColumnGivenAgainAsUnusedNoLongerCounts)
{
    doc->columnCount = 3;
    for (int i = 0; i < 3; ++i) {
        doc->GetColumn(i).type = kTypeText;
    }
    doc->lockedColumns = 3;
    CString path = temp.Path() + "given-twice.zbk";
    std::string text = Written(*doc, path);
    for (const char* column : {"c3=", "c2="}) {
        const size_t at = text.find(CString("\r\n") + column);
        ASSERT_NE(at, std::string::npos) << column;
        text.insert(at, "\r\nc" + std::to_string(column[1] - '0' - 1) + "=none,9");
    }
    WriteFileBytes(path, text);

    auto read = NewDoc();
    ASSERT_TRUE(read->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(read->columnCount, 1);
    EXPECT_EQ(read->lockedColumns, 1);
    ExpectSavedReadsBackTheSame(*read);
}

// NUL bytes in a damaged list would cut a text short where it is saved again.
TEST_F(ListFile, NulBytesOfADamagedLineAreNotRead)
{
    doc->web.sortEntries[1].column = 1;
    doc->web.sortEntries[1].texts[1] = "ab";
    CString path = temp.Path() + "nul.zbk";
    std::string text = Written(*doc, path);
    const size_t at = text.find("'ab'");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 4, std::string("'a\0\0b'", 6));
    WriteFileBytes(path, text);

    auto read = NewDoc();
    ASSERT_TRUE(read->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(read->web.sortEntries[1].texts[1], "ab");
    ExpectSavedReadsBackTheSame(*read);
}

TEST_F(ListFile, FailedWriteLeavesTheOldFileWhole)
{
    FillList(*doc);
    CString path = temp.Path() + "kept.zbk";
    std::string before = Written(*doc, path);
    doc->title = "変更後";
    CListFileWriter writer(*doc);
    writer.failAfterBytes = 1000;
    EXPECT_THROW(writer.Write(path), CFileException);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(temp.CountFiles("kept.zbk"), 1) << "no temporary file left beside it";
}

TEST_F(ListFile, LinesTheReaderSkipsAndRowsWithTooManyPhotos)
{
    CString path = temp.Path() + "odd.zbk";
    std::string photos;
    std::string photoLines;
    for (int i = 0; i < 25; ++i) {
        photos += "," + std::to_string(i == 2 ? 10000 : i);
        photoLines += "r" + std::string(i < 10 ? "000" : "00") + std::to_string(i) + "=30,20,'p'\r\n";
    }
    WriteFileBytes(path, "ver=210800\r\n[informations]\r\nno equals sign\r\n=value\r\ntitle='t'\r\n"
                     "titleAndMore='later wins'\r\n[columns]\r\nc0=text,0,'n','','',false,false,left,10,none,"
                     "false,none\r\nc200=text,0,'x'\r\n[products]\r\nr0001='x'" +
                         std::string(256, ',') + "2008/01/02 03:04:05" + photos + "\r\n[photos]\r\n" +
                         photoLines);
    ASSERT_TRUE(doc->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(doc->title, "later wins");
    EXPECT_EQ(doc->columnCount, 1);
    const ProductRecord& row = doc->GetRow(1);
    EXPECT_EQ(row.GetCell(0).text, "x");
    ASSERT_EQ(row.photoCount, 20);
    EXPECT_EQ(row.photos[1], 1);
    EXPECT_EQ(row.photos[2], 3) << "10000 is no photo number";
    EXPECT_EQ(row.photos[19], 20);
    EXPECT_EQ(doc->photoColumns, 20);
    EXPECT_FALSE(host.HasMessage(30217));
}

TEST_F(ListFile, DamagedSlotsAndPhotoReferencesAreRepairedAndReported)
{
    CString path = temp.Path() + "damaged.zbk";
    const std::string rest = ",'','',false,false,left,10,none,false,none\r\n";
    WriteFileBytes(path, "ver=210800\r\n[columns]\r\nc0=text,200,'a'" + rest + "c1=text,1,'b'" + rest +
                         "c2=text,1,'c'" + rest + "c3=none,2\r\n[products]\r\nr0000='A','B','C'" +
                         std::string(254, ',') +
                         "2008/01/02 03:04:05,1,7\r\n[photos]\r\nr0001=10,10,'p'\r\n");
    ASSERT_TRUE(doc->ReadListFile(path, CListFileReader::ReadAll));
    EXPECT_EQ(doc->GetColumn(0).slot, 0);
    EXPECT_EQ(doc->GetColumn(1).slot, 1);
    EXPECT_EQ(doc->GetColumn(2).slot, 3);
    std::vector<bool> used(kMaxColumns, false);
    for (int i = 0; i < kMaxColumns; ++i) {
        int slot = doc->GetColumn(i).slot;
        ASSERT_TRUE(slot >= 0 && slot < kMaxColumns && !used[slot]) << "column " << i;
        used[slot] = true;
    }
    EXPECT_EQ(doc->GetRow(0).GetCell(0).text, "A");
    EXPECT_EQ(doc->GetRow(0).GetCell(1).text, "B");
    ASSERT_EQ(doc->GetRow(0).photoCount, 1) << "photo 7 has no line and no file";
    EXPECT_EQ(doc->GetRow(0).photos[0], 1);
    EXPECT_TRUE(host.HasMessage(30217));
}

} // namespace
