// Printing from a list window without a printer: the preview commands open the preview window a
// moment after the command, showing the list's pages drawn by the print engine.
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/ListPrintRunner.h"
#include "app/printing/ui/ListPrintout.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/PrintoutPdf.h"
#include "app/testing/ui/SampleListStart.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/print.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

// The preview shown in a preview window, through its control bar.
wxPrintPreviewBase* PreviewOf(wxPreviewFrame& frame)
{
    for (wxWindow* child : frame.GetChildren()) {
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) {
            return bar->GetPrintPreview();
        }
    }
    return nullptr;
}

// The left edge in millimetres of the leftmost word on the first page of a PDF file.
double LeftmostWordMm(const CString& path)
{
    const std::string command = "pdftotext -bbox -f 1 -l 1 '" + FileSystem::ToNative(path).string() + "' -";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return -1;
    }
    std::string html;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        html.append(buffer, got);
    }
    pclose(pipe);
    double left = -1;
    const std::string mark = "<word xMin=\"";
    for (size_t at = html.find(mark); at != std::string::npos; at = html.find(mark, at + 1)) {
        const double x = std::stod(html.substr(at + mark.size(), 16)) * 25.4 / 72;
        left = left < 0 ? x : std::min(left, x);
    }
    return left;
}

CString OutputFolder()
{
    return FileSystem::FromNative(std::getenv("ZANTOBY_TEST_OUTPUT"));
}

} // namespace

TEST(PrintPreviewWindowTest, ListPreviewOpensAMomentAfterItsCommandWithTheListsPages)
{
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    SendCommand(*view->GetFrame(), ID_FILE_PREVIEW_LIST);
    EXPECT_EQ(wxGetApp().GetPrintMode(), ID_FILE_PREVIEW_LIST);
    EXPECT_EQ(ShownWindow<wxPreviewFrame>(), nullptr) << "the preview waits until the command has ended";

    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() != nullptr; }, 3000));
    wxPreviewFrame* frame = ShownWindow<wxPreviewFrame>();
    wxPrintPreviewBase* preview = PreviewOf(*frame);
    ASSERT_NE(preview, nullptr);
    auto* printout = dynamic_cast<CListPrintout*>(preview->GetPrintout());
    ASSERT_NE(printout, nullptr);
    EXPECT_EQ(printout->Job().GetForm(), CPrintJob::Form::List);
    EXPECT_GE(preview->GetMaxPage(), 2);
    EXPECT_NEAR(printout->Job().Area().pageWidth, 2100, 1) << "A4 from the list's page settings";
    WxTestEnvironment::PumpFor(500);
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*frame, "print-preview").IsEmpty());
    frame->Close(true);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() == nullptr; }, 3000));
}

TEST(PrintPreviewWindowTest, SheetPreviewShowsTheSelectedRowsAndAnEmptySelectionSaysSo)
{
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    CListGrid& grid = *view->Grid();
    grid.MoveToCell(0, 2);
    SendCommand(*view->GetFrame(), ID_FILE_PREVIEW_SHEET);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() != nullptr; }, 3000));
    wxPreviewFrame* frame = ShownWindow<wxPreviewFrame>();
    auto* printout = dynamic_cast<CListPrintout*>(PreviewOf(*frame)->GetPrintout());
    ASSERT_NE(printout, nullptr);
    ASSERT_FALSE(printout->Job().SheetLayout().Pages().empty());
    EXPECT_EQ(printout->Job().SheetLayout().Pages()[0].record, view->ListDoc()->displayOrder[2]);
    frame->Close(true);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() == nullptr; }, 3000));

    // On the new-row line there is no row to print: a warning instead of a preview.
    std::vector<CString> boxes;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
        boxes.push_back(text);
        return IDOK;
    });
    grid.MoveToCell(0, grid.GetRowCount() - 1);
    SendCommand(*view->GetFrame(), ID_FILE_PREVIEW_SHEET);
    WxTestEnvironment::PumpUntil([&] { return !boxes.empty(); }, 5000);
    SetMessageBoxHandler(previous);
    EXPECT_EQ(ShownWindow<wxPreviewFrame>(), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "印刷するﾃﾞｰﾀがありません");
}

