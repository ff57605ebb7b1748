// The list window on a full list, 10,000 rows of 128 columns: every line shows its row as the
// document holds it, the grid shows what it holds after edits, menus and dialogs, and a clear of
// every cell and its undo show at once.
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/settings/ui/ConfigDlg.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/FullListFile.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "foundation/ui/HostedField.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/testing/GridInput.h"
#include "grid/ui/testing/GridScreen.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/ShownGridSteps.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>

#include <cstdlib>
#include <memory>

namespace {

CGridView& View()
{
    static ScratchFolder scratch;
    static const CString path = scratch / "full.zbk";
    static const bool made = WriteFullListFile(scratch.Path(), path);
    if (!made) {
        std::abort();
    }
    CZantobyApp& app = StartProgram({FileSystem::ToNative(path).string()});
    for (wxDocument* doc : app.GetDocManager()->GetDocumentsVector()) {
        if (dynamic_cast<CListDocument*>(doc) != nullptr) {
            return *dynamic_cast<CGridView*>(doc->GetFirstView());
        }
    }
    std::abort();
}

void ExpectShows(CCellGrid& grid, const char* name)
{
    std::string why;
    EXPECT_TRUE(GridScreen::ShowsWhatItHolds(grid, name, &why)) << why;
}

// Whether the grid holds the document's text on the lines and columns checked.
void ExpectGridHoldsTheDocument(CListGrid& grid, const CZantobyDoc& doc)
{
    for (int line : {0, 1, 4999, 9999}) {
        for (int column : {0, 3, 64, 127}) {
            EXPECT_EQ(grid.GetCellText(column, line), doc.GetCellTextAt(column, line, kOutputGrid))
                << "line " << line << ", column " << column;
        }
    }
}

} // namespace

TEST(FullListWindowTest, EveryLineShowsItsRowAsTheDocumentHoldsIt)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    const CZantobyDoc& doc = *view.ListDoc();
    // The last row takes the place of the new-row line.
    ASSERT_EQ(doc.displayCount, kMaxRows);
    EXPECT_EQ(grid.GetRowCount(), kMaxRows);
    EXPECT_EQ(grid.GetCellText(0, 9999), "商品9999-0");
    EXPECT_EQ(grid.GetCellText(3, 1), "10");
    ExpectGridHoldsTheDocument(grid, doc);

    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, 0, 0);
    UserInput::Press(WXK_END, wxMOD_CONTROL);
    UserInput::Settle();
    EXPECT_EQ(grid.CurrentRow(), kMaxRows - 1);
    ExpectShows(grid, "full-list-at-its-end");
    // Back to the top for the tests that follow, beside the first cell: the next test clicks that
    // one, and a click on the current cell opens its edit.
    grid.MoveToCell(1, 0);
    UserInput::Settle();
    EXPECT_EQ(grid.CurrentRow(), 0);
}

TEST(FullListWindowTest, TheListShowsItsEditsThroughMenusAndDialogs)
{
    ShownGridSteps::EditTheListThroughMenus(View());
    EXPECT_EQ(View().ListDoc()->GetCellTextAt(0, 0, kOutputGrid), "55");
}

TEST(FullListWindowTest, ClearingEveryCellAndItsUndoShowAtOnce)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    const CZantobyDoc& doc = *view.ListDoc();
    const CString last = doc.GetCellTextAt(127, 9999, kOutputGrid);
    ASSERT_FALSE(last.IsEmpty());
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, -1, -1); // the corner selects every cell
    UserInput::Press(WXK_DELETE);
    UserInput::Settle();
    EXPECT_EQ(doc.GetCellTextAt(127, 9999, kOutputGrid), "");
    EXPECT_EQ(grid.GetCellText(127, 9999), "");
    EXPECT_EQ(grid.GetCellText(0, 0), "");
    ExpectShows(grid, "full-list-cleared");

    UserInput::Press('z', wxMOD_CONTROL);
    UserInput::Settle();
    EXPECT_EQ(doc.GetCellTextAt(127, 9999, kOutputGrid), last);
    ExpectGridHoldsTheDocument(grid, doc);
    ExpectShows(grid, "full-list-after-undo");
}

