// Typing Japanese into the list as our users do, through IBus with anthy in hiragana: the
// composition shows in the cell while it is typed, the keys that end it belong to the input
// method, and each column puts the input method into the mode it asks for, in the list and in
// the list information.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ListInfoColumns.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ListInfoDlg.h"
#include "list/ui/ListInfoGrid.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/testing/IbusSession.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "platform/ui/WxText.h"
#include "support/JapaneseJourneys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>

namespace {

constexpr int kName = JapaneseJourneys::kName;
constexpr int kPrice = JapaneseJourneys::kPrice;
// anthy starts in hiragana and takes every mode by name.
const JapaneseJourneys::Desktop kAnthy{{}, {}, "アイウ"};

CGridView& View()
{
    return JapaneseJourneys::View([] { return IbusSession::Start(IbusSession::Client::kIbusModule); });
}

CString EditText(CCellGrid& grid)
{
    return grid.ActiveEditWindow() != nullptr ? grid.ActiveEditWindow()->GetText() : CString();
}

wxWindow* ButtonLabelled(wxWindow& dialog, const char* label)
{
    for (wxWindow* child : dialog.GetChildren()) {
        if (dynamic_cast<wxButton*>(child) != nullptr && child->GetLabel() == ToWx(label)) {
            return child;
        }
    }
    return nullptr;
}

void ClickCentre(wxWindow& window)
{
    UserInput::Click(window, wxPoint(window.GetSize().x / 2, window.GetSize().y / 2));
}

} // namespace

// The first test of the program: the first composition after start must keep its first letter.
TEST(JapaneseTypingWindowTest, ACompositionOnAnIdleCellShowsInTheCellAndReturnCommitsIt)
{
    JapaneseJourneys::CommitAWord(View(), kAnthy);
}

// A plain grid in a dialog: the first letter of a composition typed on an idle cell stays in it.
TEST(JapaneseTypingWindowTest, ANameComposedInTheListInformationKeepsItsFirstLetter)
{
    CGridView& view = View();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    CString typed;
    const std::string frameContext = IbusSession::FocusedContext();
    UserInput::AnswerNextModal([&typed, &frameContext](wxWindow* window) {
        auto* dialog = dynamic_cast<CListInfoDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        CListInfoGrid& grid = dialog->Grid();
        const int last = grid.GetRowCount() - 1;
        // The context that has the keyboard before the cell is clicked, unless the cell has it.
        auto before = std::make_shared<std::string>();
        const int chain = InputSteps::Start(
            "the dialog has put the keyboard somewhere",
            [dialog] {
                wxWindow* focus = wxWindow::FindFocus();
                return focus != nullptr && wxGetTopLevelParent(focus) == dialog;
            },
            [&grid, before] {
                if (!grid.CellArea()->HasFocus()) {
                    *before = IbusSession::FocusedContext();
                }
            });
        GridInput::ThenClickForKeyboard(chain, grid, CListInfoColumns::kName, last);
        InputSteps::Then(
            chain, "the name cell types through the input method",
            [&frameContext, before] {
                const std::string focused = IbusSession::FocusedContext();
                return !focused.empty() && focused != frameContext && focused != *before;
            },
            // The list's last cell may have closed the input method; the user opens it.
            [&grid] { InputMethod::SetMode(grid, InputMethod::Mode::kHiragana); });
        const std::string keys = "nihonn";
        for (char key : keys) {
            InputSteps::Then(
                chain, "a key of the name", [] { return true; },
                [key] { UserInput::Type(std::string(1, key).c_str()); });
            InputSteps::Then(
                chain, "the key composes", [&grid] { return grid.CellArea()->IsComposing(); }, [] {});
        }
        InputSteps::Then(
            chain, "the composition shows in the edit", [&grid] { return EditText(grid) == "にほん"; },
            [] { UserInput::Press(WXK_SPACE); });
        InputSteps::Then(
            chain, "Space converts", [&grid] { return EditText(grid) == "日本"; },
            [] { UserInput::Press(WXK_RETURN); });
        InputSteps::Then(
            chain, "Return commits and the edit takes the keyboard",
            [&grid] { return !grid.CellArea()->IsComposing() && grid.DefaultEdit()->HasFocus(); },
            [] { UserInput::Press(WXK_RETURN); });
        InputSteps::Then(
            chain, "and the next Return ends the edit", [&grid] { return !grid.IsEditing(); },
            [&grid, &typed, last] {
                typed = grid.GetCellText(CListInfoColumns::kName, last);
                // Cancelled with a change, the dialog asks whether to set it first: No.
                UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press('n', wxMOD_ALT); });
                UserInput::Press(WXK_ESCAPE);
            });
    });
    EXPECT_TRUE(
        UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view.GetFrame()), {"ﾌｧｲﾙ(&F)", "ﾘｽﾄ情報設定(&I)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(typed, "日本");
}

