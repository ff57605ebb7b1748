#include "ShownGridSteps.h"

#include "app/find/ui/SortDetailDlg.h"
#include "app/find/ui/SortKeyGrid.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "grid/ui/CellEdit.h"
#include "grid/ui/DropListBox.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "grid/ui/testing/GridScreen.h"
#include "list/ListInfoColumns.h"
#include "list/ui/ListInfoDlg.h"
#include "list/ui/ListInfoGrid.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/UserInput.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/frame.h>

#include <string>

namespace {

constexpr int kName = 0;

wxFrame& FrameOf(CGridView& view)
{
    return *dynamic_cast<wxFrame*>(view.GetFrame());
}

void ExpectShows(CCellGrid& grid, const char* name)
{
    std::string why;
    EXPECT_TRUE(GridScreen::ShowsWhatItHolds(grid, name, &why)) << why;
}

void ClickButton(wxWindow& dialog, int id)
{
    if (wxWindow* button = dialog.FindWindow(id)) {
        UserInput::Click(*button, wxPoint(button->GetSize().x / 2, button->GetSize().y / 2));
    } else {
        ADD_FAILURE() << "no button " << id;
    }
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

CString EditText(CCellGrid& grid)
{
    return grid.IsEditing() && grid.ActiveEditWindow() != nullptr ? grid.ActiveEditWindow()->GetText()
                                                                  : CString();
}

// Under an input method in hiragana digits compose as full-width ones.
bool IsTyped(const CString& text, const char* plain, const char* composed)
{
    return text == plain || text == composed;
}

// Steps that type 55 into the current cell, a key at a time, and enter it: where the digits
// compose, the first Return commits them and the next one enters them, as a user does.
void ThenEnterDigits(int chain, CCellGrid& grid)
{
    InputSteps::Then(
        chain, "a digit", [] { return true; }, [] { UserInput::Type("5"); });
    InputSteps::Then(
        chain, "the digit shows in the cell", [&grid] { return IsTyped(EditText(grid), "5", "５"); },
        [] { UserInput::Type("5"); });
    InputSteps::Then(
        chain, "both digits show in the cell", [&grid] { return IsTyped(EditText(grid), "55", "５５"); },
        [chain, &grid] {
            if (!grid.CellArea()->IsComposing()) {
                return;
            }
            UserInput::Press(WXK_RETURN);
            InputSteps::Next(
                chain, "the composition is committed",
                [&grid] { return !grid.CellArea()->IsComposing() && grid.DefaultEdit()->HasFocus(); }, [] {});
        });
    InputSteps::Then(
        chain, "Return enters the digits", [] { return true; }, [] { UserInput::Press(WXK_RETURN); });
    InputSteps::Then(
        chain, "the edit has ended", [&grid] { return !grid.IsEditing(); }, [] {});
}

} // namespace

void ShownGridSteps::EditTheListThroughMenus(CGridView& view)
{
    CListGrid& grid = *view.Grid();
    wxFrame& frame = FrameOf(view);
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    // A text column, where the input method stays on.
    const int chain = InputSteps::Start(
        "the list is shown", [] { return true; }, [] {});
    GridInput::ThenClickForKeyboard(chain, grid, kName, 0);
    ThenEnterDigits(chain, grid);
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_TRUE(IsTyped(grid.GetCellText(kName, 0), "55", "５５")) << grid.GetCellText(kName, 0).GetString();
    EXPECT_EQ(grid.CurrentColumn(), kName + 1) << "Return moves on to the next cell";
    ExpectShows(grid, "list-after-edit");

    // Every menu open in turn and closed by Esc: no trace of them stays over the cells.
    EXPECT_FALSE(UserInput::OpenEveryMenu(frame).empty());
    ExpectShows(grid, "list-after-menus");

    auto stayed = std::make_shared<bool>(false);
    UserInput::AnswerNextModal([stayed](wxWindow* dialog) {
        UserInput::PressToClose(*dynamic_cast<wxDialog*>(dialog), WXK_ESCAPE, stayed);
    });
    EXPECT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "並替設定(&O)..."}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_FALSE(*stayed);
    ExpectShows(grid, "list-after-dialog");
}

