#include "app/find/ExtractForm.h"
#include "app/find/SortKeyEditor.h"
#include "app/find/ui/GlobalFindDlg.h"
#include "app/find/ui/KeywordExtractPage.h"
#include "app/find/ui/LocalFindDlg.h"
#include "app/find/ui/RangeExtractGrid.h"
#include "app/find/ui/RangeExtractPage.h"
#include "app/find/ui/SortDetailDlg.h"
#include "app/find/ui/SortKeyGrid.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/SampleCopy.h"
#include "app/startup/SampleListMaker.h"
#include "app/startup/ui/NavigateDlg.h"
#include "app/startup/ui/OpenListDlg.h"
#include "app/startup/ui/OpenListPane.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "app/testing/ui/ProgramStart.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "grid/ui/GridCellArea.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <wx/combobox.h>
#include <wx/radiobut.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

ScratchFolder& Scratch()
{
    static ScratchFolder scratch;
    return scratch;
}

CString ListPath()
{
    return Scratch() / "stationery.zbk";
}

// The program started with a list of goods open.
CZantobyApp& App()
{
    static bool made = [] {
        Scratch();
        FakeListHost host;
        return CSampleListMaker(host).Make(ListPath(), 8, 4, "文具の商品");
    }();
    if (!made) {
        std::abort();
    }
    return StartProgram({FileSystem::ToNative(ListPath()).string()});
}

CZantobyDoc& OpenList()
{
    for (wxDocument* doc : App().GetDocManager()->GetDocumentsVector()) {
        if (auto* list = wxDynamicCast(doc, CListDocument)) {
            return list->List();
        }
    }
    std::abort();
}

// Runs a dialog modally while the steps run inside it, once it shows; the dialog's result.
int RunModal(wxDialog& dialog, const std::function<void()>& steps)
{
    dialog.CallAfter([&dialog, steps] {
        WxTestEnvironment::PumpUntil([&dialog] { return dialog.IsShownOnScreen(); });
        WxTestEnvironment::PumpFor(200);
        steps();
    });
    return dialog.ShowModal();
}

// The dialog of a kind that the program has opened, once it shows; null when none comes.
template <class Dialog> Dialog* ShownDialog()
{
    Dialog* dialog = nullptr;
    WxTestEnvironment::PumpUntil([&dialog] {
        for (wxWindow* window : wxTopLevelWindows) {
            dialog = dialog != nullptr ? dialog : dynamic_cast<Dialog*>(window);
        }
        return dialog != nullptr && dialog->IsShownOnScreen();
    });
    return dialog;
}

// Opens the navigator by an item of the list window's file menu and double clicks its first
// entry; the list that opens, once it is the current one (null when path does not open).
CListDocument* OpenFirstNavigatorEntry(const CString& menuItem, const CString& path)
{
    UserInput::AnswerNextModal([](wxWindow* dialog) {
        wxWindow* first = dialog->FindWindow(CNavigateDlg::kFirstFrameId);
        UserInput::DoubleClick(*first, wxPoint(first->GetClientSize().x / 2, first->GetClientSize().y / 2));
    });
    auto* listFrame = dynamic_cast<wxFrame*>(App().GetDocManager()->GetCurrentView()->GetFrame());
    if (!UserInput::ChooseMenu(*listFrame, {"ﾌｧｲﾙ(&F)", menuItem}) || !UserInput::Finish()) {
        return nullptr;
    }
    CListDocument* opened = nullptr;
    WxTestEnvironment::PumpUntil(
        [&] {
            opened = wxDynamicCast(App().GetDocManager()->GetCurrentDocument(), CListDocument);
            return opened != nullptr && opened->GetFilename() == ToWx(path);
        },
        5000);
    return opened != nullptr && opened->GetFilename() == ToWx(path) ? opened : nullptr;
}

class ShellDialogsWindowTest : public testing::Test
{
  protected:
    void SetUp() override { App(); }
};

} // namespace

