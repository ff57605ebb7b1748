#include "list/RowSorter.h"
#include "list/tests/support/FileBytes.h"
#include "platform/MessageBox.h"
#include "web/exchange/CsvExporter.h"
#include "web/exchange/testing/ExchangeList.h"

#include <gtest/gtest.h>

namespace {

class CsvExport : public ::testing::Test, public ExchangeList
{
  protected:
    std::string Export(const ExportCsvSettings& settings)
    {
        CString path = temp.Path() + "出力.csv";
        EXPECT_TRUE(CCsvExporter(*doc, settings).Write(path));
        return ReadFileBytes(path);
    }

    static ExportCsvSettings Settings(char delimiter = ',', char quote = '"', bool names = true)
    {
        ExportCsvSettings settings;
        settings.breakChar = delimiter;
        settings.quoteChar = quote;
        settings.columnNames = names;
        return settings;
    }
};

TEST_F(CsvExport, RepeatedColumnNamesAreWrittenOnceAndSubNamesMakeASecondHeadingLine)
{
    doc->GetColumn(0).name = "A";
    doc->GetColumn(1).name = "A";
    doc->GetColumn(2).name = "B";
    EXPECT_EQ(Export(Settings()), "\"A\",\"\",\"B\"\r\n") << "an empty list writes only its heading";

    doc->GetColumn(1).subName = "小";
    EXPECT_EQ(Export(Settings(';', '\'')), "'A';'';'B'\r\n'';'小';''\r\n");
    EXPECT_EQ(Export(Settings(';', 0)), "\"A\";\"\";\"B\"\r\n\"\";\"小\";\"\"\r\n")
        << "the heading is quoted also when the texts are not";
}

TEST_F(CsvExport, QuotesInsideNamesAreDoubled)
{
    doc->GetColumn(0).name = "\"特\"価";
    doc->GetColumn(1).name = "it's";
    doc->GetColumn(2).name = "円\\";
    doc->GetColumn(2).subName = "\"";
    EXPECT_EQ(Export(Settings()), "\"\"\"特\"\"価\",\"it's\",\"円\\\"\r\n\"\",\"\",\"\"\"\"\r\n");
    EXPECT_EQ(Export(Settings(',', '\'')), "'\"特\"価','it''s','円\\'\r\n'','','\"'\r\n");
}

TEST_F(CsvExport, EachTypeIsWrittenAsTheImportReadsIt)
{
    UseAllTypes();
    AddRow({"ねじ,大\n(箱)", "1234567", "2024/03/05 14:30:00", "1", "表"});
    AddRow({"", "", "", "0", ""});
    EXPECT_EQ(Export(Settings(',', '"', false)),
              "\"ねじ\\,大\\n(箱)\",1234567,2024/03/05 14:30:00,true,\"表\"\r\n"
              "\"\",,,false,\"\"\r\n");
}

TEST_F(CsvExport, ShownRowsFollowTheDisplayAndAllRowsTheSortKeys)
{
    AddRow({"b"});
    AddRow({"c"});
    AddRow({"a"});
    // Shown: the second and first rows only, in that order.
    doc->displayOrder[0] = 1;
    doc->displayOrder[1] = 0;
    doc->displayOrder[2] = kNewRowLine;
    doc->displayCount = 3;
    ExportCsvSettings shown = Settings(',', 0, false);
    shown.source = 1;
    EXPECT_EQ(Export(shown), "c,,\r\nb,,\r\n");
    EXPECT_EQ(Export(Settings(',', 0, false)), "a,,\r\nb,,\r\nc,,\r\n");
}

TEST_F(CsvExport, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten)
{
    CString path = temp.Path() + "無い/出力.csv";
    EXPECT_FALSE(CCsvExporter(*doc, Settings()).Write(path));
    ASSERT_EQ(host.errorReports.size(), 1u);
    EXPECT_NE(host.errorReports[0].Find("CSVﾌｧｲﾙを開くことは出来ませんでした"), -1);
}

TEST_F(CsvExport, ANameWithoutExtensionIsAskedAboutWhenItsCsvFileExists)
{
    CString typed = temp.Path() + "一覧";
    CString path = typed;
    EXPECT_TRUE(CCsvExporter::ConfirmPath(path, host));
    EXPECT_EQ(path, typed + ".csv");
    EXPECT_TRUE(host.messages.empty()) << "nothing there to replace";

    WriteFileBytes(typed + ".csv", "大事");
    host.answers = {IDNO};
    path = typed;
    EXPECT_FALSE(CCsvExporter::ConfirmPath(path, host));
    EXPECT_EQ(host.TextOf(20600), "ﾌｧｲﾙ[" + typed + ".csv]は既に存在します\n\n上書きして構いませんか");
    EXPECT_EQ(ReadFileBytes(typed + ".csv"), "大事");

    host.answers = {IDYES};
    path = typed;
    EXPECT_TRUE(CCsvExporter::ConfirmPath(path, host));
    EXPECT_EQ(path, typed + ".csv");

    // A name with its extension was asked about by the file dialog already.
    host.messages.clear();
    path = typed + ".csv";
    EXPECT_TRUE(CCsvExporter::ConfirmPath(path, host));
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
