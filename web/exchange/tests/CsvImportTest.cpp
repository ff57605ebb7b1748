#include "list/tests/support/FileBytes.h"
#include "list/tests/support/TestPhotos.h"
#include "platform/MessageBox.h"
#include "web/exchange/CsvExporter.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/CsvText.h"
#include "web/exchange/testing/ExchangeList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class CsvImport : public ::testing::Test, public ExchangeList
{
  protected:
    CString WriteCsv(const std::string& bytes, const char* name = "入力.csv")
    {
        CString path = temp.Path() + name;
        WriteFileBytes(path, bytes);
        return path;
    }

    bool Import(const CString& path, int mode = 0, char delimiter = ',', int passRows = 0, int pathMode = 0)
    {
        ImportCsvSettings settings;
        settings.mode = mode;
        settings.breakChar = delimiter;
        settings.passRows = passRows;
        settings.pathMode = pathMode;
        CCsvImporter importer(*doc, settings);
        bool read = importer.Import(path);
        imported = importer.GetRowCount();
        return read;
    }

    CString Shown(int column, int position) const
    {
        return doc->GetCellTextAt(column, position, kOutputFile);
    }

    int RowsInUse() const
    {
        int count = 0;
        for (int row = 0; row < kMaxRows; ++row) {
            count += doc->GetRow(row).inUse ? 1 : 0;
        }
        return count;
    }

    int imported = 0;
};

// Texts that the field syntax has to carry: quotes at the start and inside, every delimiter,
// line breaks, tabs, backslashes (a path, a yen sign at the end, one alone), a double-byte
// character whose second byte is a backslash (表), and nothing at all.
const char* const kHardTexts[] = {
    "\"引用\"で始まる", "a\"b;c d",          "1,2\t3", "行1\n行2\r\n行3", "C:\\表\\ソ", "it's", "", "末尾\\",
    "'90s ロック",      "C:\\temp\\new.jpg", "\\",     "\\'\\,\\\"",
};

// Column names the heading has to carry: quotes of both kinds, a yen sign at the end, every
// delimiter, and a name repeated from the column before.
void NameColumnsHard(CZantobyDoc& doc)
{
    const char* const names[] = {"品名\"新\"", "価格\\", "入荷 'a';b", "入荷 'a';b", "\"記号,\t"};
    for (int i = 0; i < 5; ++i) {
        doc.GetColumn(i).name = names[i];
    }
    doc.GetColumn(1).subName = "税込\"円\"";
}

TEST_F(CsvImport, EveryDelimiterAndQuoteReadsBackWhatWasExportedWithOrWithoutItsHeading)
{
    UseAllTypes();
    NameColumnsHard(*doc);
    for (const char* text : kHardTexts) {
        AddRow({text, "-1234567", "2024/03/05 14:30:00", "1", text});
    }
    // A quote and two quotes side by side, which merged two fields when read as others write.
    AddRow({"\"", "5", "", "0", "\"\""});
    AddRow({"", "", "", "0", ""});
    const int rows = static_cast<int>(std::size(kHardTexts)) + 2;
    for (char delimiter : {',', '\t', ';', ' '}) {
        for (char quote : {'"', '\'', '\0'}) {
            for (int passRows : {-1, 0, 1}) {
                // -1: written without the heading lines.
                SCOPED_TRACE(testing::Message() << "delimiter " << int(delimiter) << ", quote " << int(quote)
                                                << ", lines skipped " << passRows);
                ExportCsvSettings out;
                out.breakChar = delimiter;
                out.quoteChar = quote;
                out.columnNames = passRows >= 0;
                out.source = 1;
                CString path = temp.Path() + "往復.csv";
                ASSERT_TRUE(CCsvExporter(*doc, out).Write(path));

                ExchangeList copy;
                copy.UseAllTypes();
                NameColumnsHard(*copy.doc);
                ImportCsvSettings in;
                in.breakChar = delimiter;
                in.passRows = std::max(passRows, 0);
                in.pathMode = 0;
                CCsvImporter importer(*copy.doc, in);
                ASSERT_TRUE(importer.Import(path));
                ASSERT_EQ(importer.GetRowCount(), rows) << "no heading line taken for a row";
                for (int position = 0; position < rows; ++position) {
                    for (int column = 0; column < 5; ++column) {
                        EXPECT_EQ(copy.doc->GetCellTextAt(column, position, kOutputGrid),
                                  doc->GetCellTextAt(column, position, kOutputGrid))
                            << "row " << position << ", column " << column;
                    }
                }
            }
        }
    }
}