TEST_F(ShellDialogsWindowTest, NavigatorRunsTheRecentListChosen)
{
    CNavigatorModel model;
    CStringArray recent;
    recent.Add(ListPath());
    model.Build(ZANTOBY_RESOURCES, CString(ZANTOBY_RESOURCES) + "/Sample", recent);
    model.ShowTab(CNavigatorModel::kTemplateTab);
    CNavigateDlg dialog(App().GetMainFrame(), model, App().Settings());
    const int result = RunModal(dialog, [&] {
        dialog.ClickFrame(0);
        EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(dialog, "navigator-templates").IsEmpty());
        dialog.SelectTab(CNavigatorModel::kRecentTab);
        dialog.ClickFrame(0);
        EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(dialog, "navigator").IsEmpty());
        dialog.RunSelected();
    });
    ASSERT_EQ(result, wxID_OK);
    const CNavigatorModel::OpenRequest request = model.GetOpenRequest();
    EXPECT_EQ(request.kind, CNavigatorModel::OpenRequest::kOpenPath);
    EXPECT_EQ(request.path, ListPath());
    EXPECT_EQ(model.GetEntries()[0].caption, "文具の商品");
}

TEST_F(ShellDialogsWindowTest, NewListFromATemplateOpensAnUntitledListWithTheTemplatesColumns)
{
    const size_t before = App().GetDocManager()->GetDocumentsVector().size();
    App().CallAfter([] {
        CNavigateDlg* navigator = ShownDialog<CNavigateDlg>();
        ASSERT_NE(navigator, nullptr);
        navigator->ClickFrame(0);
        navigator->RunSelected();
        if (navigator->IsModal()) {
            ADD_FAILURE() << "the first template could not be run";
            navigator->EndModal(wxID_CANCEL);
        }
    });
    App().SetResourceFolder(ZANTOBY_RESOURCES);
    App().RunOpenNavigator(CNavigatorModel::kTemplateTab);
    ASSERT_EQ(App().GetDocManager()->GetDocumentsVector().size(), before + 1);
    auto* made = wxDynamicCast(App().GetDocManager()->GetCurrentDocument(), CListDocument);
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(made->List().workPath.IsEmpty()) << "a new list lives in its working folder until saved";
    EXPECT_EQ(made->List().title, "商品カタログ");
    EXPECT_EQ(made->List().columnCount, 8);
    made->Modify(false);
    // The parent frame takes the new window's menus at idle time; closing before that would
    // leave it attaching the menus of the window below a second time.
    WxTestEnvironment::PumpFor(200);
    App().GetDocManager()->CloseDocument(made, true);
}

TEST_F(ShellDialogsWindowTest, ExtractDialogCarriesOrToTheRangePageAndStoresItsBounds)
{
    CZantobyDoc& doc = OpenList();
    CExtractForm form(doc);
    CLocalFindDlg dialog(App().GetMainFrame(), form);
    const int result = RunModal(dialog, [&] {
        if (dialog.GetPage() != 0) {
            dialog.ShowPage(0);
        }
        static_cast<wxRadioButton*>(dialog.FindWindow(1115))->SetValue(true);
        dialog.ShowPage(1);
        EXPECT_EQ(dialog.GetRangePage().GetCombine(), 1) << "OR is carried over to the range page";
        CRangeExtractGrid& grid = dialog.GetRangePage().GetGrid();
        grid.SetCellText(1, 3, "200");
        grid.SetCellText(2, 3, "1,000");
        grid.RepaintGrid();
        EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(dialog, "extract").IsEmpty());
        dialog.RunExtraction();
    });
    ASSERT_EQ(result, CLocalFindDlg::kExtractButtonId);
    const ExtractConditions& stored = *doc.extractConditions;
    EXPECT_EQ(stored.mode, 1);
    EXPECT_EQ(stored.anyMatch, 1);
    EXPECT_TRUE(stored.columns[3].useFrom);
    EXPECT_EQ(stored.columns[3].toValue.number.GetValue().GetUnits(), 1000 * 10000);
    EXPECT_FALSE(stored.columns[1].useFrom) << "the Yes/No column was left in the third state";
}