// The dialog opens on a name: it types in hiragana from the first key, whatever the list's
// last cell asked for, also where the name cell was current before the grid had the keyboard.
TEST(JapaneseTypingWindowTest, TheListInformationOpensWithTheNamesMode)
{
    CGridView& view = View();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(*view.Grid(), kPrice, 1);
    bool composed = false;
    UserInput::AnswerNextModal([&composed](wxWindow* window) {
        auto* dialog = dynamic_cast<CListInfoDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        CListInfoGrid& grid = dialog->Grid();
        const int chain = InputSteps::Start(
            "the list information is shown", [] { return true; }, [] {});
        // The name cell is current already.
        GridInput::ThenClickForKeyboard(chain, grid, CListInfoColumns::kName, grid.CurrentRow());
        InputSteps::Then(
            chain, "the name cell types through the input method",
            [&grid] { return grid.CurrentColumn() == CListInfoColumns::kName && !IbusSession::FocusedContext().empty(); },
            [] { UserInput::Type("k"); });
        InputSteps::Then(
            chain, "the key composes", [&grid] { return grid.CellArea()->IsComposing(); },
            [] { UserInput::Type("a"); });
        InputSteps::Then(
            chain, "in hiragana", [&grid] { return EditText(grid) == "か"; },
            [&composed] {
                composed = true;
                UserInput::Press(WXK_ESCAPE);
            });
        InputSteps::Then(
            chain, "the composition is taken back and the edit has the keyboard",
            [&grid] { return !grid.CellArea()->IsComposing() && grid.DefaultEdit()->HasFocus(); },
            [] { UserInput::Press(WXK_ESCAPE); });
        InputSteps::Then(
            chain, "and the edit", [&grid] { return !grid.IsEditing(); },
            // Nothing was changed: Esc closes the dialog at once.
            [] { UserInput::Press(WXK_ESCAPE); });
    });
    EXPECT_TRUE(
        UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view.GetFrame()), {"ﾌｧｲﾙ(&F)", "ﾘｽﾄ情報設定(&I)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_TRUE(composed);
}

// The mode set in the column's details reaches the input method as soon as the column's cell is
// current again, also when it was current before.
TEST(JapaneseTypingWindowTest, AModeSetInTheColumnDetailsTypesFromTheFirstClick)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kPrice, 2);
    GridInput::Click(grid, kName, 2);
    UserInput::AnswerNextModal([](wxWindow* window) {
        auto* dialog = dynamic_cast<CListInfoDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->Grid().CurrentRow(), kName) << "the dialog opens on the list's first column";
        auto set = std::make_shared<bool>(false);
        CListInfoGrid& columns = dialog->Grid();
        const int chain = InputSteps::Start(
            "the list information is shown", [] { return true; }, [] {});
        GridInput::ThenClickForKeyboard(chain, columns, CListInfoColumns::kWidth, kName);
        InputSteps::Then(
            chain, "the column's details open", [] { return true; },
            [&columns, set] {
                // カタカナ is the input method list's row 3.
                UserInput::AnswerNextModal([set](wxWindow* details) {
                    wxTextCtrl* field = nullptr;
                    for (wxWindow* child : details->FindWindow(1030)->GetChildren()) {
                        field = field != nullptr ? field : dynamic_cast<wxTextCtrl*>(child);
                    }
                    ASSERT_NE(field, nullptr);
                    // Clicked until it has the keyboard (the dialog may still be placing its
                    // fields).
                    auto sinceClick = std::make_shared<wxStopWatch>();
                    const int inner = InputSteps::Start(
                        "the text column's details are shown", [] { return true; },
                        [field, sinceClick] {
                            ClickCentre(*field);
                            sinceClick->Start();
                        });
                    InputSteps::Then(
                        inner, "the input method list has the keyboard",
                        [field, sinceClick] {
                            if (wxWindow::FindFocus() == field) {
                                return true;
                            }
                            if (sinceClick->Time() > 1000) {
                                ClickCentre(*field);
                                sinceClick->Start();
                            }
                            return false;
                        },
                        [] {
                            UserInput::Press('a', wxMOD_CONTROL);
                            UserInput::Type("3");
                        });
                    InputSteps::Then(
                        inner, "katakana is chosen",
                        [field] { return field->GetValue() == "3"; },
                        [set] {
                            *set = true;
                            UserInput::Press('g', wxMOD_ALT);
                        });
                });
                GridInput::DoubleClick(columns, CListInfoColumns::kWidth, kName);
            });
        InputSteps::Then(
            chain, "the details are set",
            [dialog, set] {
                wxWindow* focus = wxWindow::FindFocus();
                return *set && focus != nullptr && wxGetTopLevelParent(focus) == dialog;
            },
            [dialog] { ClickCentre(*ButtonLabelled(*dialog, "設定(&G)")); });
    });
    EXPECT_TRUE(
        UserInput::ChooseMenu(*dynamic_cast<wxFrame*>(view.GetFrame()), {"ﾌｧｲﾙ(&F)", "ﾘｽﾄ情報設定(&I)"}));
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(list.GetColumn(kName).inputMode, 4);

    GridInput::Click(grid, kName, 3);
    UserInput::Type("a");
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return EditText(grid) == "ア"; }, 10000))
        << "the first key types in katakana: " << EditText(grid).GetString();
    UserInput::Press(WXK_ESCAPE);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.CellArea()->IsComposing(); }, 10000));
    UserInput::Press(WXK_ESCAPE);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000));
    list.GetColumn(kName).inputMode = 0;
}

TEST(JapaneseTypingWindowTest, APlainColumnKeepsTheInputMethodAsTheUserLeftIt)
{
    JapaneseJourneys::TypeIntoAPlainColumnAfterANumberColumn(View(), kAnthy);
}

TEST(JapaneseTypingWindowTest, EachColumnPutsTheInputMethodIntoItsMode)
{
    JapaneseJourneys::TypeIntoAKatakanaColumnAfterANumberColumn(View(), kAnthy);
    // A number column turns the input method off: the digits go into the edit as they are.
    JapaneseJourneys::TypeDigitsIntoANumberColumn(View());
}