TEST_F(CsvImport, FilesWrittenByPythonsCsvModuleImportExactly)
{
    // Written by Python's csv module with its defaults, in Shift_JIS and in UTF-8, under a
    // heading of this list's column names: apostrophes at the start of fields and inside,
    // Windows paths, fields ending in a backslash, backslashes before n, t, quotes and commas,
    // and a line break inside a quoted field.
    const char* const expected[][3] = {
        {"'90s ロック", "シングル'クォート", "300"},
        {"C:\\temp\\new.jpg", "末尾\\", "\\\\server\\写真\\表.jpg"},
        {"'", "it's \"quoted\"", "ソ\\n表\\t"},
        {"'a,b'", "\\'\\,\\\\", "行1\r\n'行2'"},
        {"\\", "", "\\\\"},
    };
    for (const char* name : {"/python-cp932.csv", "/python-utf8.csv"}) {
        SCOPED_TRACE(name);
        ExchangeList fresh;
        ImportCsvSettings settings;
        settings.pathMode = 0;
        CCsvImporter importer(*fresh.doc, settings);
        ASSERT_TRUE(importer.Import(CString(std::getenv("ZANTOBY_TEST_DATA")) + name));
        ASSERT_EQ(importer.GetRowCount(), 5) << "the heading left out, no row merged";
        for (int position = 0; position < 5; ++position) {
            for (int column = 0; column < 3; ++column) {
                EXPECT_EQ(fresh.doc->GetCellTextAt(column, position, kOutputFile),
                          CString(expected[position][column]))
                    << "row " << position << ", column " << column;
            }
        }
        EXPECT_TRUE(fresh.host.messages.empty());
    }
}

TEST_F(CsvImport, ASpreadsheetsFileWithQuotesAndLineBreaksInsideFieldsReadsExactly)
{
    // Written by a spreadsheet's CSV writer in Shift_JIS: doubled quotes, line breaks (LF and
    // CR LF) and delimiters inside quoted fields, and its heading line of the column names.
    UseAllTypes();
    CString path = CString(std::getenv("ZANTOBY_TEST_DATA")) + "/spreadsheet-cp932.csv";
    ASSERT_TRUE(Import(path, 1));
    ASSERT_EQ(imported, 5);

    ExchangeList expected;
    expected.UseAllTypes();
    expected.AddRow({"ねじ \"M3\" 表示", "1200", "2024/05/01 09:30:00", "true", "表,裏"});
    expected.AddRow({"ソフト\r\n説明書付き", "35", "", "false", "\""});
    expected.AddRow({"改行\r\nあり", "", "2024/12/31 00:00:00", "", "ｶﾀｶﾅ"});
    expected.AddRow({"", "0", "", "true", ""});
    expected.AddRow({"\"\"", "-7", "", "false", "a,b\r\nc"});
    for (int position = 0; position < 5; ++position) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(Shown(column, position), expected.doc->GetCellTextAt(column, position, kOutputFile))
                << "row " << position << ", column " << column;
        }
    }
}