TEST_F(ShellDialogsWindowTest, SortDetailMovesAKeyUpAndWritesItOnSet)
{
    CZantobyDoc& doc = OpenList();
    const int second = doc.sortKeys[1].column;
    CSortKeyEditor editor(doc);
    CSortDetailDlg dialog(App().GetMainFrame(), editor);
    const int result = RunModal(dialog, [&] {
        CSortKeyGrid& grid = dialog.GetGrid();
        grid.MoveToCell(1, 0);
        dialog.Move(true);
        EXPECT_EQ(grid.CurrentRow(), 0) << "the top row does not move up";
        grid.MoveToCell(1, 1);
        dialog.Move(true);
        EXPECT_EQ(grid.CurrentRow(), 0);
        EXPECT_EQ(grid.GetCellText(1, 0), editor.NameText(0));
        EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(dialog, "sort-detail").IsEmpty());
        wxCommandEvent press(wxEVT_BUTTON, CSortDetailDlg::kApplyId);
        dialog.ProcessWindowEvent(press);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(doc.sortKeys[0].column, second);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ShellDialogsWindowTest, OpenListPaneShowsTheListUnderTheCursorOnceTheSelectionSettles)
{
    wxDialog host(App().GetMainFrame(), wxID_ANY, ToWx("リストを開く"), wxDefaultPosition, wxSize(580, 170));
    auto* pane = new COpenListPane(&host, [] { return ToWx(ListPath()); });
    host.Show();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([pane] { return !pane->FindWindow(1015)->GetLabel().empty(); }));
    EXPECT_EQ(FromWx(pane->FindWindow(1015)->GetLabel()), "文具の商品");
    EXPECT_EQ(FromWx(pane->FindWindow(1201)->GetLabel()), "8");
    EXPECT_EQ(FromWx(pane->FindWindow(1203)->GetLabel()), "7");
    EXPECT_FALSE(pane->GetPreview().GetPicture().IsEmpty());
    EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(host, "open-list-pane").IsEmpty());
}

TEST_F(ShellDialogsWindowTest, OpenListDialogHoldsThePaneBelowTheFileChooser)
{
    App().Settings().SetListOpenFolder(Scratch().Path());
    COpenListDlg dialog(App().GetMainFrame(), App().Settings());
    bool paneShown = false;
    dialog.CallAfter([&dialog, &paneShown] {
        paneShown = WxTestEnvironment::PumpUntil(
            [&dialog] {
                return dialog.GetExtraControl() != nullptr && dialog.GetExtraControl()->IsShownOnScreen();
            },
            5000);
        dialog.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), wxID_CANCEL);
    EXPECT_TRUE(paneShown);
}

TEST_F(ShellDialogsWindowTest, GlobalExtractFiltersOpenListsAndLeavesListsOpenedLaterWhole)
{
    CZantobyDoc& doc = OpenList();
    App().CallAfter([] {
        CGlobalFindDlg* dialog = ShownDialog<CGlobalFindDlg>();
        ASSERT_NE(dialog, nullptr);
        static_cast<wxComboBox*>(dialog->FindWindow(1106))->SetValue(ToWx("ノート"));
        wxCommandEvent press(wxEVT_BUTTON, CGlobalFindDlg::kExtractId);
        dialog->ProcessWindowEvent(press);
    });
    wxCommandEvent command(wxEVT_MENU, 32871);
    App().ProcessEvent(command);
    ASSERT_EQ(doc.displayCount, 2) << "one matching row and the new-row line";
    EXPECT_EQ(doc.GetCellTextAt(0, 0, kOutputGrid), "ノート 2");
    EXPECT_EQ(App().GetGlobalFindSettings(), nullptr) << "the condition holds only while it is applied";

    const CString other = Scratch() / "other.zbk";
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(other, 3, 0));
    ASSERT_TRUE(App().OpenDocumentFile(other));
    for (wxDocument* opened : App().GetDocManager()->GetDocumentsVector()) {
        if (opened->GetFilename() == ToWx(other)) {
            EXPECT_EQ(wxDynamicCast(opened, CListDocument)->List().displayCount, 4)
                << "a list opened later shows all its rows";
        }
    }
}

