#include "foundation/ui/ClipboardText.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/MessagePump.h"
#include "foundation/ui/PrinterChoice.h"
#include "foundation/ui/SystemServices.h"
#include "platform/Cp932.h"
#include "platform/PrintSpooler.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/cmndata.h>
#include <wx/dataobj.h>
#include <wx/docview.h>
#include <wx/frame.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <memory>

namespace {

class ServicesWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override { WxTestEnvironment::Ensure(); }
};

} // namespace

TEST_F(ServicesWindowTest, PumpsHoldOffCommandsAndClosingButRunOtherEvents)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "pump");
    auto* button = new wxButton(frame, wxID_ANY, "cancel");
    frame->Show();
    int commands = 0;
    int clicks = 0;
    frame->Bind(wxEVT_MENU, [&](wxCommandEvent&) { ++commands; });
    button->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });

    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, 57602));
    wxQueueEvent(button, new wxCommandEvent(wxEVT_BUTTON, button->GetId()));
    PumpMessages();
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(CMessagePump::IsPumping());

    // A request to close the window during the work is refused.
    bool closed = false;
    frame->Bind(wxEVT_CLOSE_WINDOW, [&](wxCloseEvent& event) {
        closed = true;
        event.Skip();
    });
    frame->CallAfter([&] { EXPECT_FALSE(frame->Close()); });
    PumpMessages();
    EXPECT_FALSE(closed);

    // Outside a pump commands run as usual.
    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, 57602));
    WxTestEnvironment::PumpUntil([&] { return commands == 1; }, 1000);
    EXPECT_EQ(commands, 1);
    frame->Destroy();
}

TEST_F(ServicesWindowTest, PumpingForATimeRunsEventsUntilItEnds)
{
    wxStopWatch watch;
    PumpMessagesFor(0);
    EXPECT_LT(watch.Time(), 50);
    int ticks = 0;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { ++ticks; });
    timer.Start(20);
    PumpMessagesFor(150);
    timer.Stop();
    EXPECT_GE(watch.Time(), 150);
    EXPECT_GT(ticks, 0);
}

TEST_F(ServicesWindowTest, ClipboardTextCrossesAsJapaneseText)
{
    ASSERT_TRUE(CClipboardText::CopyToClipboard("品名\t①髙"));
    CString back;
    ASSERT_TRUE(CClipboardText::ReadFromClipboard(back));
    EXPECT_EQ(back, "品名\t①髙");

    const wxDataFormat format("Zantoby2 Drawing Data");
    std::unique_ptr<wxCustomDataObject> data(CClipboardText::ToGlobalMemory(format, "/tmp/図形.drw"));
    // 13 bytes of CP932 text and the terminator.
    EXPECT_EQ(data->GetSize(), 14u);
    CString path;
    EXPECT_TRUE(CClipboardText::FromGlobalMemory(data.get(), path));
    EXPECT_EQ(path, "/tmp/図形.drw");
    EXPECT_FALSE(CClipboardText::FromGlobalMemory(nullptr, path));
}

TEST_F(ServicesWindowTest, ImeModesSwitchTheInputMethodOfTheWindowThatTakesTheKeyboard)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "ime");
    auto* first = new wxTextCtrl(frame, wxID_ANY, "", wxPoint(0, 0));
    auto* second = new wxTextCtrl(frame, wxID_ANY, "", wxPoint(0, 40));
    auto* other = new wxFrame(nullptr, wxID_ANY, "other");
    auto* elsewhere = new wxTextCtrl(other, wxID_ANY);
    other->Show();
    frame->Show();
    first->SetFocus();
    WxTestEnvironment::PumpFor(50);

    SetImeMode(1);
    EXPECT_FALSE(InputMethod::IsOpen(*first));
    // The mode stays with the window: the next edit that takes the keyboard has it too.
    second->SetFocus();
    WxTestEnvironment::PumpFor(50);
    EXPECT_FALSE(InputMethod::IsOpen(*second));
    SetImeMode(0);
    EXPECT_TRUE(InputMethod::IsOpen(*second)) << "0 gives back the input method the program closed";
    SetImeMode(0);
    EXPECT_TRUE(InputMethod::IsOpen(*second)) << "and leaves it as it is";
    SetImeMode(1);
    EXPECT_FALSE(InputMethod::IsOpen(*second));
    SetImeMode(4);
    EXPECT_TRUE(InputMethod::IsOpen(*second));
    first->SetFocus();
    WxTestEnvironment::PumpFor(50);
    EXPECT_TRUE(InputMethod::IsOpen(*first));
    // Another window keeps its own.
    EXPECT_TRUE(InputMethod::IsOpen(*elsewhere));
    other->Destroy();
    frame->Destroy();
}

namespace {

// A print system with two printers, the second the default.
class TwoPrinters : public PrintSpooler
{
  public:
    bool ListPrinters(std::vector<Printer>& printers) const override
    {
        printers = {{"Office", "", "", "", "", "", 0}, {"Home", "", "", "", "", "", 0}};
        return true;
    }
    bool ListMedia(const std::string&, std::vector<Media>& media) const override
    {
        media.clear();
        return true;
    }
    std::string GetDefaultPrinter() const override { return "Home"; }
};

} // namespace