TEST_F(CsvImport, AUtf8FileIsConvertedWithOrWithoutItsByteOrderMark)
{
    for (const char* mark : {"", "\xEF\xBB\xBF"}) {
        ExchangeList fresh;
        ImportCsvSettings settings;
        settings.pathMode = 0;
        // UTF-8 of "りんご,赤\r\nｶﾞﾑ,表"
        CString path = WriteCsv(std::string(mark) + "\xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94,\xE8\xB5\xA4\r\n"
                                                    "\xEF\xBD\xB6\xEF\xBE\x9E\xEF\xBE\x91,\xE8\xA1\xA8\r\n");
        CCsvImporter importer(*fresh.doc, settings);
        ASSERT_TRUE(importer.Import(path));
        ASSERT_EQ(importer.GetRowCount(), 2);
        EXPECT_EQ(fresh.doc->GetCellTextAt(0, 0, kOutputFile), "りんご");
        EXPECT_EQ(fresh.doc->GetCellTextAt(1, 0, kOutputFile), "赤");
        EXPECT_EQ(fresh.doc->GetCellTextAt(0, 1, kOutputFile), "ｶﾞﾑ");
        EXPECT_EQ(fresh.doc->GetCellTextAt(1, 1, kOutputFile), "表");
        EXPECT_TRUE(fresh.host.messages.empty());
        EXPECT_EQ(CCsvImporter::ReadPreview(path), "りんご,赤\nｶﾞﾑ,表\n") << "the preview shows it so too";
    }
}

TEST_F(CsvImport, AUtf8FileWithCharactersShiftJisLacksIsImportedOnlyWhenTheUserAgrees)
{
    AddRow({"残る"});
    doc->SetModifiedFlag(false);
    // "a", "b😀c,𠮷" and "😀": the emoji and 𠮷 have no Shift_JIS form.
    CString path = WriteCsv("a\nb\xF0\x9F\x98\x80"
                            "c,\xF0\xA0\xAE\xB7\r\n\xF0\x9F\x98\x80\n");
    host.answers = {IDNO};
    EXPECT_FALSE(Import(path));
    const CString question = host.TextOf(21500);
    EXPECT_NE(question.Find("入力.csv"), -1) << question.GetString();
    EXPECT_NE(question.Find("（U+1F600 U+20BB7）"), -1) << "each character once: " << question.GetString();
    EXPECT_NE(question.Find("2行目 : b■c,■\n"), -1) << question.GetString();
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Shown(0, 0), "残る");

    host.answers = {IDYES};
    ASSERT_TRUE(Import(path));
    EXPECT_EQ(Shown(0, 0), "a");
    EXPECT_EQ(Shown(0, 1), "b?c");
    EXPECT_EQ(Shown(1, 1), "?");
}

TEST(CsvText, AnUnheldCharacterFarIntoALongLineIsShownWithWhatStandsAroundIt)
{
    std::string line(100, 'x');
    line += "\xF0\x9F\x98\x80";
    line += std::string(100, 'y');
    for (int i = 0; i < 12; ++i) {
        line += "\xF0\x9F\x98" + std::string(1, static_cast<char>(0x81 + i));
    }
    const CCsvText::Unheld unheld = CCsvText::FindUnheld("\xEF\xBB\xBF"
                                                         "ok\r\n" +
                                                         line);
    EXPECT_EQ(unheld.line, 2);
    EXPECT_EQ(unheld.marked, CString("…" + std::string(20, 'x') + "■" + std::string(39, 'y') + "…"));
    EXPECT_EQ(unheld.codes,
              "U+1F600 U+1F601 U+1F602 U+1F603 U+1F604 U+1F605 U+1F606 U+1F607 U+1F608 U+1F609 …")
        << "ten codes at most";
}

