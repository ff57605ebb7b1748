// The page setup dialog of a list window, with two printers of the print system: the paper
// follows the printer, the header sample shows its page numbers, the sheet preview button stores
// the settings and opens the preview, and cancel stores nothing.
#include "app/listwindow/ui/GridView.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/BandSetupPage.h"
#include "app/printing/ui/PageSetupDlg.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/SampleListStart.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/PrintSpooler.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/choice.h>
#include <wx/print.h>
#include <wx/textctrl.h>

#include <functional>

namespace {

constexpr int ID_FILE_PAGE_SETUP = 57605;

// An office printer with A4 and B5, and a photo printer with L size and A4.
class TwoPrinters : public PrintSpooler
{
  public:
    bool ListPrinters(std::vector<Printer>& printers) const override
    {
        printers = {{"Office", "", "", "", "", "iso_a4_210x297mm", 1}, {"Photo", "", "", "", "", "", 1}};
        return true;
    }
    bool ListMedia(const std::string& printer, std::vector<Media>& media) const override
    {
        if (printer == "Office") {
            media = {{"iso_a4_210x297mm", "A4", 21000, 29700}, {"jis_b5_182x257mm", "B5", 18200, 25700}};
        } else {
            media = {{"oe_photo-l_3.5x5in", Cp932::ToUtf8("L判"), 8890, 12700},
                     {"iso_a4_210x297mm", "A4", 21000, 29700}};
        }
        return true;
    }
    std::string GetDefaultPrinter() const override { return "Office"; }
};

// Runs the page setup command of the list window; steps runs inside the dialog once it shows.
void RunPageSetup(CGridView& view, const std::function<void(CPageSetupDlg&)>& steps)
{
    std::function<void()> whenShown = [&] {
        if (CPageSetupDlg* dialog = ShownWindow<CPageSetupDlg>()) {
            steps(*dialog);
        } else {
            wxTheApp->CallAfter(whenShown);
        }
    };
    wxTheApp->CallAfter(whenShown);
    SendCommand(*view.GetFrame(), ID_FILE_PAGE_SETUP);
}

void Press(CPageSetupDlg& dialog, int id)
{
    wxCommandEvent press(wxEVT_BUTTON, id);
    press.SetEventObject(&dialog);
    dialog.GetEventHandler()->ProcessEvent(press);
}

void Choose(wxWindow& page, int id, const char* item)
{
    auto* choice = dynamic_cast<wxChoice*>(page.FindWindow(id));
    ASSERT_NE(choice, nullptr);
    choice->SetStringSelection(ToWx(item));
    wxCommandEvent changed(wxEVT_CHOICE, id);
    changed.SetEventObject(choice);
    choice->GetEventHandler()->ProcessEvent(changed);
}

CString Chosen(wxWindow& page, int id)
{
    return FromWx(dynamic_cast<wxChoice*>(page.FindWindow(id))->GetStringSelection());
}

class PageSetupWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        view = StartWithSampleList(12, 4);
        previous = PrintSpooler::Install(std::make_unique<TwoPrinters>());
        ASSERT_NE(view, nullptr);
    }
    void TearDown() override { PrintSpooler::Install(std::move(previous)); }

    CGridView* view = nullptr;
    std::unique_ptr<PrintSpooler> previous;
};

} // namespace

TEST_F(PageSetupWindowTest, SheetPreviewButtonStoresTheSettingsAndOpensThePreview)
{
    CZantobyDoc& list = *view->ListDoc();
    list.SetModifiedFlag(false);
    CString sample;
    RunPageSetup(*view, [&](CPageSetupDlg& dialog) {
        wxWindow& layout = *dialog.Page(0);
        EXPECT_EQ(Chosen(layout, 1135), "Office") << "the default printer for a list without one";
        EXPECT_EQ(Chosen(layout, 1137), "A4");
        Choose(layout, 1135, "Photo");
        EXPECT_EQ(Chosen(layout, 1137), "A4") << "A4 stays when the new printer has it";
        auto* header = dynamic_cast<wxTextCtrl*>(dialog.Page(2)->FindWindow(1155));
        header->SetValue("&p/&P");
        sample = static_cast<CBandSetupPage*>(dialog.Page(2))->HeaderSample();
        WxTestEnvironment::PumpFor(200);
        WxTestEnvironment::SaveScreenshot(dialog, "page-setup");
        Press(dialog, 1126);
    });
    EXPECT_EQ(sample, "123/999");
    EXPECT_EQ(list.print.device, "Photo");
    EXPECT_EQ(list.print.paper, 9);
    EXPECT_EQ(list.print.listHeader.text, "&p/&P");
    EXPECT_TRUE(list.IsModified());
    EXPECT_EQ(wxGetApp().GetPrintMode(), ID_FILE_PREVIEW_SHEET);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() != nullptr; }, 3000));
    ShownWindow<wxPreviewFrame>()->Close(true);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return ShownWindow<wxPreviewFrame>() == nullptr; }, 3000));
}

TEST_F(PageSetupWindowTest, CancelStoresNothing)
{
    CZantobyDoc& list = *view->ListDoc();
    list.SetModifiedFlag(false);
    const CString device = list.print.device;
    RunPageSetup(*view, [](CPageSetupDlg& dialog) {
        Choose(*dialog.Page(0), 1135,
               dialog.Model().Printers().GetItem(1)->printerName == "Photo" ? "Office" : "Photo");
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(list.print.device, device);
    EXPECT_FALSE(list.IsModified());
}
