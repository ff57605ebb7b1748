// Printing without a printer: list pages and single sheets laid out on A4 at 600 dpi, as the
// numbers of the layout show them.
#include "app/printing/PrintJob.h"
#include "list/ZantobyDoc.h"
#include "platform/Bitmap.h"
#include "platform/FileSystem.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

const CPrintJob::Paper kA4{2100, 2970};

class PrintLayout : public ::testing::Test
{
  protected:
    PrintLayout() : doc(std::make_unique<CZantobyDoc>(host))
    {
        canvas.SetResolution(PdfDocument::kDotsPerInch);
    }

    // Rows of one-line texts in the three columns of a new list.
    void AddRows(int count)
    {
        for (int i = 0; i < count; ++i) {
            ProductRecord& row = doc->GetRow(doc->AllocProductRecord());
            CString name;
            name.Format("商品%d", i + 1);
            row.EditCells().SetText(0, name.view());
            row.EditCells().SetText(1, "ABC");
        }
        doc->ShowAllRows();
    }
    // A photo slot of a pixel size, put at the end of a row.
    int AddPhoto(int record, int width, int height)
    {
        const int slot = doc->AllocPhotoRecord();
        doc->GetPhoto(slot).width = width;
        doc->GetPhoto(slot).height = height;
        doc->GetPhoto(slot).name.Format("写真%d", slot + 1);
        ProductRecord& row = doc->GetRow(record);
        row.photos[row.photoCount++] = slot;
        return slot;
    }

    // A page of a PDF file, where text measures as printed.
    Canvas& PdfPage()
    {
        if (!pdf.Create(FileSystem::FromNative(std::filesystem::temp_directory_path() / "zantoby-layout.pdf"),
                        2100, 2970)) {
            ADD_FAILURE() << "no PDF page";
            return canvas;
        }
        page = std::make_unique<Canvas>(pdf.Context());
        page->SetResolution(PdfDocument::kDotsPerInch);
        return *page;
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    Canvas canvas;
    PdfDocument pdf;
    std::unique_ptr<Canvas> page;
};

} // namespace

TEST_F(PrintLayout, HundredRowsOnA4PortraitFillThreePagesWithNumberedFooters)
{
    AddRows(100);
    CPrintJob job(*doc, CPrintJob::Form::List);
    ASSERT_TRUE(job.CheckRowsToPrint());
    ASSERT_EQ(job.Begin(canvas, kA4), 3);

    const CListPageLayout& layout = job.ListLayout();
    EXPECT_EQ(job.Area().printableWidth, 2100 - 200 - 100);
    EXPECT_EQ(job.Area().printableHeight, 2970 - 200 - 100);
    EXPECT_EQ(layout.FontHeight(), 35); // 10 pt
    // A one-line row is a line of the font and a fifth of the scale.
    EXPECT_EQ(layout.RowHeight(0), 35 + 20);
    // 2670 less two heading lines and both bands leaves 2510: 45 rows of 55 fit below it.
    EXPECT_EQ(layout.RowsOnPage(1), 45);
    EXPECT_EQ(layout.RowsOnPage(2), 45);
    EXPECT_EQ(layout.RowsOnPage(3), 10);
    EXPECT_EQ(layout.FirstRowOnPage(3), 90);
    EXPECT_EQ(job.Bands().FooterText(2, 3), "- 2 / 3 -");
    EXPECT_EQ(job.Bands().HeaderText(1, 3).Left(10), "新規リスト");
}

TEST_F(PrintLayout, ColumnsTakeTheirWidthsInOrderAndAHiddenColumnTakesNoRoom)
{
    AddRows(1);
    doc->print.columnPairs[1][PrintSettings::kListWidth] = 0;
    doc->print.columnPairs[2][PrintSettings::kListWidth] = 25;
    CPrintJob job(*doc, CPrintJob::Form::List);
    job.Begin(canvas, kA4);
    const CListPageLayout& layout = job.ListLayout();
    // Automatic: ten characters of half of (35 + 2), and a millimetre of room.
    EXPECT_EQ(layout.ColumnWidths(), (std::vector<int>{10 * 37 / 2 + 10, 0, 250}));
    EXPECT_EQ(layout.ColumnLeft(2), 195);
    EXPECT_EQ(layout.TableWidth(), 445);
}

