// Typing into the list grid as a user does, keys through the X server and GTK's input method:
// refused entries, characters the list cannot hold (typed or pasted from another program), and
// compositions begun on an idle cell.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>
#include <wx/statusbr.h>

#include <cstdlib>

namespace {

constexpr int kName = 0;
constexpr int kPrice = 3;
constexpr int kArrival = 4;

CGridView& View()
{
    static ScratchFolder scratch;
    static bool made = [] {
        // GTK's own input method, the one every desktop has: Ctrl+Shift+U composes a character
        // by its code, so a composition can be typed without a desktop input method.
        setenv("GTK_IM_MODULE", "gtk-im-context-simple", 1);
        FakeListHost host;
        return CSampleListMaker(host).Make(scratch / "goods.zbk", 4, 0);
    }();
    if (!made) {
        std::abort();
    }
    CZantobyApp& app = StartProgram({FileSystem::ToNative(scratch / "goods.zbk").string()});
    for (wxDocument* doc : app.GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(doc, CListDocument)) {
            return *wxDynamicCast(list->GetFirstView(), CGridView);
        }
    }
    std::abort();
}

CString StatusText()
{
    return FromWx(wxGetApp().GetMainFrame()->GetStatusBar()->GetStatusText(0));
}

// Types into a cell as a user does: a click on it, the keys, then Enter.
void TypeIntoCell(CListGrid& grid, int column, int line, const char* keys)
{
    GridInput::Click(grid, column, line);

    UserInput::Type(keys);
    UserInput::Press(WXK_RETURN);
    UserInput::Settle();
}

// Composes a character by its code with GTK's input method: Ctrl+Shift+U, the code, a space.
void Compose(const char* code)
{
    UserInput::Press('u', wxMOD_CONTROL | wxMOD_SHIFT);
    UserInput::Type(code);
    UserInput::Press(WXK_SPACE);
    UserInput::Settle();
}

} // namespace

TEST(TypingWindowTest, ARefusedEntryKeepsTheOldValueAndTheStatusBarSaysWhy)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const CString price = grid.GetCellText(kPrice, 0);
    const CString arrival = grid.GetCellText(kArrival, 0);
    ASSERT_FALSE(price.IsEmpty());

    TypeIntoCell(grid, kPrice, 0, "abc");
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.GetCellText(kPrice, 0), price);
    EXPECT_EQ(list.GetCellTextAt(kPrice, 0, kOutputGrid), price);
    EXPECT_EQ(StatusText(), "abc は数値として変換できません");

    // A sum whose first piece is no number: the notice names all that was typed.
    const CString nextPrice = list.GetCellTextAt(kPrice, 1, kOutputGrid);
    TypeIntoCell(grid, kPrice, 1, "=1+2*3");
    EXPECT_EQ(list.GetCellTextAt(kPrice, 1, kOutputGrid), nextPrice);
    EXPECT_EQ(StatusText(), "=1+2*3 は数値として変換できません");

    TypeIntoCell(grid, kArrival, 0, "2024/2/30");
    EXPECT_EQ(grid.GetCellText(kArrival, 0), arrival);
    EXPECT_EQ(list.GetCellTextAt(kArrival, 0, kOutputGrid), arrival);
    EXPECT_EQ(StatusText(), "2024/2/30 は日付として変換できません");
    EXPECT_FALSE(list.IsModified()) << "nothing was stored";

    // An era typed as people write it is taken, and the notice goes.
    // Back to the date from the cell Enter moved to.
    UserInput::Press(WXK_LEFT);
    UserInput::Type("r6.3.5");
    UserInput::Press(WXK_RETURN);
    UserInput::Settle();
    EXPECT_EQ(list.GetCellTextAt(kArrival, 0, kOutputFile), "2024/03/05");
    EXPECT_EQ(grid.GetCellText(kArrival, 0), list.GetCellTextAt(kArrival, 0, kOutputGrid));
    EXPECT_EQ(StatusText(), "");
    EXPECT_TRUE(list.IsModified());
}

TEST(TypingWindowTest, CharactersTheListCannotHoldAreNamedAndNothingIsStored)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const CString name = list.GetCellTextAt(kName, 1, kOutputGrid);

    // 野 typed as a code too, and 𠮷 (U+20BB7), which Shift_JIS has no code for.
    GridInput::Click(grid, kName, 1);
    UserInput::Type("x");
    ASSERT_TRUE(grid.IsEditing());
    Compose("20bb7");
    Compose("91ce");
    CCellEdit* edit = grid.DefaultEdit();
    EXPECT_EQ(edit->GetValue(), wxString::FromUTF8("x\xF0\xA0\xAE\xB7\xE9\x87\x8E"));

    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Press(WXK_RETURN);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].Find("U+20BB7"), -1) << boxes.texts[0].GetString();
    EXPECT_NE(boxes.texts[0].Find("x■野"), -1) << boxes.texts[0].GetString();
    EXPECT_EQ(list.GetCellTextAt(kName, 1, kOutputGrid), name) << "nothing was stored";
    // The text stays in the edit to be changed: 𠮷 goes, and the rest is stored. Without a
    // window manager the main window is given the keyboard back as one would.
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.IsEditing() && edit->HasFocus(); }));
    UserInput::Press(WXK_END);
    UserInput::Press(WXK_LEFT);
    UserInput::Press(WXK_BACK);
    UserInput::Press(WXK_RETURN);
    UserInput::Settle();
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(list.GetCellTextAt(kName, 1, kOutputGrid), "x野");
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST(TypingWindowTest, ACompositionBegunOnAnIdleCellGoesOnInTheCellsEdit)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, kName, 2);
    ASSERT_FALSE(grid.IsEditing());

    UserInput::Press('u', wxMOD_CONTROL | wxMOD_SHIFT);
    UserInput::Settle();
    EXPECT_TRUE(grid.IsEditing()) << "the composition opened the cell's edit";
    UserInput::Type("3042");
    UserInput::Press(WXK_SPACE);
    UserInput::Press(WXK_RETURN);
    UserInput::Settle();
    EXPECT_EQ(list.GetCellTextAt(kName, 2, kOutputGrid), "あ");
}

TEST(TypingWindowTest, TextPastedFromAnotherProgramNamesWhatTheListCannotHoldAndAsksFirst)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    CZantobyDoc& list = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const CString name = list.GetCellTextAt(kName, 3, kOutputGrid);
    // 𠮷野家 as another program puts it there: UTF-8 text.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(
        new wxTextDataObject(wxString::FromUTF8("\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE\xB6")));
    wxTheClipboard->Close();
    GridInput::Click(grid, kName, 3);

    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press('n', wxMOD_ALT); });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].Find("U+20BB7"), -1) << boxes.texts[0].GetString();
    EXPECT_EQ(list.GetCellTextAt(kName, 3, kOutputGrid), name) << "answered No, nothing changes";
    EXPECT_EQ(grid.GetCellText(kName, 3), name);

    // Answered Yes, the paste goes on with the character as "?".
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press('y', wxMOD_ALT); });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(list.GetCellTextAt(kName, 3, kOutputGrid), "?野家");
    wxTheClipboard->Clear();
}
