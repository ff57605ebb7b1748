// Printing from a list window without a printer: the preview commands open the preview window a
// moment after the command, showing the list's pages drawn by the print engine.
#include "app/PrintCommands.h"
#include "app/SampleListMaker.h"
#include "app/ui/GridView.h"
#include "app/ui/ListDocument.h"
#include "app/ui/ListGrid.h"
#include "app/ui/ListPrintout.h"
#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"
#include "support/ProgramStart.h"

#include <gtest/gtest.h>

#include <wx/print.h>

#include <cstdlib>
#include <vector>

namespace {

CString ListPath()
{
    static ScratchFolder scratch;
    return scratch / "goods.zbk";
}

CZantobyApp& App()
{
    static bool made = [] {
        FakeListHost host;
        return CSampleListMaker(host).Make(ListPath(), 40, 6);
    }();
    if (!made) {
        std::abort();
    }
    return StartProgram({FileSystem::ToNative(ListPath()).string()});
}

CGridView* ListView()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (wxDynamicCast(doc, CListDocument) != nullptr) {
            return wxDynamicCast(doc->GetFirstView(), CGridView);
        }
    }
    return nullptr;
}

wxPreviewFrame* OpenPreview()
{
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* preview = dynamic_cast<wxPreviewFrame*>(window); preview != nullptr && preview->IsShown()) {
            return preview;
        }
    }
    return nullptr;
}

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

void Command(wxWindow& window, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(command);
}

} // namespace

TEST(PrintPreviewWindowTest, ListPreviewOpensAMomentAfterItsCommandWithTheListsPages)
{
    App();
    CGridView* view = ListView();
    ASSERT_NE(view, nullptr);
    Command(*view->GetFrame(), ID_FILE_PREVIEW_LIST);
    EXPECT_EQ(App().GetPrintMode(), ID_FILE_PREVIEW_LIST);
    EXPECT_EQ(OpenPreview(), nullptr) << "the preview waits until the command has ended";

    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenPreview() != nullptr; }, 3000));
    wxPreviewFrame* frame = OpenPreview();
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
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenPreview() == nullptr; }, 3000));
}

TEST(PrintPreviewWindowTest, SheetPreviewShowsTheSelectedRowsAndAnEmptySelectionSaysSo)
{
    App();
    CGridView* view = ListView();
    ASSERT_NE(view, nullptr);
    CListGrid& grid = *view->Grid();
    grid.MoveToCell(0, 2);
    Command(*view->GetFrame(), ID_FILE_PREVIEW_SHEET);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenPreview() != nullptr; }, 3000));
    wxPreviewFrame* frame = OpenPreview();
    auto* printout = dynamic_cast<CListPrintout*>(PreviewOf(*frame)->GetPrintout());
    ASSERT_NE(printout, nullptr);
    ASSERT_FALSE(printout->Job().SheetLayout().Pages().empty());
    EXPECT_EQ(printout->Job().SheetLayout().Pages()[0].record, view->ListDoc()->displayOrder[2]);
    frame->Close(true);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenPreview() == nullptr; }, 3000));

    // On the new-row line there is no row to print: a warning instead of a preview.
    std::vector<CString> boxes;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
        boxes.push_back(text);
        return IDOK;
    });
    grid.MoveToCell(0, grid.GetRowCount() - 1);
    Command(*view->GetFrame(), ID_FILE_PREVIEW_SHEET);
    WxTestEnvironment::PumpFor(600);
    SetMessageBoxHandler(previous);
    EXPECT_EQ(OpenPreview(), nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "印刷するﾃﾞｰﾀがありません");
}