TEST_F(PrintLayout, FitToWidthHalvesATableTwiceTooWideAndStopsAtATenth)
{
    AddRows(1);
    doc->print.fitToWidth = true;
    doc->print.listPhotos = false;
    doc->print.columnPairs[0][PrintSettings::kListWidth] = 180; // with two more of 90 mm: 3600
    doc->print.columnPairs[1][PrintSettings::kListWidth] = 90;
    doc->print.columnPairs[2][PrintSettings::kListWidth] = 90;
    CPrintJob job(*doc, CPrintJob::Form::List);
    job.Begin(canvas, kA4);
    EXPECT_EQ(job.ListLayout().Scale(), 50);
    EXPECT_EQ(doc->print.listScale, 50) << "the scale found is kept for the next job";
    EXPECT_EQ(job.ListLayout().ColumnWidths()[0], 900);
    EXPECT_EQ(job.ListLayout().FontHeight(), MulDiv(50, 254, 720));

    doc->print.columnPairs[0][PrintSettings::kListWidth] = 2000;
    job.Begin(canvas, kA4);
    EXPECT_EQ(job.ListLayout().Scale(), 10);
}

TEST_F(PrintLayout, ARowTallerThanThePageHasAPageOfItsOwn)
{
    AddRows(3);
    doc->print.photosPerLine = 0; // taken as one photo a line
    const int tall = doc->displayOrder[1];
    for (int i = 0; i < 20; ++i) {
        AddPhoto(tall, 300, 400); // 20 lines of 130 high
    }
    CPrintJob job(*doc, CPrintJob::Form::List);
    ASSERT_EQ(job.Begin(canvas, kA4), 3);
    EXPECT_EQ(job.ListLayout().PhotoColumnWidth(), MulDiv(300, 130, 400) + 20);
    EXPECT_GT(job.ListLayout().RowHeight(1), 2670);
    EXPECT_EQ(job.ListLayout().RowsOnPage(1), 1);
    EXPECT_EQ(job.ListLayout().RowsOnPage(2), 1);
    EXPECT_EQ(job.ListLayout().RowsOnPage(3), 1);
}

