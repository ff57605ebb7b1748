#include "foundation/PrinterList.h"
#include "foundation/PaperCodes.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/PrintSpooler.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A print system with scripted printers and papers.
class FakeSpooler : public PrintSpooler
{
  public:
    std::vector<Printer> printers;
    std::vector<Media> media;
    bool reachable = true;
    mutable int mediaQueries = 0;

    bool ListPrinters(std::vector<Printer>& out) const override
    {
        out = printers;
        return reachable;
    }
    bool ListMedia(const std::string&, std::vector<Media>& out) const override
    {
        ++mediaQueries;
        out = media;
        return reachable;
    }
    std::string GetDefaultPrinter() const override { return printers.empty() ? "" : printers[0].name; }
};

// Installs a fake spooler and records boxes for one test.
class PrinterListTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        auto fake = std::make_unique<FakeSpooler>();
        spooler = fake.get();
        previousSpooler = PrintSpooler::Install(std::move(fake));
        previousBox = SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        PrintSpooler::Install(std::move(previousSpooler));
        SetMessageBoxHandler(previousBox);
    }

    FakeSpooler* spooler = nullptr;
    std::vector<CString> boxes;

  private:
    std::unique_ptr<PrintSpooler> previousSpooler;
    MessageBoxHandler previousBox;
};

} // namespace

TEST(PaperCodeTable, StoredWindowsNumbersMapToMediaNamesAndBack)
{
    EXPECT_STREQ(CPaperCodes::ToMediaName(9), "iso_a4_210x297mm");
    EXPECT_STREQ(CPaperCodes::ToMediaName(13), "jis_b5_182x257mm");
    EXPECT_STREQ(CPaperCodes::ToMediaName(4711), "");
    EXPECT_EQ(CPaperCodes::FromMedia("iso_a4_210x297mm", 0, 0), 9);
    EXPECT_EQ(CPaperCodes::FromMedia("jpn_hagaki_100x148mm", 0, 0), 43);
    EXPECT_EQ(CPaperCodes::GetSize(9), CSize(2100, 2970));
}

TEST(PaperCodeTable, UnnamedMediaAreFoundBySizeInEitherOrientation)
{
    // A driver's own name for A4, in hundredths of a millimetre, and A4 turned.
    EXPECT_EQ(CPaperCodes::FromMedia("A4.Borderless", 21000, 29700), 9);
    EXPECT_EQ(CPaperCodes::FromMedia("custom", 29700, 21000), 9);
    // ISO B5 and JIS B5 differ: each keeps its own number.
    EXPECT_EQ(CPaperCodes::FromMedia("x", 17600, 25000), 34);
    EXPECT_EQ(CPaperCodes::FromMedia("x", 18200, 25700), 13);
    EXPECT_EQ(CPaperCodes::FromMedia("x", 12345, 23456), 0);
}

TEST_F(PrinterListTest, AMachineWithoutPrintersGivesAnEmptyListAndNoBox)
{
    CPrinterList list;
    EXPECT_TRUE(list.EnumPrinters());
    EXPECT_EQ(list.GetSize(), 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PrinterListTest, PrintersKeepTheSystemOrderAndTheirDetails)
{
    spooler->printers = {{"Office", "ipp://office/ipp", "", Cp932::ToUtf8("二階の複合機"),
                          Cp932::ToUtf8("二階"), "iso_a4_210x297mm", 1},
                         {"PDF", "cups-pdf:/", "", "", "", "", 0}};
    CPrinterList list;
    ASSERT_TRUE(list.EnumPrinters());
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.GetItem(0)->printerName, "Office");
    EXPECT_EQ(list.GetItem(0)->comment, "二階の複合機");
    EXPECT_EQ(list.GetItem(0)->defaultPaper, 9);
    EXPECT_EQ(list.GetItem(1)->portName, "cups-pdf:/");
    EXPECT_EQ(list.FindPrinter("PDF"), 1);
    EXPECT_EQ(list.FindPrinter("pdf"), -1);
    // Listing again replaces the list.
    spooler->printers.pop_back();
    list.EnumPrinters();
    EXPECT_EQ(list.GetSize(), 1);
}

TEST_F(PrinterListTest, AnUnreachablePrintSystemIsReportedWithWhatWasFound)
{
    spooler->reachable = false;
    CPrinterList list;
    EXPECT_FALSE(list.EnumPrinters());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "ﾌﾟﾘﾝﾀ一覧が取得できませんでした");
    CPaperList papers;
    EXPECT_FALSE(papers.EnumPapers("Office", ""));
    EXPECT_EQ(boxes.back(), "用紙一覧が取得できませんでした");
}

