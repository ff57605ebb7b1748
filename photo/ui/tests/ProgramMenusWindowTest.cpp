// Every menu a user can open, opened by real clicks in the running program: the list window's
// menus and context menus, the toolbar's drop-downs, the photo editor's menus and the main
// window's menus with no list. Any wx assertion on the way fails the test.
#include "app/ui/GridView.h"
#include "app/ui/ListGrid.h"
#include "app/ui/MainFrame.h"
#include "app/ui/PhotoView.h"
#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
#include "grid/ui/testing/GridInput.h"
#include "list/ZantobyDoc.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/EditorWindows.h"
#include "support/SampleListStart.h"

#include <gtest/gtest.h>

#include <wx/aui/auibar.h>
#include <wx/docview.h>
#include <wx/statusbr.h>

#include <algorithm>

namespace {

constexpr int ID_FILE_PRINT_MODE = 33064;
constexpr int ID_TEXT_COLOR = 32895;
constexpr int ID_BACK_COLOR = 32894;

bool Has(const std::vector<CString>& opened, const char* name)
{
    return std::find(opened.begin(), opened.end(), CString(name)) != opened.end();
}

// The popup menu that a right click at a grid cell opens, walked through.
std::vector<CString> WalkPopupAt(CCellGrid& grid, int column, int row)
{
    std::vector<CString> opened;
    UserInput::OpenEveryMenuOfNextPopup(&opened);
    GridInput::RightClick(grid, column, row);
    EXPECT_TRUE(UserInput::Finish()) << column << "," << row;
    return opened;
}

} // namespace

TEST(ProgramMenusWindowTest, TheListWindowsMenusAndContextMenusOpen)
{
    CGridView* view = StartWithSampleList(6, 3);
    ASSERT_NE(view, nullptr);
    auto& frame = *dynamic_cast<wxFrame*>(view->GetFrame());
    const std::vector<CString> opened = UserInput::OpenEveryMenu(frame);
    EXPECT_EQ(opened.size(), 10u);
    EXPECT_TRUE(Has(opened, "ﾌｧｲﾙ(F)/CSV(V)"));
    EXPECT_TRUE(Has(opened, "書式(O)/文字色(T)"));
    EXPECT_TRUE(Has(opened, "書式(O)/背景色(B)"));
    EXPECT_TRUE(Has(opened, "写真(P)"));
    // The state of the view shows in check marks.
    EXPECT_TRUE(frame.GetMenuBar()->FindItem(59393)->IsCheckable());
    EXPECT_TRUE(frame.GetMenuBar()->IsChecked(59393));

    CListGrid& grid = *view->Grid();
    const int photoLine = FirstLineWithPhoto(*view->ListDoc());
    ASSERT_GE(photoLine, 0);
    EXPECT_EQ(WalkPopupAt(grid, 0, 0).size(), 1u);
    EXPECT_EQ(WalkPopupAt(grid, view->ListDoc()->columnCount, photoLine).size(), 1u);
    EXPECT_EQ(WalkPopupAt(grid, -1, 1).size(), 1u);
    EXPECT_EQ(WalkPopupAt(grid, 1, -1).size(), 1u);
    EXPECT_EQ(WalkPopupAt(grid, -1, -1).size(), 1u);

    // The strip takes no click while it is still reading its pictures.
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return !view->PhotoView()->Strip().IsPending(); }, 5000));
    std::vector<CString> strip;
    UserInput::OpenEveryMenuOfNextPopup(&strip);
    UserInput::RightClick(*view->PhotoView(), wxPoint(20, 20));
    EXPECT_TRUE(UserInput::Finish());
    EXPECT_EQ(strip.size(), 1u);

    // The drop-downs of the list toolbar's print and colour buttons.
    wxAuiToolBar* bar = wxGetApp().GetMainFrame()->GetToolbar(CToolbarChoice::kMainBar);
    // The colour buttons work on the current cell.
    GridInput::Click(grid, 0, 0);
    for (int id : {ID_FILE_PRINT_MODE, ID_TEXT_COLOR, ID_BACK_COLOR}) {
        std::vector<CString> dropped;
        UserInput::OpenEveryMenuOfNextPopup(&dropped);
        const wxRect tool = bar->GetToolRect(id);
        UserInput::Click(*bar, wxPoint(tool.GetRight() - 3, tool.y + tool.height / 2));
        EXPECT_TRUE(UserInput::Finish()) << id;
        EXPECT_EQ(dropped.size(), 1u) << id;
    }
}

TEST(ProgramMenusWindowTest, ThePhotoEditorsMenusOpen)
{
    CGridView* view = StartWithSampleList(6, 3);
    ASSERT_NE(view, nullptr);
    const int photoLine = FirstLineWithPhoto(*view->ListDoc());
    ASSERT_GE(photoLine, 0);
    UserInput::ChooseInNextPopup({"写真を編集"});
    GridInput::RightClick(*view->Grid(), view->ListDoc()->columnCount, photoLine);
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() != nullptr; }));
    CEditPhotoDoc* editor = OpenEditorDocument();
    auto& frame = *dynamic_cast<wxFrame*>(editor->GetEditView()->GetFrame());
    WxTestEnvironment::PumpFor(300);

    const std::vector<CString> opened = UserInput::OpenEveryMenu(frame);
    EXPECT_EQ(opened.size(), 7u);
    EXPECT_TRUE(Has(opened, "表示(V)/自動ｻｲｽﾞ(A)"));
    EXPECT_TRUE(frame.GetMenuBar()->IsChecked(32985));

    EXPECT_TRUE(UserInput::ChooseMenu(frame, {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([] { return OpenEditorDocument() == nullptr; }));
}

TEST(ProgramMenusWindowTest, TheMainWindowsMenusOpenWithNoList)
{
    CGridView* view = StartWithSampleList(6, 3);
    ASSERT_NE(view, nullptr);
    auto& list = *dynamic_cast<wxFrame*>(view->GetFrame());
    ASSERT_TRUE(UserInput::ChooseMenu(list, {"ﾌｧｲﾙ(&F)", "閉じる(&C)"}));
    ASSERT_TRUE(WxTestEnvironment::PumpUntil(
        [] { return wxGetApp().GetDocManager()->GetDocumentsVector().empty(); }));

    CMainFrame& frame = *wxGetApp().GetMainFrame();
    // Nothing is left of the closed list's row position.
    EXPECT_EQ(frame.GetStatusBar()->GetStatusText(1), "");
    const std::vector<CString> opened = UserInput::OpenEveryMenu(frame);
    EXPECT_EQ(opened, (std::vector<CString>{"ﾌｧｲﾙ(F)", "表示(V)", "ﾂｰﾙ(T)", "ﾍﾙﾌﾟ(H)"}));
    EXPECT_TRUE(frame.GetMenuBar()->IsChecked(59392));
}
