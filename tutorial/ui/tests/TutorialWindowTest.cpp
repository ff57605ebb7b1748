#include "tutorial/ui/HHCtrl.h"
#include "tutorial/ui/TutorialDlg.h"

#include "tutorial/tests/support/HelpCompiler.h"

#include "foundation/AppBase.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/toolbar.h>
#include <wx/weakref.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

bool Shows(const CHHCtrl& pane, const char* page)
{
    return pane.GetOpenedPage().view().ends_with(page);
}

// What the viewer stands on: wx with the platform's windows, a profile in a scratch folder, and
// the text of every box kept instead of shown.
struct ViewerSetting
{
    ViewerSetting() { app.SetIniFile(CString()); }
    ~ViewerSetting() { SetMessageBoxHandler(previous); }

    bool started = (WxTestEnvironment::Ensure(), WindowPlatform::Install(), true);
    std::vector<CString> boxes;
    MessageBoxHandler previous = SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
        boxes.push_back(text);
        return IDOK;
    });
    ScratchFolder scratch;
    CAppBase app{"チュートリアル"};
};

TEST(TutorialWindowTest, OpensAtTheStartPageInTheCornerFollowsRequestsAndKeepsTheSetting)
{
    ViewerSetting viewer;
    std::vector<CString>& boxes = viewer.boxes;
    CAppBase& app = viewer.app;
    // The main program's settings share the file.
    ScratchFolder::WriteBytes(app.GetIniFile(), "[Auto]\r\nNavigate=1\r\nTutorial=0\r\n");

    wxWeakRef<CTutorialDlg> dialog = new CTutorialDlg(nullptr, app);
    dialog->Show();
    CHHCtrl* pane = dialog->GetHelpPane();
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return Shows(*pane, "::/html/start.htm"); }));
    EXPECT_EQ(FromWx(pane->GetBrowser()->GetOpenedPageTitle()), "チュートリアル");

    // Bottom right of the work area, above other windows, half again as high as designed.
    WxTestEnvironment::PumpFor(200);
    const wxRect work = wxDisplay(0u).GetClientArea();
    const wxRect window = dialog->GetRect();
    EXPECT_EQ(window.GetRight() + 1, work.GetRight() + 1 - 20);
    EXPECT_EQ(window.GetBottom() + 1, work.GetBottom() + 1 - 30);
    EXPECT_TRUE(dialog->HasFlag(wxSTAY_ON_TOP));
    // The pane grew with the window: taller now than the whole window was made.
    EXPECT_GT(pane->GetSize().y, dialog->GetMinimumSize().cy);

    auto* check = dynamic_cast<wxCheckBox*>(dialog->GetItem(CTutorialDlg::IDC_SHOW_AT_START));
    ASSERT_NE(check, nullptr);
    EXPECT_FALSE(check->GetValue());

    // Requests of the main program: a mapped topic, then one the help file does not know and
    // topic 0, which both leave the page.
    dialog->ShowTopic(1004);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return Shows(*pane, "::/html/newlist.htm"); }));
    dialog->ShowTopic(9999);
    dialog->ShowTopic(0);
    EXPECT_TRUE(Shows(*pane, "::/html/newlist.htm"));
    pane->OnToolbarCommand(CHHCtrl::kFirstCommand + 1);
    EXPECT_TRUE(Shows(*pane, "::/html/start.htm"));
    pane->OnToolbarCommand(CHHCtrl::kFirstCommand + 2);
    EXPECT_TRUE(Shows(*pane, "::/html/newlist.htm"));
    pane->OnToolbarCommand(CHHCtrl::kFirstCommand);
    EXPECT_TRUE(Shows(*pane, "::/html/start.htm"));

    const CString shot = WxTestEnvironment::SaveScreenshot(*dialog, "tutorial-window");
    EXPECT_FALSE(shot.IsEmpty());

    // Checking the box writes the setting at once and keeps the main program's keys.
    check->SetValue(true);
    wxCommandEvent clicked(wxEVT_CHECKBOX, CTutorialDlg::IDC_SHOW_AT_START);
    clicked.SetEventObject(check);
    clicked.SetInt(1);
    check->GetEventHandler()->ProcessEvent(clicked);
    EXPECT_TRUE(app.GetProfileBool("Auto", "Tutorial", false));
    EXPECT_EQ(app.GetProfileInt("Auto", "Navigate", 0), 1);

    dialog->Close();
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !dialog; }));
}

