// The print commands through the desktop's print dialog and the print system's own printing path
// into files of its file printer, in PostScript, where the pages come turned for landscape paper
// as a print server's do: list pages and single sheets on portrait and landscape paper each
// carry their text and photos on every page.
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/printing/ui/ListPrintRunner.h"
#include "app/testing/ui/SampleListStart.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ui/testing/FilePrinter.h"
#include "platform/ui/testing/PrintDialogInput.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/print.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string Output(const std::string& command)
{
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return text;
    }
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, got);
    }
    pclose(pipe);
    return text;
}

// Files by their stem: the PDF made from the printed PostScript.
int PageCount(const std::string& stem)
{
    const std::string info = Output("pdfinfo '" + stem + ".pdf'");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// The page's text with its layout, UTF-8.
std::string PageText(const std::string& stem, int page)
{
    const std::string number = std::to_string(page);
    return Output("pdftotext -layout -f " + number + " -l " + number + " '" + stem + ".pdf' -");
}

// The first page is wider than high as it is read.
bool PageIsLandscape(const std::string& stem)
{
    const std::string info = Output("pdfinfo '" + stem + ".pdf'");
    const size_t at = info.find("Page size:");
    double width = 0;
    double height = 0;
    int turned = 0;
    const size_t rot = info.find("Page rot:");
    if (at == std::string::npos || std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &width, &height) != 2) {
        return false;
    }
    if (rot != std::string::npos) {
        std::sscanf(info.c_str() + rot, "Page rot: %d", &turned);
    }
    return (turned % 180 == 0) == (width > height);
}

int PageImages(const std::string& stem, int page)
{
    const std::string number = std::to_string(page);
    const std::string list = Output("pdfimages -list -f " + number + " -l " + number + " '" + stem + ".pdf'");
    int lines = 0;
    for (char c : list) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines - 2; // below two heading lines
}

struct Sheet
{
    const char* name;
    int paper;
    int orientation;
    bool fitToWidth;
};

// The test output folder, where the printed files stay for a look, else a temporary one.
std::string OutputFolder()
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    const std::string chosen = folder != nullptr ? folder : FileSystem::ToNative(PrivateTempFolder::Get()).string();
    std::filesystem::create_directories(chosen);
    return chosen;
}

class PrintToFileWindowTest : public ::testing::Test
{
  protected:
    // Prints by the menu command into the file through the desktop's print dialog, where the
    // file printer is chosen and Print clicked; false when the job did not run.
    bool PrintByMenu(wxFrame& frame, const char* command, const std::string& stem)
    {
        const CString path = FileSystem::FromNative(stem + ".ps");
        std::filesystem::remove(stem + ".ps");
        bool printed = false;
        CListPrintRunner::Printer previous =
            CListPrintRunner::SetPrinter([&](wxWindow* parent, wxPrintout& printout, wxPrintDialogData& data) {
                if (!FilePrinter::AimAt(data.GetPrintData(), path)) {
                    return false;
                }
                wxPrinter printer(&data);
                PrintDialogInput::ClickPrintInNextDialog();
                printed = printer.Print(parent, &printout, true);
                return false;
            });
        const bool chosen = UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", command});
        WxTestEnvironment::PumpUntil([&] { return printed; }, 20000);
        CListPrintRunner::SetPrinter(previous);
        return chosen && printed && std::system(("ps2pdf '" + stem + ".ps' '" + stem + ".pdf'").c_str()) == 0;
    }
};

} // namespace

TEST_F(PrintToFileWindowTest, ListsAndSheetsPrintTextAndPhotosOnEveryPageOnPortraitAndLandscapePaper)
{
    CGridView* view = StartWithSampleList(24, 24);
    ASSERT_NE(view, nullptr);
    FilePrinter::UseAlone();
    CZantobyDoc& doc = *view->ListDoc();
    auto& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    for (const Sheet& sheet : {Sheet{"a4-landscape", 9, 2, true}, Sheet{"a4-landscape-unfitted", 9, 2, false},
                               Sheet{"b5-landscape", 13, 2, true}, Sheet{"a4-portrait", 9, 1, true},
                               Sheet{"b5-portrait-unfitted", 13, 1, false}}) {
        doc.print.paper = sheet.paper;
        doc.print.orientation = sheet.orientation;
        doc.print.fitToWidth = sheet.fitToWidth;
        doc.print.listScale = 100;

        const std::string list = OutputFolder() + "/list-" + sheet.name;
        ASSERT_TRUE(PrintByMenu(frame, "一覧印刷(&1)...", list)) << sheet.name;
        const int listPages = PageCount(list);
        EXPECT_EQ(PageIsLandscape(list), sheet.orientation == 2) << sheet.name;
        EXPECT_GE(listPages, 1) << sheet.name;
        for (int page = 1; page <= listPages; ++page) {
            const std::string text = PageText(list, page);
            EXPECT_NE(text.find(Cp932::ToUtf8("品名")), std::string::npos) << sheet.name << " page " << page << ": " << text;
            EXPECT_GE(PageImages(list, page), 1) << sheet.name << " page " << page;
        }
        EXPECT_NE(PageText(list, 1).find(Cp932::ToUtf8(doc.title.view())), std::string::npos) << sheet.name;

        // The current row alone as a single sheet.
        view->Grid()->MoveToCell(0, 0);
        const std::string one = OutputFolder() + "/sheet-" + sheet.name;
        UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
        ASSERT_TRUE(PrintByMenu(frame, "単票印刷(&2)...", one)) << sheet.name;
        EXPECT_TRUE(UserInput::Finish());
        const int sheetPages = PageCount(one);
        ASSERT_GE(sheetPages, 1) << sheet.name;
        EXPECT_NE(PageText(one, 1).find(Cp932::ToUtf8("品名")), std::string::npos) << sheet.name;
        int photos = 0;
        for (int page = 1; page <= sheetPages; ++page) {
            photos += PageImages(one, page);
        }
        EXPECT_GE(photos, 1) << sheet.name;
    }
}