TEST(PrintPreviewWindowTest, PrintedPagesStartAtTheMarginWhereverThePrintSystemPutsItsOrigin)
{
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    CZantobyDoc& doc = *view->ListDoc();
    const double margin = doc.print.margins[PrintSettings::kLeftMargin] / 10.0;
    // A4 as it lies, portrait and landscape. A file printer moves each landscape page's origin
    // into its margins by 186 dots.
    struct Sheet
    {
        const char* name;
        int width, height, originShift;
    };
    for (const Sheet& sheet :
         {Sheet{"print-portrait.pdf", 2100, 2970, 0}, Sheet{"print-landscape.pdf", 2970, 2100, 186}}) {
        const CString path = OutputFolder() + "/" + sheet.name;
        CListPrintout printout(doc, CPrintJob::Form::List, {});
        ASSERT_GE(PrintPrintoutToPdf(printout, path, sheet.width, sheet.height, sheet.originShift), 1);
        const double left = LeftmostWordMm(path);
        EXPECT_GE(left, margin) << sheet.name;
        EXPECT_LT(left, margin + 2) << sheet.name << ": the text starts just inside the margin";
    }
}

TEST(PrintPreviewWindowTest, SheetPrintingAsksForTheSelectedRowsOrAllRowsFirst)
{
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    CZantobyDoc& doc = *view->ListDoc();
    auto& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    CListGrid& grid = *view->Grid();
    std::vector<CString> boxes;
    MessageBoxHandler previousBoxes =
        SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
    // The pages go to a PDF file in place of the desktop's print dialog; the records they show
    // are kept.
    std::vector<std::vector<int>> jobs;
    CListPrintRunner::Printer previousPrinter =
        CListPrintRunner::SetPrinter([&](wxWindow*, wxPrintout& printout, wxPrintDialogData&) {
            const CString path =
                OutputFolder() + "/sheet-print-" + std::to_string(jobs.size() + 1).c_str() + ".pdf";
            EXPECT_GE(PrintPrintoutToPdf(printout, path, 2100, 2970), 1);
            std::set<int> records;
            for (const SheetPage& page : dynamic_cast<CListPrintout&>(printout).Job().SheetLayout().Pages()) {
                records.insert(page.record);
            }
            jobs.emplace_back(records.begin(), records.end());
            return false;
        });
    const std::vector<CString> sheetPrint = {"ﾌｧｲﾙ(&F)", "単票印刷(&2)..."};

    // Only the new-row line is selected: the selected rows hold nothing to print.
    grid.MoveToCell(0, grid.GetRowCount() - 1);
    CString question;
    UserInput::AnswerNextModal([&](wxWindow* dialog) {
        question = FromWx(dialog->FindWindow(1501)->GetLabel());
        UserInput::Press(WXK_RETURN);
    });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(question, "選択した行(&S)  (1行)");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "印刷するﾃﾞｰﾀがありません");
    EXPECT_TRUE(jobs.empty());

    // The selected row, chosen as the dialog opens.
    grid.ScrollToTopRow(0);
    GridInput::Click(grid, 0, 2);
    ASSERT_EQ(grid.CurrentRow(), 2);
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    // The pages print once the choice's dialog has closed.
    WxTestEnvironment::PumpUntil([&] { return !jobs.empty(); }, 5000);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0], std::vector<int>{doc.displayOrder[2]});

    // All rows: every row of the list prints.
    UserInput::AnswerNextModal([](wxWindow*) {
        UserInput::Press(WXK_DOWN);
        UserInput::Press(WXK_RETURN);
    });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    WxTestEnvironment::PumpUntil([&] { return jobs.size() == 2; }, 5000);
    ASSERT_EQ(jobs.size(), 2u);
    std::vector<int> every;
    for (int row = 0; row < doc.displayCount; ++row) {
        if (doc.displayOrder[row] >= 0) {
            every.push_back(doc.displayOrder[row]);
        }
    }
    std::sort(every.begin(), every.end());
    EXPECT_EQ(every.size(), 40u);
    EXPECT_EQ(jobs[1], every);
    EXPECT_EQ(boxes.size(), 1u) << "nothing was refused";

    // Cancelled, nothing prints.
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_ESCAPE); });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(jobs.size(), 2u);
    EXPECT_EQ(boxes.size(), 1u);
    CListPrintRunner::SetPrinter(previousPrinter);
    SetMessageBoxHandler(previousBoxes);
}
