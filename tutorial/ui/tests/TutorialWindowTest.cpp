#include "tutorial/ui/HHCtrl.h"
#include "tutorial/ui/TutorialDlg.h"

#include "foundation/AppBase.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/MessageBox.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/html/htmlwin.h>
#include <wx/weakref.h>

#include <vector>

namespace {

bool Shows(const CHHCtrl& pane, const char* page)
{
    return pane.GetOpenedPage().view().ends_with(page);
}

TEST(TutorialWindowTest, OpensAtTheStartPageInTheCornerFollowsRequestsAndKeepsTheSetting)
{
    WxTestEnvironment::Ensure();
    WindowPlatform::Install();
    std::vector<CString> boxes;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&](const CString& text, const CString&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
    ScratchFolder scratch;
    CAppBase app("チュートリアル");
    app.SetIniFile(CString());
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
    SetMessageBoxHandler(previous);
}

} // namespace