TEST_F(CsvImport, TheDefaultImportSkipsTheHeadingLinesOfTheDefaultExport)
{
    AddRow({"ねじ", "小"});
    AddRow({"項目1", "項目2", "項目3"}); // a row that reads like the heading, but not first
    for (bool subNames : {false, true}) {
        SCOPED_TRACE(subNames ? "with sub-names" : "names only");
        doc->GetColumn(1).subName = subNames ? "大きさ" : "";
        CString path = temp.Path() + "既定.csv";
        ASSERT_TRUE(CCsvExporter(*doc, ExportCsvSettings()).Write(path));

        ExchangeList copy;
        copy.doc->GetColumn(1).subName = doc->GetColumn(1).subName;
        CCsvImporter importer(*copy.doc, ImportCsvSettings());
        ASSERT_TRUE(importer.Import(path));
        ASSERT_EQ(importer.GetRowCount(), 2);
        EXPECT_EQ(copy.doc->GetCellTextAt(0, 0, kOutputFile), "ねじ");
        EXPECT_EQ(copy.doc->GetCellTextAt(0, 1, kOutputFile), "項目1");

        // Skipping the names line by hand still leaves the sub-names line out.
        ExchangeList skipped;
        skipped.doc->GetColumn(1).subName = doc->GetColumn(1).subName;
        ImportCsvSettings one;
        one.passRows = 1;
        CCsvImporter byHand(*skipped.doc, one);
        ASSERT_TRUE(byHand.Import(path));
        EXPECT_EQ(byHand.GetRowCount(), 2);
        EXPECT_EQ(skipped.doc->GetCellTextAt(0, 0, kOutputFile), "ねじ");
    }
}

TEST_F(CsvImport, AReplacingImportIsOneStepThatUndoTakesBack)
{
    AddRow({"旧1"});
    AddRow({"旧2"});
    CString path = WriteCsv("新1\n新2\n新3\n");
    ASSERT_TRUE(Import(path, 1));
    ASSERT_EQ(RowsInUse(), 3);
    EXPECT_FALSE(doc->IsUndoStepOpen());

    ASSERT_TRUE(doc->CanUndo());
    doc->OnUndo();
    EXPECT_EQ(RowsInUse(), 2);
    EXPECT_EQ(Shown(0, 0), "旧1");
    EXPECT_EQ(Shown(0, 1), "旧2");
    EXPECT_EQ(doc->displayCount, 3);

    doc->OnRedo();
    EXPECT_EQ(RowsInUse(), 3);
    EXPECT_EQ(Shown(0, 2), "新3");
    doc->OnUndo();
    EXPECT_EQ(Shown(0, 0), "旧1") << "one step, however many rows";
}

TEST_F(CsvImport, QuotedFieldsTakeWhatFollowsTheirClosingQuoteAndEveryRebuiltFieldStaysWhole)
{
    // Text after a closing quote, a doubled quote, a bare line feed inside quotes, 表 (whose
    // second byte is a backslash) in quotes, and last a lead byte that takes the closing quote
    // for its second byte, so that the field runs to the end of the file.
    std::string lines = "\"ab\"cd,\"a\"\"b\",\"行1\n行2\"\r\n\"表\",\"\",x\r\n";
    // Enough fields rebuilt apart from the file's text that their store grows many times.
    for (int i = 0; i < 2000; ++i) {
        lines += "\"" + std::to_string(i) + "\"\"\",\"\"\"\"\r\n";
    }
    lines += "\"end\x81\",z\r\n";
    ASSERT_TRUE(Import(WriteCsv(lines)));
    ASSERT_EQ(imported, 2003);
    EXPECT_EQ(Shown(0, 0), "abcd");
    EXPECT_EQ(Shown(1, 0), "a\"b");
    EXPECT_EQ(Shown(2, 0), "行1\r\n行2");
    EXPECT_EQ(Shown(0, 1), "表");
    EXPECT_EQ(Shown(1, 1), "");
    EXPECT_EQ(Shown(2, 1), "x");
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(Shown(0, 2 + i), CString(std::to_string(i) + "\"")) << "line " << i + 3;
        ASSERT_EQ(Shown(1, 2 + i), "\"") << "line " << i + 3;
    }
    EXPECT_EQ(Shown(0, 2002), "end\x81\",z\r\n");
}