TEST_F(PrintLayout, ColumnsOfOneNameShareItAndTheirRuleStopsUnderIt)
{
    AddRows(3);
    doc->print.listHeader.shown = false;
    doc->print.listPhotos = false;
    doc->GetColumn(0).name = "寸法";
    doc->GetColumn(1).name = "寸法";
    doc->GetColumn(2).name = "色";
    const int widths[3] = {40, 20, 30};
    for (int column = 0; column < 3; ++column) {
        doc->print.columnPairs[doc->GetColumn(column).slot][PrintSettings::kListWidth] = widths[column];
    }
    // A4 at 127 dpi: a pixel is 0.2 mm, and the table starts 20 mm in from the corner.
    Bitmap page;
    ASSERT_TRUE(page.Create(1050, 1485, 32));
    for (int y = 0; y < page.Height(); ++y) {
        std::fill(page.Row(y), page.Row(y) + page.Width(), 0xFFFFFF);
    }
    Canvas paper(page);
    paper.SetResolution(127);
    CPrintJob job(*doc, CPrintJob::Form::List);
    ASSERT_EQ(job.Begin(paper, kA4), 1);
    job.PrintPage(paper, 1);
    ASSERT_EQ(job.ListLayout().HeadingHeight(), 70);
    // Whether a rule crosses x (0.1 mm) anywhere between the heights top and bottom.
    auto ruled = [&](int x, int top, int bottom) {
        for (int y = (200 - top) / 2; y <= (200 - bottom) / 2; ++y) {
            for (int px = (200 + x) / 2 - 2; px <= (200 + x) / 2 + 2; ++px) {
                if ((page.GetPixel(px, y) & 0xFF) < 160) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_FALSE(ruled(400, -8, -62)) << "no rule through the shared name";
    EXPECT_TRUE(ruled(400, -80, -220)) << "the two columns keep their rule below it";
    EXPECT_TRUE(ruled(600, -8, -62)) << "a column of another name is ruled off from the top";
}

TEST_F(PrintLayout, NothingToPrintIsSaidOnceForEitherForm)
{
    for (CPrintJob::Form form : {CPrintJob::Form::List, CPrintJob::Form::Sheets}) {
        host.messages.clear();
        CPrintJob job(*doc, form);
        EXPECT_FALSE(job.CheckRowsToPrint());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].id, 20300);
        EXPECT_EQ(job.Begin(canvas, kA4), 0);
    }
}

TEST_F(PrintLayout, SheetsOfSelectedRowsPrintInListOrderWithTheirPhotosInLines)
{
    AddRows(8);
    const int record = doc->displayOrder[5];
    for (int i = 0; i < 3; ++i) {
        AddPhoto(record, 400, 300); // 933 x 700 each: two do not fit side by side
    }
    CPrintJob job(*doc, CPrintJob::Form::Sheets);
    job.SetSheetRows({7, 2, 5, 2});
    ASSERT_TRUE(job.CheckRowsToPrint());
    ASSERT_EQ(job.Begin(canvas, kA4), 4);
    const std::vector<SheetPage>& pages = job.SheetLayout().Pages();
    EXPECT_EQ(pages[0].record, doc->displayOrder[2]);
    EXPECT_EQ(pages[1].record, record);
    EXPECT_EQ(pages[3].record, doc->displayOrder[7]);

    // Three blocks of one line, each a line of the font and 5 mm.
    const int line = job.SheetLayout().FontHeight();
    EXPECT_EQ(pages[1].blockHeights, (std::vector<int>{line + 50, line + 50, line + 50}));
    const int top = -50 - 3 * (line + 50) - 50;
    ASSERT_EQ(pages[1].photos.size(), 2u);
    EXPECT_EQ(pages[1].photos[0].rect, CRect(0, top, 932, top - 699));
    const int second = top - job.SheetLayout().CaptionHeight() - 700 - 50;
    EXPECT_EQ(pages[1].photos[1].rect, CRect(0, second, 932, second - 699));
    // The third would run into the footer: it starts a page of the same row under the header.
    ASSERT_EQ(pages[2].photos.size(), 1u);
    EXPECT_EQ(pages[2].record, record);
    EXPECT_EQ(pages[2].BlocksHeight(), 0);
    EXPECT_EQ(pages[2].photos[0].rect.top, -50);
}

TEST_F(PrintLayout, ASheetBlockThatRunsPastThePageGoesOnToANewPageOfTheSameRow)
{
    AddRows(1);
    ProductRecord& row = doc->GetRow(doc->displayOrder[0]);
    CString lines;
    for (int i = 0; i < 60; ++i) {
        lines += "行\n";
    }
    row.EditCells().SetText(1, lines.view()); // 60 lines: more than half the page
    row.EditCells().SetText(2, lines.view());
    CPrintJob job(*doc, CPrintJob::Form::Sheets);
    ASSERT_EQ(job.Begin(canvas, kA4), 2);
    const std::vector<SheetPage>& pages = job.SheetLayout().Pages();
    const int line = job.SheetLayout().FontHeight();
    EXPECT_EQ(pages[0].blockHeights, (std::vector<int>{line + 50, 60 * line + 50, 0}));
    EXPECT_EQ(pages[1].blockHeights, (std::vector<int>{0, 0, 60 * line + 50}));
    EXPECT_EQ(pages[1].record, pages[0].record);
}

TEST_F(PrintLayout, AJobLaidOutOnceServesTheSamePaperAtTheSameResolutionOnly)
{
    AddRows(40);
    CPrintJob job(*doc, CPrintJob::Form::List);
    EXPECT_FALSE(job.IsLaidOutFor(kA4, PdfDocument::kDotsPerInch));
    const int pages = job.Begin(canvas, kA4);
    EXPECT_TRUE(job.IsLaidOutFor(kA4, PdfDocument::kDotsPerInch));
    EXPECT_FALSE(job.IsLaidOutFor({2970, 2100}, PdfDocument::kDotsPerInch)) << "turned paper";
    EXPECT_FALSE(job.IsLaidOutFor(kA4, 300)) << "text measures otherwise at another resolution";
    EXPECT_EQ(job.GetPageCount(), pages);
}

TEST_F(PrintLayout, RowsOfRepeatedTextsMeasureAsRowsOfTheirOwn)
{
    // The same long text in many rows wraps into the same height in each, whichever thread
    // measures the row; a short one does not wrap.
    constexpr int kRows = 1500;
    for (int i = 0; i < kRows; ++i) {
        ProductRecord& row = doc->GetRow(doc->AllocProductRecord());
        row.EditCells().SetText(0, i % 2 == 0 ? "色違いあり。まとめ買いの割引は店頭でお問い合わせください。"
                                              : "短い");
    }
    doc->ShowAllRows();
    CPrintJob job(*doc, CPrintJob::Form::List);
    job.Begin(PdfPage(), kA4);
    const CListPageLayout& layout = job.ListLayout();
    ASSERT_EQ(layout.RowCount(), kRows);
    EXPECT_GT(layout.RowHeight(0), layout.RowHeight(1)) << "the long text wraps";
    for (int row = 2; row < kRows; ++row) {
        ASSERT_EQ(layout.RowHeight(row), layout.RowHeight(row % 2)) << row;
    }
}

TEST_F(PrintLayout, ARowIsAsTallAsTheTallestOfItsCellsLaidOut)
{
    // Cells of words that wrap, in columns of several widths: a row is as tall as its tallest
    // cell measured as it is drawn, however few of its cells were laid out to find it.
    const char* const words[] = {"ステンレス", "木製",   "ＬＥＤ", "ｶﾞﾗｽ", "北海道産", "Premium", "ー",
                                 "ボトル",     "チェア", "ッ",     "、",   "Tシャツ",  " ",       "150ｃｍ"};
    constexpr int kColumns = 12;
    doc->columnCount = kColumns;
    for (int column = 0; column < kColumns; ++column) {
        ColumnRecord& record = doc->GetColumn(column);
        record.slot = column;
        record.type = kTypeText;
        record.width = 4 + column % 6 * 3;
        record.name.Format("項目%d", column + 1);
    }
    doc->BuildColumnMap();
    std::mt19937 random(5);
    constexpr int kRows = 600;
    for (int i = 0; i < kRows; ++i) {
        ProductRecord& row = doc->GetRow(doc->AllocProductRecord());
        for (int column = 0; column < kColumns; ++column) {
            std::string text;
            for (unsigned count = random() % 9; count > 0; --count) {
                text += words[random() % std::size(words)];
            }
            row.EditCells().SetText(column, text);
        }
    }
    doc->ShowAllRows();
    Canvas& page = PdfPage();
    CPrintJob job(*doc, CPrintJob::Form::List);
    job.Begin(page, kA4);
    const CListPageLayout& layout = job.ListLayout();
    ASSERT_EQ(layout.RowCount(), kRows);
    page.SelectFont(layout.Font());
    int wrapped = 0;
    for (int row = 0; row < kRows; ++row) {
        int tallest = layout.FontHeight();
        for (int column = 0; column < kColumns; ++column) {
            CRect box(0, 0, layout.ColumnWidths()[column] - 2 * (layout.Scale() / 20), 0);
            tallest = std::max(tallest, page.DrawText(doc->GetCellTextAt(column, row, kOutputPrint), box,
                                                      DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
        }
        ASSERT_EQ(layout.RowHeight(row), tallest + layout.Scale() / 5) << row;
        wrapped += tallest > 2 * layout.FontHeight() ? 1 : 0;
    }
    EXPECT_GT(wrapped, kRows / 2);
}