// A help file whose header reads but whose pages do not: the viewer says so when it opens and
// when Home is clicked, as it does for a file that does not open at all.
TEST(TutorialWindowTest, AHelpFileWhosePagesCannotBeReadSaysSo)
{
    ViewerSetting viewer;
    std::vector<CString>& boxes = viewer.boxes;
    const ScratchFolder& scratch = viewer.scratch;
    ScratchFolder::WriteBytes(scratch / "help.hhp", "[OPTIONS]\nCompiled file=help.chm\n"
                                                    "Default topic=html/start.htm\n"
                                                    "\n[FILES]\nhtml/start.htm\n"
                                                    "\n[ALIAS]\nIDH_START=html/start.htm\n"
                                                    "\n[MAP]\n#define IDH_START 1003\n");
    ScratchFolder::WriteBytes(scratch / "html/start.htm", "<html><body>Start</body></html>");
    // The viewer looks in the current folder before its own.
    ASSERT_TRUE(WriteWithDamagedBody(CompileHelpFile(scratch, "help"), scratch / "Tutorial.chm"));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(FileSystem::ToNative(scratch.Path()));

    wxWeakRef<CTutorialDlg> dialog = new CTutorialDlg(nullptr, viewer.app);
    std::filesystem::current_path(before);
    dialog->Show();
    const CString unreadable = "ファイル Tutorial.chm のページを読み込めません。";
    ASSERT_EQ(boxes.size(), 1u) << "a blank page and no word";
    EXPECT_EQ(boxes[0], unreadable);
    CHHCtrl* pane = dialog->GetHelpPane();
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->GetOpenedPage().IsEmpty());

    ASSERT_TRUE(UserInput::Activate(*dialog));
    wxToolBar& bar = *pane->GetToolBar();
    const int home = bar.GetToolSize().x / 2 + bar.GetMargins().x;
    UserInput::Click(bar, wxPoint(home, bar.GetClientSize().y / 2));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return boxes.size() == 2; })) << "Home said nothing";
    EXPECT_EQ(boxes[1], unreadable);

    dialog->Close();
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !dialog; }));
}

// The words of a link as the view lays them out, in the view's client coordinates; an empty
// rectangle when the page shown has no such link.
wxRect LinkArea(wxHtmlWindow& view, const wxString& href)
{
    wxRect area;
    std::vector<const wxHtmlCell*> cells{view.GetInternalRepresentation()};
    while (!cells.empty()) {
        const wxHtmlCell* cell = cells.back();
        cells.pop_back();
        for (; cell != nullptr; cell = cell->GetNext()) {
            const wxHtmlLinkInfo* link = cell->IsTerminalCell() ? cell->GetLink() : nullptr;
            if (link != nullptr && link->GetHref() == href) {
                area.Union(wxRect(view.CalcScrolledPosition(cell->GetAbsPos()),
                                  wxSize(cell->GetWidth(), cell->GetHeight())));
            }
            cells.push_back(cell->GetFirstChild());
        }
    }
    return area;
}

// Keeps the errors wx logs (a page that cannot be opened) instead of showing them.
class LoggedErrors : public wxLog
{
  public:
    LoggedErrors() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~LoggedErrors() override { wxLog::SetActiveTarget(m_previous); }

    std::vector<wxString> errors;

  protected:
    void DoLogTextAtLevel(wxLogLevel level, const wxString& text) override
    {
        if (level <= wxLOG_Error) {
            errors.push_back(text);
        }
    }

  private:
    wxLog* m_previous;
};

TEST(TutorialWindowTest, LinksThatClimbOutOfASubFolderOpenTheirPageAndStopAtTheRoot)
{
    WxTestEnvironment::Ensure();
    WindowPlatform::Install();
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "links.hhp", "[OPTIONS]\nCompiled file=links.chm\n"
                                                     "\n[FILES]\nhtml/sub/a.htm\nhtml/b.htm\nhtml/c.htm\n");
    const std::string big = "<font size=\"+3\">";
    ScratchFolder::WriteBytes(scratch / "html/sub/a.htm",
                              "<html><body>" + big +
                                  "<a href=\"../b.htm\">UP</a><br><br>"
                                  "<a href=\"./../../../../html/c.htm\">FAR</a></font></body></html>");
    ScratchFolder::WriteBytes(scratch / "html/b.htm", "<html><body>B</body></html>");
    ScratchFolder::WriteBytes(scratch / "html/c.htm", "<html><body>C</body></html>");
    const CString helpFile = CompileHelpFile(scratch, "links");

    LoggedErrors logged;
    wxWeakRef<wxFrame> frame = new wxFrame(nullptr, wxID_ANY, "links", wxDefaultPosition, wxSize(420, 320));
    auto* pane = new CHHCtrl;
    ASSERT_TRUE(
        pane->Create(frame, wxID_ANY, wxRect(0, 0, 400, 280), CHHCtrl::kBackButton, CString(), 0, false));
    frame->Show();
    ASSERT_TRUE(UserInput::Activate(*frame));
    ASSERT_TRUE(pane->SetHelpFile(helpFile));
    wxHtmlWindow& view = *pane->GetBrowser();

    for (const char* href : {"../b.htm", "./../../../../html/c.htm"}) {
        ASSERT_TRUE(pane->MakeItsUrl("/html/sub/a.htm"));
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return Shows(*pane, "::/html/sub/a.htm"); }));
        const wxRect link = LinkArea(view, href);
        ASSERT_FALSE(link.IsEmpty()) << href;
        UserInput::Click(view, wxPoint(link.x + link.width / 2, link.y + link.height / 2));
        const char* page = href[1] == '.' ? "::/html/b.htm" : "::/html/c.htm";
        EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return Shows(*pane, page); }))
            << href << " shows " << pane->GetOpenedPage().GetString();
    }
    EXPECT_TRUE(logged.errors.empty()) << logged.errors.front().utf8_str();
    frame->Destroy();
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !frame; }));
}

} // namespace