TEST_F(CsvImport, AValueTheFirstColumnRefusesStillMakesItsRowAndTheLinesAfterItComeIn)
{
    ColumnRecord& price = doc->GetColumn(0);
    price.name = "価格";
    price.type = kTypeNumber;
    ColumnRecord& name = doc->GetColumn(1);
    name.name = "品名";
    name.type = kTypeText;
    doc->columnCount = 2;
    doc->BuildColumnMap();
    ASSERT_TRUE(Import(WriteCsv("100,ねじ\r\n不明,ナット\r\n300,座金\r\n"), 1));
    EXPECT_EQ(imported, 3);
    EXPECT_EQ(Shown(0, 1), "") << "the refused value leaves its cell empty";
    EXPECT_EQ(Shown(1, 1), "ナット");
    EXPECT_EQ(Shown(0, 2), "300");
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CsvImport, AnAddingImportTakesTheFreeRowsInTurnWhereverTheyLieAndUndoFreesThemAgain)
{
    for (const char* text : {"残0", "空1", "残2", "空3", "残4"}) {
        AddRow({text});
    }
    doc->GetRow(1).Reset();
    doc->GetRow(3).Reset();
    ASSERT_TRUE(Import(WriteCsv("新1\n新2\n新3\n")));
    ASSERT_EQ(imported, 3);
    EXPECT_EQ(doc->displayOrder[0], 1);
    EXPECT_EQ(doc->displayOrder[1], 3);
    EXPECT_EQ(doc->displayOrder[2], 5);
    EXPECT_EQ(Shown(0, 2), "新3");
    EXPECT_EQ(RowsInUse(), 6);

    doc->OnUndo();
    EXPECT_EQ(RowsInUse(), 3);
    EXPECT_FALSE(doc->GetRow(1).inUse);
    EXPECT_FALSE(doc->GetRow(5).inUse);
    EXPECT_EQ(doc->GetCellText(0, doc->GetColumn(0).slot, 4, kOutputFile), "残4");
}

TEST_F(CsvImport, BackslashesOfOtherProgramsFilesStayAsTheyAre)
{
    // A yen sign before digits, a Windows path and what would be the export's escapes.
    ASSERT_TRUE(Import(WriteCsv("\"\\1000\",\"C:\\photos\\a.jpg\",\"a\\,b\"\r\nC:\\new\\,\\'x\\',\\\r\n")));
    ASSERT_EQ(imported, 2);
    EXPECT_EQ(Shown(0, 0), "\\1000");
    EXPECT_EQ(Shown(1, 0), "C:\\photos\\a.jpg");
    EXPECT_EQ(Shown(2, 0), "a\\,b");
    EXPECT_EQ(Shown(0, 1), "C:\\new\\") << "a backslash before the delimiter ends no field";
    EXPECT_EQ(Shown(1, 1), "\\'x\\'");
    EXPECT_EQ(Shown(2, 1), "\\");

    // The export's heading in another delimiter, or quoted otherwise, is no sign of the export.
    ASSERT_TRUE(Import(WriteCsv("\"項目1\";\"項目2\";\"項目3\"\r\n'a\\nb',\"項目1\"\r\n"), 1));
    ASSERT_EQ(imported, 2);
    EXPECT_EQ(Shown(0, 1), "'a\\nb'");
    EXPECT_EQ(Shown(1, 1), "項目1");
}

TEST_F(CsvImport, ExtraFieldsBecomeUpToTwentyPhotosAndTheRestIsIgnored)
{
    ASSERT_TRUE(TestPhotos::WriteJpeg(temp.Path() + "写真.jpg", 64, 48));
    std::string six = "a,b,c,写真.jpg,,写真.jpg\n";
    std::string many = "d,e,f";
    for (int i = 0; i < 22; ++i) {
        many += ",写真.jpg";
    }
    CString path = WriteCsv(six + many + "\n");
    ASSERT_TRUE(Import(path, 0, ',', 0, 2));
    ASSERT_EQ(imported, 2);
    const ProductRecord& first = doc->GetRow(doc->displayOrder[0]);
    const ProductRecord& second = doc->GetRow(doc->displayOrder[1]);
    EXPECT_EQ(Shown(2, 0), "c");
    EXPECT_EQ(first.photoCount, 2);
    EXPECT_EQ(second.photoCount, kMaxPhotosPerRow);
    EXPECT_EQ(doc->photoColumns, kMaxPhotosPerRow);
    EXPECT_TRUE(doc->GetPhoto(second.photos[19]).inUse);

    ExchangeList plain;
    ImportCsvSettings noPhotos;
    noPhotos.pathMode = 0;
    CCsvImporter(*plain.doc, noPhotos).Import(path);
    EXPECT_EQ(plain.doc->GetRow(plain.doc->displayOrder[1]).photoCount, 0);
    EXPECT_EQ(plain.doc->GetCellTextAt(2, 1, kOutputFile), "f");
}

