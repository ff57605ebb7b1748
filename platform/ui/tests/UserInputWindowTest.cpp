// The real-input layer against plain wx windows: menus opened and chosen by clicks, popup menus,
// modal dialogs answered by keys, key chords, and assertions failing the test.
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <map>

namespace {

enum
{
    ID_OPEN = 100,
    ID_CHECKED,
    ID_DEEP,
    ID_DISABLED,
    ID_POPUP_ONE,
    ID_POPUP_DEEP,
    ID_ASK,
};

// A frame with a two-level menu, a popup on right click, and a command that asks in a dialog.
class TestFrame : public wxFrame
{
  public:
    TestFrame() : wxFrame(nullptr, wxID_ANY, "input", wxPoint(40, 40), wxSize(500, 300))
    {
        auto* file = new wxMenu();
        file->Append(ID_OPEN, ToWx("開く(&O)\tCtrl+O"));
        file->AppendCheckItem(ID_CHECKED, ToWx("表示(&V)"));
        auto* deeper = new wxMenu();
        deeper->Append(ID_DEEP, ToWx("奥(&D)"));
        auto* deep = new wxMenu();
        deep->AppendSubMenu(deeper, ToWx("もっと(&M)"));
        file->AppendSubMenu(deep, ToWx("下へ(&S)"));
        file->Append(ID_DISABLED, ToWx("使えない(&X)"));
        file->Append(ID_ASK, ToWx("尋ねる(&A)"));
        auto* bar = new wxMenuBar();
        bar->Append(file, ToWx("ﾌｧｲﾙ(&F)"));
        bar->Append(new wxMenu(), ToWx("空(&E)"));
        SetMenuBar(bar);
        panel = new wxPanel(this);
        Bind(wxEVT_MENU, [this](wxCommandEvent& event) { ++runs[event.GetId()]; });
        Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, ID_DISABLED);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { Ask(); }, ID_ASK);
        panel->Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) {
            wxMenu popup;
            popup.Append(ID_POPUP_ONE, ToWx("一つ目(&1)"));
            auto* sub = new wxMenu();
            sub->Append(ID_POPUP_DEEP, ToWx("奥(&D)"));
            popup.AppendSubMenu(sub, ToWx("下へ(&S)"));
            PopupMenu(&popup);
        });
        panel->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
            const int code = event.GetKeyCode();
            if (code != WXK_SHIFT && code != WXK_CONTROL && code != WXK_ALT) {
                keys.push_back(event.GetModifiers() * 1000 + code);
            }
            event.Skip();
        });
        Show();
        WxTestEnvironment::PumpUntil([this] { return IsShownOnScreen(); });
    }

    void Ask()
    {
        wxDialog dialog(this, wxID_ANY, "ask");
        auto* text = new wxTextCtrl(&dialog, wxID_ANY, "", wxPoint(10, 10), wxSize(200, 30));
        (new wxButton(&dialog, wxID_OK, "OK", wxPoint(10, 50)))->SetDefault();
        text->SetFocus();
        answer = dialog.ShowModal() == wxID_OK ? text->GetValue() : "cancelled";
        wxMessageDialog box(this, "done?", "box", wxYES_NO);
        boxAnswer = box.ShowModal();
    }

    int Ran(int id) const
    {
        const auto found = runs.find(id);
        return found != runs.end() ? found->second : 0;
    }

    wxPanel* panel = nullptr;
    std::map<int, int> runs;
    std::vector<int> keys;
    wxString answer;
    int boxAnswer = 0;
};

class UserInputTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        WxTestEnvironment::Ensure();
        frame = new TestFrame();
    }
    void TearDown() override
    {
        frame->Destroy();
        WxTestEnvironment::PumpFor(50);
    }
    TestFrame* frame = nullptr;
};

} // namespace

TEST_F(UserInputTest, MenusOpenAndChooseByClicks)
{
    EXPECT_TRUE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(&F)", "開く(&O)"}));
    EXPECT_EQ(frame->Ran(ID_OPEN), 1);
    EXPECT_TRUE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(F)", "下へ(&S)", "もっと(&M)", "奥(&D)"}));
    EXPECT_EQ(frame->Ran(ID_DEEP), 1);
    EXPECT_TRUE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(&F)", "表示(&V)"}));
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(ID_CHECKED));

    // A disabled item or a missing one fails, and leaves no menu open.
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(&F)", "使えない(&X)"})),
                            "no enabled menu item");
    EXPECT_EQ(frame->Ran(ID_DISABLED), 0);
    EXPECT_NONFATAL_FAILURE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(&F)", "無い"}), "no enabled menu item");

    const std::vector<CString> opened = UserInput::OpenEveryMenu(*frame);
    EXPECT_EQ(opened,
              (std::vector<CString>{"ﾌｧｲﾙ(F)", "ﾌｧｲﾙ(F)/下へ(S)", "ﾌｧｲﾙ(F)/下へ(S)/もっと(M)", "空(E)"}));
    // Opening menus runs no command.
    EXPECT_EQ(frame->runs.size(), 3u);
}

TEST_F(UserInputTest, PopupMenusOpenOnRightClickAndChoose)
{
    UserInput::ChooseInNextPopup({"下へ(&S)", "奥(&D)"});
    UserInput::RightClick(*frame->panel, wxPoint(50, 50));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(frame->Ran(ID_POPUP_DEEP), 1);

    std::vector<CString> opened;
    UserInput::OpenEveryMenuOfNextPopup(&opened);
    UserInput::RightClick(*frame->panel, wxPoint(60, 60));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(opened, (std::vector<CString>{"", "/下へ(S)"}));
    EXPECT_EQ(frame->runs.size(), 1u);
}

TEST_F(UserInputTest, ModalDialogsAndBoxesAreAnsweredByKeys)
{
    UserInput::AnswerNextModal([](wxWindow* dialog) {
        EXPECT_NE(wxDynamicCast(dialog, wxDialog), nullptr);
        UserInput::Type("Abc 12");
        UserInput::Press(WXK_RETURN);
    });
    UserInput::AnswerNextModal([](wxWindow* box) {
        EXPECT_EQ(box, nullptr);
        UserInput::Press(WXK_ESCAPE);
    });
    EXPECT_TRUE(UserInput::ChooseMenu(*frame, {"ﾌｧｲﾙ(&F)", "尋ねる(&A)"}));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(frame->answer, "Abc 12");
    EXPECT_NE(frame->boxAnswer, wxID_YES);
}

TEST_F(UserInputTest, KeyChordsReachTheFocusAndAcceleratorsRun)
{
    UserInput::Click(*frame->panel, wxPoint(20, 20));
    frame->panel->SetFocus();
    UserInput::Press('k', wxMOD_CONTROL | wxMOD_SHIFT);
    UserInput::Press(WXK_F3, wxMOD_SHIFT);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return frame->keys.size() >= 2; }));
    EXPECT_EQ(frame->keys[frame->keys.size() - 2], (wxMOD_CONTROL | wxMOD_SHIFT) * 1000 + 'K');
    EXPECT_EQ(frame->keys.back(), wxMOD_SHIFT * 1000 + WXK_F3);

    UserInput::Press('o', wxMOD_CONTROL);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return frame->Ran(ID_OPEN) == 1; }));
}

TEST(UserInputAssertionTest, AWxAssertionFailsTheTest)
{
    WxTestEnvironment::Ensure();
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("checked on purpose"), "checked on purpose");
    // The platform's ids above 32767 are not faults.
    wxMenu menu;
    menu.Append(40000, "high");
    EXPECT_NE(menu.FindItem(40000), nullptr);
}