TEST_F(PrinterListTest, PapersGetWindowsNumbersAndPrinterOwnPapersNumbersFrom256)
{
    spooler->printers = {{"Office", "", "", "", "", "", 0}};
    spooler->media = {{"iso_a4_210x297mm", "A4", 21000, 29700},
                      {"oe_photo-xl_3.5x5in", "", 8890, 12700},
                      {"jpn_hagaki_100x148mm", Cp932::ToUtf8("はがき"), 10000, 14800},
                      {"oe_square_5x5in", "", 12700, 12700}};
    CPrinterList list;
    list.EnumPrinters();
    CPaperList& papers = list.GetItem(0)->GetPapers();
    ASSERT_EQ(papers.GetSize(), 4);
    EXPECT_EQ(papers.GetItem(0)->paperId, 9);
    EXPECT_EQ(papers.GetItem(0)->name, "A4");
    EXPECT_EQ(papers.GetItem(0)->width, 2100);
    EXPECT_EQ(papers.GetItem(1)->paperId, 256);
    EXPECT_EQ(papers.GetItem(1)->name, "89 x 127 mm") << "a raw media keyword is no name";
    EXPECT_EQ(papers.GetItem(2)->name, "はがき");
    EXPECT_EQ(papers.GetItem(3)->paperId, 257);
    EXPECT_EQ(papers.FindPaper(43), 2);
    // The papers are asked once; a second look uses the filled list.
    list.GetItem(0)->GetPapers();
    EXPECT_EQ(spooler->mediaQueries, 1);
}

TEST_F(PrinterListTest, EachPaperIsListedOnceUnderAReadableName)
{
    spooler->media = {{"iso_a4_210x297mm", "iso_a4_210x297mm", 21000, 29700},
                      {"iso_a4_210x297mm_borderless", "iso_a4_210x297mm_borderless", 21000, 29700},
                      {"custom_182.74x256.47mm_182.74x256.47mm", "custom_182.74x256.47mm", 18274, 25647},
                      {"jis_b5_182x257mm", "B5 (JIS)", 18200, 25700},
                      {"jpn_hagaki_100x148mm", Cp932::ToUtf8("ハガキ"), 10000, 14800},
                      {"oe_square_5x5in", "Square 5x5", 12700, 12700},
                      {"oe_square_5x5in_borderless", "", 12700, 12700}};
    CPaperList papers;
    papers.EnumPapers("Office", "");
    ASSERT_EQ(papers.GetSize(), 4);
    EXPECT_EQ(papers.GetItem(0)->name, "A4");
    EXPECT_EQ(papers.GetItem(1)->paperId, 13);
    EXPECT_EQ(papers.GetItem(1)->name, "B5 (JIS)") << "found by its size, named from the paper table";
    EXPECT_EQ(papers.GetItem(2)->name, "ハガキ") << "the print system's Japanese name stays";
    EXPECT_EQ(papers.GetItem(3)->paperId, 256);
    EXPECT_EQ(papers.GetItem(3)->name, "Square 5x5");
}

TEST_F(PrinterListTest, PapersTheSystemNamesOnlyByTheirMediaKeywordGetTheirKnownNames)
{
    // A print system without its own names for these lists the bare keywords.
    spooler->media = {{"iso_a1_594x841mm", "iso_a1_594x841mm", 59400, 84100},
                      {"iso_b5_176x250mm", "iso_b5_176x250mm", 17600, 25000},
                      {"jis_b5_182x257mm", "", 18200, 25700},
                      {"jpn_kaku3_216x277mm", "jpn_kaku3_216x277mm", 21600, 27700},
                      {"na_number-9_3.875x8.875in", "", 9843, 22543},
                      {"iso_c5_162x229mm", "C5 Envelope", 16200, 22900}};
    CPaperList papers;
    papers.EnumPapers("Office", "");
    ASSERT_EQ(papers.GetSize(), 6);
    EXPECT_EQ(papers.GetItem(0)->name, "A1");
    EXPECT_EQ(papers.GetItem(1)->name, "B5 (ISO)") << "ISO B5 is a paper, not only an envelope";
    EXPECT_EQ(papers.GetItem(1)->paperId, 34);
    EXPECT_EQ(papers.GetItem(2)->name, "B5 (JIS)");
    EXPECT_EQ(papers.GetItem(3)->name, "角形3号封筒");
    EXPECT_EQ(papers.GetItem(4)->name, "封筒 #9");
    EXPECT_EQ(papers.GetItem(5)->name, "封筒 C5") << "the Japanese name over the system's English one";
}

TEST_F(PrinterListTest, APrinterWithoutPapersHasAnEmptyListAndLongNamesAreCutWhole)
{
    CPaperList papers;
    EXPECT_TRUE(papers.EnumPapers("Office", ""));
    EXPECT_EQ(papers.GetSize(), 0);

    // 63 single bytes and then a double-byte character: the character does not fit in 64.
    spooler->media = {{"x", Cp932::ToUtf8(std::string(63, 'a') + "用紙"), 1000, 1000}};
    papers.EnumPapers("Office", "");
    ASSERT_EQ(papers.GetSize(), 1);
    EXPECT_EQ(papers.GetItem(0)->name, CString(std::string(63, 'a')));
}
