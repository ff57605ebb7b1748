#include "JapaneseJourneys.h"

#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/testing/ui/SampleListStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// Full-width katakana, as the column's detail dialog stores it.
constexpr int kKatakanaMode = 4;

CString EditText(CCellGrid& grid)
{
    return grid.ActiveEditWindow() != nullptr ? grid.ActiveEditWindow()->GetText() : CString();
}

// Types keys one by one, each waited for until the input method has shown it: the engines
// answer asynchronously, and a key sent before one answered the last may come before it.
void Compose(CListGrid& grid, const char* keys, const char* shown)
{
    // Without a text to wait for, until the keys have become kana (no Latin letter left).
    const auto enough = [&grid] {
        const wxString text = ToWx(EditText(grid));
        return !text.empty() && std::all_of(text.begin(), text.end(), [](wxUniChar c) { return c >= 0x80; });
    };
    for (const char* key = keys; *key != '\0'; ++key) {
        UserInput::Type(std::string(1, *key).c_str());
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.CellArea()->IsComposing(); }, 10000))
            << "the key " << *key << " composes";
    }
    ASSERT_TRUE(WxTestEnvironment::PumpUntil(
        [&] { return shown != nullptr ? EditText(grid) == shown : enough(); }, 10000))
        << "the edit shows " << EditText(grid).GetString() << ", not " << (shown != nullptr ? shown : keys);
}

void TurnOnIfOff(const JapaneseJourneys::Desktop& desktop)
{
    if (!desktop.turnOn) {
        return;
    }
    // On a busy machine the input method may take its window's context after the first press, and
    // a key that comes before that goes nowhere: pressed again while the input method stays off.
    for (int press = 0; press < 3 && !desktop.isOn(); ++press) {
        desktop.turnOn();
        WxTestEnvironment::PumpUntil(desktop.isOn, 5000);
    }
    ASSERT_TRUE(desktop.isOn()) << "the input method is on";
}

// Esc takes back the composition, the next one the edit, once the edit has the keyboard.
void TakeBack(CListGrid& grid)
{
    UserInput::Press(WXK_ESCAPE);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil(
        [&] { return !grid.CellArea()->IsComposing() && (!grid.IsEditing() || grid.DefaultEdit()->HasFocus()); },
        10000));
    if (grid.IsEditing()) {
        UserInput::Press(WXK_ESCAPE);
        ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000));
    }
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

} // namespace

CGridView& JapaneseJourneys::View(const std::function<bool()>& startInputMethod)
{
    static const bool made = [&startInputMethod] {
        FakeListHost host;
        return startInputMethod() && CSampleListMaker(host).Make(Scratch() / "goods.zbk", 4, 0);
    }();
    CGridView* view = made ? StartWithList(Scratch() / "goods.zbk") : nullptr;
    if (view == nullptr) {
        std::abort();
    }
    return *view;
}

std::filesystem::path JapaneseJourneys::ListFile()
{
    return FileSystem::ToNative(Scratch() / "goods.zbk");
}

void JapaneseJourneys::CommitAWord(CGridView& view, const Desktop& desktop)
{
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Focus(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 1);
    ASSERT_FALSE(grid.IsEditing());
    TurnOnIfOff(desktop);

    // A last n stays pending until a second one makes it ん.
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
    EXPECT_NE(FileBytes(ListFile()).find("日本"), std::string::npos) << "the saved list holds the Shift_JIS text";
}

void JapaneseJourneys::TypeDigitsIntoANumberColumn(CGridView& view)
{
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Focus(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 2);
    GridInput::Click(grid, kPrice, 2);
    std::string typed;
    for (const char* key : {"4", "5"}) {
        UserInput::Type(key);
        typed += key;
        ASSERT_TRUE(WxTestEnvironment::PumpUntil(
            [&] { return grid.IsEditing() && EditText(grid) == typed.c_str() && grid.DefaultEdit()->HasFocus(); },
            10000))
            << "the edit shows " << EditText(grid).GetString();
        EXPECT_FALSE(grid.CellArea()->IsComposing()) << "the digits are no composition";
        EXPECT_FALSE(grid.DefaultEdit()->ShowsComposition());
    }
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000))
        << "one Return ends the edit";
    EXPECT_EQ(list.GetCellTextAt(kPrice, 2, kOutputGrid), "45");
}

void JapaneseJourneys::TypeIntoAKatakanaColumnAfterANumberColumn(CGridView& view, const Desktop& desktop)
{
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    const int kept = list.GetColumn(kName).inputMode;
    list.GetColumn(kName).inputMode = kKatakanaMode;
    ASSERT_TRUE(UserInput::Focus(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kPrice, 3);
    GridInput::Click(grid, kName, 3);

    Compose(grid, "aiu", desktop.katakanaColumnAiu);
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.CellArea()->IsComposing(); }, 10000));
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !grid.IsEditing(); }, 10000));
    EXPECT_EQ(list.GetCellTextAt(kName, 3, kOutputGrid), desktop.katakanaColumnAiu);
    list.GetColumn(kName).inputMode = kept;
}

void JapaneseJourneys::TypeIntoAPlainColumnAfterANumberColumn(CGridView& view, const Desktop& desktop)
{
    CListGrid& grid = *view.Grid();
    ASSERT_EQ(view.ListDoc()->GetColumn(kName).inputMode, 0) << "the column leaves the input method as it is";
    ASSERT_TRUE(UserInput::Focus(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 0);
    TurnOnIfOff(desktop);
    // Whatever kana mode the input method is in, the column keeps it.
    Compose(grid, "ka", nullptr);
    const CString asLeft = EditText(grid);
    ASSERT_TRUE(asLeft == "か" || asLeft == "カ") << "ka composes kana: " << asLeft.GetString();
    TakeBack(grid);

    GridInput::Click(grid, kPrice, 0);
    GridInput::Click(grid, kName, 0);
    Compose(grid, "ka", asLeft);
    TakeBack(grid);
}