void ShownGridSteps::EditTheListInformation(CGridView& view)
{
    wxFrame& frame = FrameOf(view);
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    UserInput::AnswerNextModal([](wxWindow* window) {
        auto* dialog = dynamic_cast<CListInfoDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        CListInfoGrid& grid = dialog->Grid();
        const int chain = InputSteps::Start(
            "the list information is shown", [] { return true; }, [] {});
        GridInput::ThenClickForKeyboard(chain, grid, CListInfoColumns::kName, 1);
        ThenEnterDigits(chain, grid);
        InputSteps::Then(
            chain, "the name is in",
            [&grid] { return IsTyped(grid.GetCellText(CListInfoColumns::kName, 1), "55", "５５"); }, [] {});
        GridScreen::ThenShowsWhatItHolds(chain, grid, "list-information-after-edit");
        InputSteps::Then(
            chain, "the type's drop list opens", [] { return true; },
            [&grid] {
                GridInput::Click(grid, CListInfoColumns::kType, 1);
                UserInput::Press(' ');
            });
        InputSteps::Then(
            chain, "and closes on the type it opened on", [&grid] { return grid.DropList()->IsListOpen(); },
            [] { UserInput::Press(WXK_RETURN); });
        InputSteps::Then(
            chain, "the drop list is gone", [&grid] { return !grid.DropList()->IsListOpen(); }, [] {});
        GridScreen::ThenShowsWhatItHolds(chain, grid, "list-information-after-drop-list");
        InputSteps::Then(
            chain, "the dialog is set", [] { return true; },
            [dialog] {
                wxWindow* set = ButtonLabelled(*dialog, "設定(&G)");
                ASSERT_NE(set, nullptr);
                UserInput::Click(*set, wxPoint(set->GetSize().x / 2, set->GetSize().y / 2));
            });
    });
    EXPECT_TRUE(UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", "ﾘｽﾄ情報設定(&I)"}));
    ASSERT_TRUE(UserInput::Finish());
    ExpectShows(*view.Grid(), "list-after-list-information");
}

void ShownGridSteps::ChangeTheSortDetail(CGridView& view)
{
    wxFrame& frame = FrameOf(view);
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    UserInput::AnswerNextModal([](wxWindow* window) {
        auto* dialog = dynamic_cast<CSortDetailDlg*>(window);
        ASSERT_NE(dialog, nullptr);
        CSortKeyGrid& grid = dialog->GetGrid();
        const int chain = InputSteps::Start(
            "the sort keys show", [] { return true; }, [] {});
        GridScreen::ThenShowsWhatItHolds(chain, grid, "sort-detail-opened");
        InputSteps::Then(
            chain, "a direction's drop list opens", [] { return true; },
            [&grid] {
                GridInput::Click(grid, 2, 0);
                UserInput::Press(' ');
            });
        InputSteps::Then(
            chain, "and the other direction is chosen", [&grid] { return grid.DropList()->IsListOpen(); },
            [] {
                UserInput::Press(WXK_DOWN);
                UserInput::Press(WXK_RETURN);
            });
        InputSteps::Then(
            chain, "the drop list is gone", [&grid] { return !grid.DropList()->IsListOpen(); }, [] {});
        GridScreen::ThenShowsWhatItHolds(chain, grid, "sort-detail-after-drop-list");
        InputSteps::Then(
            chain, "the key moves down", [] { return true; },
            [dialog] { ClickButton(*dialog, CSortDetailDlg::kMoveDownId); });
        InputSteps::Then(
            chain, "it has moved", [&grid] { return grid.CurrentRow() == 1; }, [] {});
        GridScreen::ThenShowsWhatItHolds(chain, grid, "sort-detail-after-move");
        InputSteps::Then(
            chain, "the dialog is set", [] { return true; },
            [dialog] { ClickButton(*dialog, CSortDetailDlg::kApplyId); });
    });
    EXPECT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "並替設定(&O)..."}));
    ASSERT_TRUE(UserInput::Finish());
    ExpectShows(*view.Grid(), "list-after-sort-detail");
}