TEST_F(CsvImport, AMissingPhotoAsksAndNoKeepsTheRowsReadSoFar)
{
    CString path = WriteCsv("a\nb,,,無い.jpg\nc\n");
    host.answers = {IDNO};
    AddRow({"前"});
    ASSERT_TRUE(doc->CanUndo());
    ASSERT_TRUE(Import(path, 0, ',', 0, 2));
    EXPECT_NE(host.TextOf(31502).Find("無い.jpg"), -1) << host.TextOf(31502).GetString();
    EXPECT_EQ(imported, 2);
    EXPECT_EQ(Shown(0, 1), "b");
    EXPECT_EQ(doc->displayCount, 3) << "the rows read and the new-row line";
    // Stopped early, the list still has to be saved, and one undo takes the whole import back.
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->IsUndoStepOpen());
    doc->OnUndo();
    EXPECT_EQ(RowsInUse(), 1);
    EXPECT_EQ(Shown(0, 0), "前");
}

TEST_F(CsvImport, AddingShowsOnlyTheNewRowsAndReplacingDropsTheOld)
{
    for (int i = 0; i < 50; ++i) {
        AddRow({"既存"});
    }
    CString path = WriteCsv("新1\n新2\n");
    ASSERT_TRUE(Import(path, 0));
    EXPECT_EQ(RowsInUse(), 52);
    EXPECT_EQ(doc->displayCount, 3);
    EXPECT_EQ(Shown(0, 0), "新1");

    ASSERT_TRUE(Import(path, 1));
    EXPECT_EQ(RowsInUse(), 2);
    EXPECT_EQ(Shown(0, 1), "新2");
}

TEST_F(CsvImport, AtMostTenThousandRowsAndNoMoreThanTheListHasRoomFor)
{
    std::string lines;
    for (int i = 0; i < 12000; ++i) {
        lines += std::to_string(i) + "\r\n";
    }
    CString path = WriteCsv(lines);
    ASSERT_TRUE(Import(path, 1));
    EXPECT_EQ(imported, kMaxRows);
    EXPECT_EQ(Shown(0, 9999), "9999");
    EXPECT_EQ(host.progressTexts.front(), "CSVﾌｧｲﾙを読込中...0行目");
    EXPECT_EQ(host.progressClears, 1);

    // All but three rows taken: the fourth line finds the list full.
    for (int row = 3; row < kMaxRows; ++row) {
        doc->GetRow(row).inUse = true;
    }
    for (int row = 0; row < 3; ++row) {
        doc->GetRow(row).Reset();
    }
    host.messages.clear();
    CCsvImporter adding(*doc, ImportCsvSettings());
    ASSERT_TRUE(adding.Import(path));
    EXPECT_EQ(adding.GetRowCount(), 3);
    EXPECT_TRUE(host.messages.empty()) << "nothing is said while the import runs";
    CCsvImporter::ReportLeftOut(host, adding.GetLeftOut());
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.TextOf(31503),
              "ﾘｽﾄに入りきらなかったため、CSVﾌｧｲﾙの最後の 11997 行は取り込みませんでした");
}