TEST(FullListWindowTest, APasteOnTheLastLineSaysHowManyRowsAndColumnsFoundNoPlace)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    const CZantobyDoc& doc = *view.ListDoc();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    GridInput::Click(grid, 2, 1);
    // A click on the cell that was current opens its edit.
    if (grid.IsEditing()) {
        UserInput::Press(WXK_ESCAPE);
    }
    // To the last line, its last cell, and back over the photo columns to the last data column.
    UserInput::Press(WXK_END, wxMOD_CONTROL);
    UserInput::Press(WXK_END);
    for (int photo = 0; photo < doc.photoColumns; ++photo) {
        UserInput::Press(WXK_LEFT);
    }
    UserInput::Settle();
    ASSERT_EQ(grid.CurrentRow(), kMaxRows - 1);
    const int column = grid.CurrentColumn();
    ASSERT_EQ(column, kMaxColumns - 1);
    ASSERT_EQ(doc.GetColumn(column).type, kTypeText);
    const CString before = doc.GetCellTextAt(column, kMaxRows - 1, kOutputGrid);
    // Three rows of two cells from another program; the second cell lands on a photo column.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(ToWx("甲\tA\n乙\tB\n丙\tC\n")));
    wxTheClipboard->Close();

    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    UserInput::Press('v', wxMOD_CONTROL);
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(doc.GetCellTextAt(column, kMaxRows - 1, kOutputGrid), "甲");
    EXPECT_EQ(grid.GetCellText(column, kMaxRows - 1), "甲");
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(
        boxes.texts[0],
        "貼り付け先に入りきらなかったため、貼り付けるﾃﾞｰﾀの下側の 2 行と右側の 1 列は貼り付けませんでした");

    UserInput::Press('z', wxMOD_CONTROL);
    UserInput::Settle();
    EXPECT_EQ(doc.GetCellTextAt(column, kMaxRows - 1, kOutputGrid), before);
    wxTheClipboard->Clear();
}

// The wheel scrolls the rows 環境設定 names a notch: two at first, then as the dialog is set.
TEST(FullListWindowTest, TheWheelScrollsTheRowsTheSettingsName)
{
    CGridView& view = View();
    CListGrid& grid = *view.Grid();
    wxWindow& cells = *grid.CellArea();
    ASSERT_TRUE(UserInput::Activate(*wxGetApp().GetMainFrame()));
    const wxPoint middle(cells.GetClientSize().x / 2, cells.GetClientSize().y / 2);
    grid.ScrollToTopRow(100);
    UserInput::Wheel(cells, middle, 1);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.FirstVisibleRow() != 100; }));
    EXPECT_EQ(grid.FirstVisibleRow(), 102) << "two rows a notch by default";
    UserInput::Wheel(cells, middle, -2);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.FirstVisibleRow() == 98; }))
        << "back up two notches shows row " << grid.FirstVisibleRow();

    UserInput::AnswerNextModal([](wxWindow* dialog) {
        auto* wheel = dialog != nullptr ? dynamic_cast<CHostedField*>(dialog->FindWindow(1071)) : nullptr;
        if (wheel == nullptr) {
            ADD_FAILURE() << "no wheel field in the settings";
            UserInput::Press(WXK_ESCAPE);
            return;
        }
        // Tab by Tab to the wheel field, as a user goes there from the keyboard.
        CTypedEdit& edit = wheel->GetEdit();
        // The next Tab once the last one has moved the keyboard.
        auto tabbedFrom = std::make_shared<wxWindow*>(nullptr);
        const int chain = InputSteps::Start(
            "the wheel field has the keyboard",
            [&edit, tabbedFrom] {
                if (edit.HasFocus()) {
                    return true;
                }
                if (wxWindow::FindFocus() != *tabbedFrom) {
                    *tabbedFrom = wxWindow::FindFocus();
                    UserInput::Press(WXK_TAB);
                }
                return false;
            },
            [] {
                UserInput::Press(WXK_END);
                UserInput::Press(WXK_BACK);
                UserInput::Type("5");
            });
        InputSteps::Then(
            chain, "the wheel field reads 5", [&edit] { return edit.GetValue() == "5"; },
            [] { UserInput::Press(WXK_RETURN); });
    });
    wxFrame& frame = *dynamic_cast<wxFrame*>(view.GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"ﾂｰﾙ(&T)", "環境設定(&O)..."}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(wxGetApp().Settings().GetWheelDelta(), 5);

    grid.ScrollToTopRow(100);
    UserInput::Wheel(cells, middle, 1);
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return grid.FirstVisibleRow() != 100; }));
    EXPECT_EQ(grid.FirstVisibleRow(), 105) << "the changed setting holds at once";
    grid.ScrollToTopRow(0);
}
