// Printing from a list window without a printer: the preview commands open the preview window a
// moment after the command, showing the list's pages drawn by the print engine.
#include "app/PrintCommands.h"
#include "app/ui/GridView.h"
#include "app/ui/ListGrid.h"
#include "app/ui/ListPrintout.h"
#include "app/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/SampleListStart.h"

#include <gtest/gtest.h>

#include <wx/print.h>

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