TEST_F(ServicesWindowTest, APrinterIsChosenByNameOrElseTheDefault)
{
    wxPrintData data;
    data.SetOrientation(wxPORTRAIT);
    // No printers at all: nothing changes.
    auto previous = PrintSpooler::Install(nullptr);
    EXPECT_FALSE(CPrinterChoice::SelectPrinterByName(data, "Office", 9, 2));
    EXPECT_EQ(data.GetOrientation(), wxPORTRAIT);

    PrintSpooler::Install(std::make_unique<TwoPrinters>());
    EXPECT_TRUE(CPrinterChoice::SelectPrinterByName(data, "Office", 9, 2));
    EXPECT_EQ(data.GetPrinterName(), "Office");
    EXPECT_EQ(data.GetPaperId(), wxPAPER_A4);
    EXPECT_EQ(data.GetOrientation(), wxLANDSCAPE);
    EXPECT_TRUE(CPrinterChoice::SelectPrinterByName(data, "Gone", 0, 0));
    EXPECT_EQ(data.GetPrinterName(), "Home");
    EXPECT_EQ(data.GetPaperId(), wxPAPER_A4);
    EXPECT_TRUE(CPrinterChoice::SelectPrinterByName(data, "", 13, 0));
    EXPECT_EQ(data.GetPaperId(), wxPAPER_B5);
    PrintSpooler::Install(std::move(previous));
}

namespace {

// A document that opens any path without reading it.
class PlainDoc : public wxDocument
{
  public:
    bool OnOpenDocument(const wxString& path) override
    {
        SetFilename(path, true);
        return true;
    }
    wxDECLARE_DYNAMIC_CLASS(PlainDoc);
};
wxIMPLEMENT_DYNAMIC_CLASS(PlainDoc, wxDocument);

class OtherDoc : public PlainDoc
{
    wxDECLARE_DYNAMIC_CLASS(OtherDoc);
};
wxIMPLEMENT_DYNAMIC_CLASS(OtherDoc, PlainDoc);

// A view that remembers the hints it was sent.
class HintView : public wxView
{
  public:
    void OnDraw(wxDC*) override {}
    void OnUpdate(wxView*, wxObject* hint) override
    {
        if (auto* update = dynamic_cast<CUpdateHint*>(hint)) {
            lastHint = update->hint;
        }
    }
    int lastHint = 0;
    wxDECLARE_DYNAMIC_CLASS(HintView);
};
wxIMPLEMENT_DYNAMIC_CLASS(HintView, wxView);

} // namespace

TEST_F(ServicesWindowTest, DocumentsAreFoundByPathAndOpenedByClass)
{
    wxDocManager manager;
    new wxDocTemplate(&manager, "List", "*.zbk", "", "zbk", "PlainDoc", "HintView", CLASSINFO(PlainDoc),
                      CLASSINFO(HintView));
    new wxDocTemplate(&manager, "Editor", "*.drw", "", "drw", "OtherDoc", "HintView", CLASSINFO(OtherDoc),
                      CLASSINFO(HintView), wxTEMPLATE_INVISIBLE);
    EXPECT_NE(CDocumentLookup::FindDocTemplate(manager, "OtherDoc"), nullptr);
    EXPECT_EQ(CDocumentLookup::FindDocTemplate(manager, "CNoSuchDoc"), nullptr);

    wxDocument* list = CDocumentLookup::OpenDocumentOfType(manager, "/data/商品.zbk", nullptr);
    ASSERT_NE(list, nullptr);
    wxDocument* editor = CDocumentLookup::OpenDocumentOfType(manager, "/data/商品.zbk?3", "OtherDoc");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->IsKindOf(CLASSINFO(OtherDoc)));
    EXPECT_EQ(CDocumentLookup::OpenDocumentOfType(manager, "/x", "CNoSuchDoc"), nullptr);
    EXPECT_EQ(CDocumentLookup::GetDocumentCount(manager), 2);
    EXPECT_EQ(CDocumentLookup::FindDocumentByPath(manager, "/data/商品.zbk?3"), editor);
    EXPECT_EQ(CDocumentLookup::FindDocumentByPath(manager, "/data/商品.ZBK"), nullptr);

    CDocumentLookup::UpdateDocumentsOfClass(manager, "OtherDoc", 2, nullptr);
    EXPECT_EQ(static_cast<HintView*>(editor->GetFirstView())->lastHint, 2);
    EXPECT_EQ(static_cast<HintView*>(list->GetFirstView())->lastHint, 0);
    CDocumentLookup::UpdateDocumentsOfClass(manager, nullptr, 17, nullptr);
    EXPECT_EQ(static_cast<HintView*>(list->GetFirstView())->lastHint, 17);
    manager.CloseDocuments(true);
}
