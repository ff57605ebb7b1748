// Printing from a list window without a printer: the preview commands open the preview window a
// moment after the command, showing the list's pages drawn by the print engine.
#include "app/PrintCommands.h"
#include "app/ui/GridView.h"
#include "app/ui/ListGrid.h"
#include "app/ui/ListPrintout.h"
#include "app/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/canvas/PdfDocument.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/SampleListStart.h"

#include <gtest/gtest.h>

#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/print.h>

#include <cairo.h>

#include <cstdio>
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
    WxTestEnvironment::PumpFor(600);
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
    const CString folder = FileSystem::FromNative(std::getenv("ZANTOBY_TEST_OUTPUT"));
    // A4 as it lies, portrait and landscape, at 600 dots per inch. The print system lays the job
    // out on a context at the sheet's corner, then moves each landscape page's origin into its
    // margins (by 186 dots here, as a file printer does).
    struct Sheet
    {
        const char* name;
        int width, height, originShift;
    };
    for (const Sheet& sheet : {Sheet{"print-portrait.pdf", 2100, 2970, 0}, Sheet{"print-landscape.pdf", 2970, 2100, 186}}) {
        const CString path = folder + "/" + sheet.name;
        PdfDocument pdf;
        ASSERT_TRUE(pdf.Create(path, sheet.width, sheet.height));
        wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(pdf.Context()));
        CListPrintout printout(doc, CPrintJob::Form::List, {});
        printout.SetDC(&dc);
        printout.SetPPIPrinter(PdfDocument::kDotsPerInch, PdfDocument::kDotsPerInch);
        printout.SetPageSizePixels(pdf.PageSize().cx, pdf.PageSize().cy);
        printout.SetPaperRectPixels(wxRect(0, 0, pdf.PageSize().cx, pdf.PageSize().cy));
        printout.OnPreparePrinting();
        cairo_translate(pdf.Context(), sheet.originShift, 0);
        ASSERT_TRUE(printout.OnPrintPage(1));
        printout.SetDC(nullptr);
        ASSERT_TRUE(pdf.Close());
        const double left = LeftmostWordMm(path);
        EXPECT_GE(left, margin) << sheet.name;
        EXPECT_LT(left, margin + 2) << sheet.name << ": the text starts just inside the margin";
    }
}

TEST(PrintPreviewWindowTest, SheetPrintingAsksForTheSelectedRowsOrAllRowsFirst)
{
    CGridView* view = StartWithSampleList(40, 6);
    ASSERT_NE(view, nullptr);
    auto& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    ASSERT_TRUE(UserInput::Activate(*dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(&frame))));
    CListGrid& grid = *view->Grid();
    std::vector<CString> boxes;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
        boxes.push_back(text);
        return IDOK;
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

    // All rows print: the print dialog follows, which is cancelled here.
    bool printDialog = false;
    UserInput::AnswerNextModal([](wxWindow*) {
        UserInput::Press(WXK_DOWN);
        UserInput::Press(WXK_RETURN);
    });
    UserInput::AnswerNextModal([&](wxWindow* dialog) {
        printDialog = dialog == nullptr;
        UserInput::Press(WXK_ESCAPE);
    });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_TRUE(printDialog) << "the print dialog of the desktop came next";
    EXPECT_EQ(boxes.size(), 1u) << "nothing was refused";

    // Cancelled, nothing follows.
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_ESCAPE); });
    ASSERT_TRUE(UserInput::ChooseMenu(frame, sheetPrint));
    EXPECT_TRUE(UserInput::Finish());
    WxTestEnvironment::PumpFor(500);
    EXPECT_EQ(boxes.size(), 1u);
    SetMessageBoxHandler(previous);
}