TEST_F(CsvImport, RowsPastTheListsRoomAndFieldsPastThoseALineTakesAreToldInOneMessage)
{
    // 10,001 lines of five fields into three columns: the last line and two fields of every
    // line taken find no place; empty fields past them hold nothing to lose.
    std::string lines;
    for (int i = 0; i < kMaxRows + 1; ++i) {
        lines += std::to_string(i) + ",b,c,d,e,,\r\n";
    }
    CString path = WriteCsv(lines);
    ImportCsvSettings settings;
    settings.mode = 1;
    settings.pathMode = 0;
    CCsvImporter importer(*doc, settings);
    ASSERT_TRUE(importer.Import(path));
    EXPECT_EQ(importer.GetRowCount(), kMaxRows);
    EXPECT_EQ(Shown(2, kMaxRows - 1), "c");
    EXPECT_TRUE(host.messages.empty());
    CCsvImporter::ReportLeftOut(host, importer.GetLeftOut());
    EXPECT_EQ(host.TextOf(31503),
              "ﾘｽﾄに入りきらなかったため、CSVﾌｧｲﾙの最後の 1 行と、各行の 3 個目より後にある "
              "20000 個のﾌｨｰﾙﾄﾞは取り込みませんでした");

    // With photos taken, a line holds the columns and twenty photo fields (empty ones here).
    ExchangeList photos;
    settings.pathMode = 1;
    CCsvImporter withPhotos(*photos.doc, settings);
    ASSERT_TRUE(withPhotos.Import(WriteCsv("a,b,c" + std::string(kMaxPhotosPerRow, ',') + ",x,y\r\nd\r\n")));
    EXPECT_EQ(withPhotos.GetRowCount(), 2);
    CCsvImporter::ReportLeftOut(photos.host, withPhotos.GetLeftOut());
    EXPECT_EQ(
        photos.host.TextOf(31503),
        "ﾘｽﾄに入りきらなかったため、CSVﾌｧｲﾙの各行の 23 個目より後にある 2 個のﾌｨｰﾙﾄﾞは取り込みませんでした");

    // A file that fits says nothing.
    photos.host.messages.clear();
    ASSERT_TRUE(withPhotos.Import(WriteCsv("a,b,c\r\n")));
    CCsvImporter::ReportLeftOut(photos.host, withPhotos.GetLeftOut());
    EXPECT_TRUE(photos.host.messages.empty());
}

TEST_F(CsvImport, SkippedLinesAreNotReadAndASkipPastTheEndStillMarksTheList)
{
    CString path = WriteCsv("見出し\n1\n2\n3\n4\n");
    ASSERT_TRUE(Import(path, 0, ',', 1));
    EXPECT_EQ(imported, 4);
    EXPECT_EQ(Shown(0, 0), "1");

    doc->SetModifiedFlag(false);
    ASSERT_TRUE(Import(path, 0, ',', 10));
    EXPECT_EQ(imported, 0);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(CsvImport, NoFileOrAnUnreadableOneIsToldAndChangesNothing)
{
    AddRow({"残る"});
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(Import(CString()));
    EXPECT_TRUE(host.HasMessage(31500));
    EXPECT_FALSE(Import(temp.Path() + "無い.csv"));
    EXPECT_NE(host.TextOf(31501).Find("無い.csv"), -1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Shown(0, 0), "残る");
}

TEST(CsvPreview, ShowsTheFirstTwentyLinesInPiecesOfAtMost1023Bytes)
{
    TempFolder temp;
    CString shortFile = temp.Path() + "短い.csv";
    WriteFileBytes(shortFile, "一\r\n二\r\n三");
    EXPECT_EQ(CCsvImporter::ReadPreview(shortFile), "一\n二\n三\n");

    std::string lines(1500, 'x');
    lines += "\n";
    for (int i = 0; i < 30; ++i) {
        lines += "行\n";
    }
    CString longFile = temp.Path() + "長い.csv";
    WriteFileBytes(longFile, lines);
    std::string expected = std::string(1023, 'x') + "\n" + std::string(477, 'x') + "\n";
    for (int i = 0; i < 18; ++i) {
        expected += "行\n";
    }
    EXPECT_EQ(CCsvImporter::ReadPreview(longFile), CString(expected));
    EXPECT_TRUE(CCsvImporter::ReadPreview(temp.Path() + "無い.csv").IsEmpty());
}

} // namespace
