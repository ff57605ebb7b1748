// Printed pages compared as pictures with the pictures of the same pages kept in tests/data:
// list pages with photos, colours, sub-names and columns past the paper's edge, fitted to the
// width and not, on portrait and landscape paper, and single sheets. A page that looks other
// than it did fails, whatever was changed in how it is drawn.
#include "app/printing/PrintJob.h"
#include "app/printing/tests/support/JobPdf.h"
#include "app/startup/SampleListMaker.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* const kWords[] = {"ステンレス", "木製", "ＬＥＤ", "ｶﾞﾗｽ", "北海道産", "Premium", "折りたたみ",
                              "ボトル",     "チェア", "ライト", "花瓶", "Tシャツ",  "クッション", "ケース"};

// The sample list with sixteen more text columns of words that wrap, some cells coloured.
std::unique_ptr<CZantobyDoc> MakeWideList(FakeListHost& host, const ScratchFolder& scratch)
{
    const CString path = scratch / "wide.zbk";
    if (!CSampleListMaker(host).Make(path, 60, 8)) {
        return nullptr;
    }
    auto doc = std::make_unique<CZantobyDoc>(host);
    if (!doc->OnOpenDocument(path)) {
        return nullptr;
    }
    const int first = doc->columnCount;
    for (int i = 0; i < 16; ++i) {
        ColumnRecord& column = doc->GetColumn(first + i);
        column.slot = first + i;
        column.type = kTypeText;
        column.width = 6 + i % 5 * 3;
        column.align = i % 3;
        column.name.Format("項目%d", i + 1);
        column.subName = i % 4 == 1 ? "補足" : "";
    }
    doc->columnCount = first + 16;
    doc->BuildColumnMap();
    std::mt19937 random(11);
    for (int row = 0; row < doc->displayCount; ++row) {
        if (doc->displayOrder[row] < 0) {
            continue;
        }
        for (int i = 0; i < 16; ++i) {
            CString text;
            for (unsigned words = random() % 5; words > 0; --words) {
                text += kWords[random() % std::size(kWords)];
                text += random() % 3 == 0 ? " " : "";
            }
            doc->SetCellTextAt(first + i, row, text);
            if (random() % 13 == 0) {
                doc->SetCellBackColor(first + i, row, RGB(255, 230, 200));
            }
            if (random() % 17 == 0) {
                doc->SetCellTextColor(first + i, row, RGB(200, 0, 0));
            }
        }
    }
    return doc;
}

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// Pixels that differ between two pictures, -1 when they cannot be compared.
long Differences(const fs::path& a, const fs::path& b)
{
    const std::string command = "compare -metric AE " + Quoted(a) + " " + Quoted(b) + " null: 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    long pixels = -1;
    if (std::fscanf(pipe, "%ld", &pixels) != 1) {
        pixels = -1;
    }
    pclose(pipe);
    return pixels;
}

struct Picture
{
    const char* name;
    CPrintJob::Form form;
    int width;
    int height;
    bool fitToWidth;
    std::vector<int> pages;
};

} // namespace

TEST(PrintedPagePictures, PagesLookAsTheyDid)
{
    ScratchFolder scratch;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc = MakeWideList(host, scratch);
    ASSERT_NE(doc, nullptr);
    const fs::path data = std::getenv("ZANTOBY_TEST_DATA");
    // Set to make the pictures anew into tests/data after a change meant to alter the pages.
    const bool remake = std::getenv("ZANTOBY_REMAKE_PAGE_PICTURES") != nullptr;
    const Picture pictures[] = {
        {"list-portrait", CPrintJob::Form::List, 2100, 2970, false, {1, 2, 3}},
        {"list-portrait-fitted", CPrintJob::Form::List, 2100, 2970, true, {1, 2}},
        {"list-landscape", CPrintJob::Form::List, 2970, 2100, false, {1, 4}},
        {"sheet-portrait", CPrintJob::Form::Sheets, 2100, 2970, false, {1, 2}},
    };
    for (const Picture& picture : pictures) {
        doc->print.fitToWidth = picture.fitToWidth;
        doc->print.listScale = 100;
        CPrintJob job(*doc, picture.form);
        if (picture.form == CPrintJob::Form::Sheets) {
            job.SetSheetRows({0, 1});
        }
        const fs::path pdf = FileSystem::ToNative(scratch.Path()) / (std::string(picture.name) + ".pdf");
        ASSERT_GE(PrintJobToPdf(job, FileSystem::FromNative(pdf), picture.width, picture.height),
                  picture.pages.back())
            << picture.name;
        for (int page : picture.pages) {
            const std::string stem = std::string(picture.name) + "-" + std::to_string(page);
            const fs::path shown = pdf.parent_path() / stem;
            const std::string number = std::to_string(page);
            ASSERT_EQ(std::system(("pdftoppm -r 60 -gray -png -singlefile -f " + number + " -l " + number + " " +
                                   Quoted(pdf) + " " + Quoted(shown))
                                      .c_str()),
                      0);
            const fs::path expected = data / (stem + ".png");
            if (remake) {
                fs::copy_file(shown.string() + ".png", expected, fs::copy_options::overwrite_existing);
            }
            EXPECT_EQ(Differences(shown.string() + ".png", expected), 0) << stem;
        }
    }
    EXPECT_TRUE(host.errorReports.empty());
    doc->OnCloseDocument();
}

TEST(PrintedPagePictures, ColumnsPastThePapersEdgeAreNotInThePageAtAll)
{
    ScratchFolder scratch;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc = MakeWideList(host, scratch);
    ASSERT_NE(doc, nullptr);
    doc->print.fitToWidth = false;
    doc->print.listScale = 100;
    CPrintJob job(*doc, CPrintJob::Form::List);
    const fs::path pdf = FileSystem::ToNative(scratch.Path()) / "wide.pdf";
    ASSERT_GE(PrintJobToPdf(job, FileSystem::FromNative(pdf)), 1);
    // The text of the page as the file holds it, cut away or not.
    const std::string command = "pdftotext -f 1 -l 1 " + Quoted(pdf) + " -";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, got);
    }
    pclose(pipe);
    const int first = doc->columnCount - 16;
    EXPECT_NE(text.find(Cp932::ToUtf8(doc->GetColumn(first).name.view())), std::string::npos)
        << "the first added column is on the paper";
    EXPECT_EQ(text.find(Cp932::ToUtf8(doc->GetColumn(doc->columnCount - 1).name.view())), std::string::npos)
        << "the last lies past the paper's edge";
    doc->OnCloseDocument();
}