TEST_F(ShellDialogsWindowTest, TutorialThatCannotStartIsAWarningWithTheReason)
{
    // No viewer stands beside the test program, and none runs in this test's runtime folder.
    const CString run = Scratch() / "run";
    std::filesystem::create_directories(FileSystem::ToNative(run));
    std::filesystem::permissions(FileSystem::ToNative(run), std::filesystem::perms::owner_all);
    const char* outer = std::getenv("XDG_RUNTIME_DIR");
    const std::string outerRun = outer != nullptr ? outer : "";
    setenv("XDG_RUNTIME_DIR", run.GetString(), 1);
    std::vector<CString> shown;
    const MessageBoxHandler previous =
        SetMessageBoxHandler([&shown](const CString& text, const CString&, unsigned) {
            shown.push_back(text);
            return IDOK;
        });
    App().ShowTutorial(0);
    SetMessageBoxHandler(previous);
    if (outer != nullptr) {
        setenv("XDG_RUNTIME_DIR", outerRun.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Find("[チュートリアル]を開くことができませんでした\n\n原因\n"), 0)
        << shown[0].GetString();
}

TEST_F(ShellDialogsWindowTest, TheFirstClickIntoAListOpenedFromTheNavigatorMovesTheCurrentCell)
{
    const CString path = Scratch() / "opened.zbk";
    FakeListHost host;
    ASSERT_TRUE(CSampleListMaker(host).Make(path, 8, 0));
    App().AddToRecentFileList(path);
    // The most recent list is the navigator's first.
    CListDocument* opened = OpenFirstNavigatorEntry("開く(&O)...", path);
    ASSERT_NE(opened, nullptr);
    auto* view = dynamic_cast<CGridView*>(opened->GetFirstView());
    CListGrid& grid = *view->Grid();

    // The press comes while another window still has the keyboard; the main window gets it only
    // after the click, as a desktop gives it a moment later.
    auto* other = new wxFrame(nullptr, wxID_ANY, "other", wxPoint(0, 0), wxSize(120, 80));
    other->Show();
    ASSERT_TRUE(UserInput::Activate(*other));
    CRect cell;
    grid.GetCellRect(2, 3, cell);
    FakeInput::MoveTo(grid.CellArea()->ClientToScreen(wxPoint(cell.left + 4, cell.top + 4)));
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    UserInput::Settle();
    other->Destroy();
    ASSERT_TRUE(UserInput::Activate(*App().GetMainFrame()));
    WxTestEnvironment::PumpFor(100);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.CurrentRow(), 3);

    opened->Modify(false);
    App().GetDocManager()->CloseDocument(opened, true);
}

TEST_F(ShellDialogsWindowTest, TheSampleListKeepsTheWebFolderOfItsOwn)
{
    App().SetResourceFolder(ZANTOBY_RESOURCES);
    const CString path = CSampleCopy::GetUserFolder() + "/sample.zbk";
    // The samples' navigator opens on the user's copy of the sample list.
    CListDocument* sample = OpenFirstNavigatorEntry("ｻﾝﾌﾟﾙを開く(&E)...", path);
    ASSERT_NE(sample, nullptr);
    EXPECT_TRUE(sample->List().sample);

    // Its Web output goes to the sample's own folder: the dialog does not let it change.
    auto* frame = dynamic_cast<wxFrame*>(sample->GetFirstView()->GetFrame());
    auto folderEnabled = std::make_shared<int>(-1);
    UserInput::AnswerNextModal([folderEnabled](wxWindow* dialog) {
        wxWindow* folder = dialog->FindWindow(1000);
        *folderEnabled = folder != nullptr ? folder->IsEnabled() : -1;
        UserInput::Press(WXK_ESCAPE);
    });
    ASSERT_TRUE(UserInput::ChooseMenu(*frame, {"ﾂｰﾙ(&T)", "Webﾌｧｲﾙ作成(&M)"}));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(*folderEnabled, 0) << "the output folder can be changed";

    sample->Modify(false);
    App().GetDocManager()->CloseDocument(sample, true);
}
