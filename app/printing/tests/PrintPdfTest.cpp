// The sample list printed to PDF files as list pages and as single sheets; the files are kept in
// the test output folder for a look.
#include "app/printing/PrintJob.h"
#include "app/printing/tests/support/JobPdf.h"
#include "app/startup/SampleListMaker.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

CString OutputFolder(const ScratchFolder& scratch)
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    if (folder == nullptr) {
        return scratch.Path();
    }
    std::filesystem::create_directories(folder);
    return FileSystem::FromNative(folder);
}

} // namespace

TEST(PrintPdf, TheSampleListPrintsAsListPagesAndAsSheets)
{
    ScratchFolder scratch;
    FakeListHost host;
    const CString listPath = scratch / "sample.zbk";
    ASSERT_TRUE(CSampleListMaker(host).Make(listPath, 60, 8));
    auto doc = std::make_unique<CZantobyDoc>(host);
    ASSERT_TRUE(doc->OnOpenDocument(listPath));
    doc->print.fitToWidth = true;

    CPrintJob list(*doc, CPrintJob::Form::List);
    const int listPages = PrintJobToPdf(list, OutputFolder(scratch) + "/print-list.pdf");
    EXPECT_EQ(listPages, list.ListLayout().PageCount());
    EXPECT_GE(listPages, 2);
    EXPECT_LT(list.ListLayout().Scale(), 100) << "eight columns and a photo column are wider than A4";

    CPrintJob sheets(*doc, CPrintJob::Form::Sheets);
    std::vector<int> withPhotos; // the first three rows that hold photos
    for (int row = 0; row < doc->displayCount && withPhotos.size() < 3; ++row) {
        if (doc->displayOrder[row] >= 0 && doc->GetRow(doc->displayOrder[row]).photoCount > 0) {
            withPhotos.push_back(row);
        }
    }
    sheets.SetSheetRows(withPhotos);
    const int sheetPages = PrintJobToPdf(sheets, OutputFolder(scratch) + "/print-sheets.pdf");
    EXPECT_EQ(sheetPages, sheets.GetPageCount());
    EXPECT_GE(sheetPages, 3) << "a page or more for each row";
    EXPECT_TRUE(host.errorReports.empty());
    doc->OnCloseDocument();
}
