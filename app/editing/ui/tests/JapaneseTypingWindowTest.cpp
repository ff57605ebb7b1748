// Typing Japanese into the list as our users do, through IBus with anthy in hiragana: the
// composition shows in the cell while it is typed, the keys that end it belong to the input
// method, and each column puts the input method into the mode it asks for.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/SampleListStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ListInfoColumns.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ListInfoDlg.h"
#include "list/ui/ListInfoGrid.h"
#include "platform/FileSystem.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/testing/IbusSession.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <wx/frame.h>

namespace {

constexpr int kName = 0;
constexpr int kPrice = 3;
// Full-width katakana, as the column's detail dialog stores it.
constexpr int kKatakanaMode = 4;

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

CGridView& View()
{
    // The input method must be there before the toolkit starts, as on a user's desktop.
    static const bool made = [] {
        FakeListHost host;
        return IbusSession::Start(IbusSession::Client::kIbusModule) &&
               CSampleListMaker(host).Make(Scratch() / "goods.zbk", 4, 0);
    }();
    if (!made) {
        std::abort();
    }
    CGridView* view = StartWithList(Scratch() / "goods.zbk");
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

CString EditText(CCellGrid& grid)
{
    return grid.ActiveEditWindow() != nullptr ? grid.ActiveEditWindow()->GetText() : CString();
}

// Types keys one by one, each waited for until the input method has shown it: anthy answers
// asynchronously, and a key sent before it answered the last may come before it.
void Compose(CListGrid& grid, const char* keys, const char* shown)
{
    for (const char* key = keys; *key != '\0'; ++key) {
        UserInput::Type(std::string(1, *key).c_str());
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.CellArea()->IsComposing(); }, 10000))
            << "the key " << *key << " composes";
    }
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return EditText(grid) == shown; }, 10000))
        << "the edit shows " << EditText(grid).GetString();
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

// The first test of the program: the first composition after start must keep its first letter.
TEST(JapaneseTypingWindowTest, ACompositionOnAnIdleCellShowsInTheCellAndReturnCommitsIt)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 1);
    ASSERT_FALSE(grid.IsEditing());

    // anthy keeps a last n pending until a second one makes it ん.
    Compose(grid, "nihonn", "にほん");
    EXPECT_TRUE(grid.IsEditing()) << "the composition opened the cell's edit";
    EXPECT_TRUE(grid.DefaultEdit()->ShowsComposition());

    UserInput::Press(WXK_SPACE);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return EditText(grid) == "日本"; }, 10000))
        << "Space converts: " << EditText(grid).GetString();
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil(
        [&] { return !grid.CellArea()->IsComposing() && grid.DefaultEdit()->HasFocus(); }, 10000));
    EXPECT_TRUE(grid.IsEditing()) << "the Return that commits does not end the edit";
    EXPECT_EQ(EditText(grid), "日本");
    EXPECT_EQ(grid.CurrentRow(), 1);

    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000));
    EXPECT_EQ(list.GetCellTextAt(kName, 1, kOutputGrid), "日本");
    EXPECT_NE(grid.CurrentColumn() * 100000 + grid.CurrentRow(), kName * 100000 + 1)
        << "a Return with no composition moves on";

    UserInput::Press('s', wxMOD_CONTROL);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !view.GetDocument()->IsModified(); }, 10000));
    EXPECT_NE(FileBytes(FileSystem::ToNative(Scratch() / "goods.zbk")).find("日本"), std::string::npos)
        << "the saved list holds the Shift_JIS text";
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

// Last: a number column leaves the input method closed.
TEST(JapaneseTypingWindowTest, EachColumnPutsTheInputMethodIntoItsMode)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    list.GetColumn(kName).inputMode = kKatakanaMode;
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kPrice, 2);
    GridInput::Click(grid, kName, 2);

    Compose(grid, "aiu", "アイウ");
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.CellArea()->IsComposing(); }, 10000));
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000));
    EXPECT_EQ(list.GetCellTextAt(kName, 2, kOutputGrid), "アイウ");

    // A number column turns the input method off: the digit goes into the edit as it is.
    GridInput::Click(grid, kPrice, 2);
    UserInput::Type("1");
    ASSERT_TRUE(
        WxTestEnvironment::PumpUntil([&] { return grid.IsEditing() && EditText(grid) == "1"; }, 10000))
        << "the edit shows " << EditText(grid).GetString();
    EXPECT_FALSE(grid.CellArea()->IsComposing());
    UserInput::Press(WXK_ESCAPE);
    UserInput::Settle();
    EXPECT_FALSE(grid.IsEditing());
}
