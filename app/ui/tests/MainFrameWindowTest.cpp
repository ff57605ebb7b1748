#include "app/ColorPalette.h"
#include "app/PrintCommands.h"
#include "app/ui/ColorPaletteDlg.h"
#include "app/ui/ColorSwatch.h"
#include "app/ui/FormatBar.h"
#include "app/ui/MainFrame.h"
#include "app/ui/MenuBuilder.h"
#include "app/ui/ResourceBitmaps.h"
#include "app/ui/ZantobyApp.h"
#include "app/ui/ZantobyDocManager.h"
#include "foundation/AppBase.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "res/images/ToolbarArt.h"
#include "support/ProgramStart.h"

#include <gtest/gtest.h>

#include <wx/docview.h>
#include <wx/init.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include <filesystem>
#include <vector>

namespace {

constexpr int ID_FILE_PRINT_MODE_BUTTON = 33064;

// A document and view without windows, so that the frame has documents to count.
class TestDocument : public wxDocument
{
    wxDECLARE_DYNAMIC_CLASS(TestDocument);
};
wxIMPLEMENT_DYNAMIC_CLASS(TestDocument, wxDocument);

class TestView : public wxView
{
  public:
    void OnDraw(wxDC*) override {}
    wxDECLARE_DYNAMIC_CLASS(TestView);
};
wxIMPLEMENT_DYNAMIC_CLASS(TestView, wxView);

// Records the boxes shown and answers each with the chosen button.
struct BoxRecorder
{
    BoxRecorder()
    {
        SetMessageBoxHandler([this](const CString& text, const CString& caption, unsigned) {
            boxes.push_back(caption + "|" + text);
            return answer;
        });
    }
    std::vector<CString> boxes;
    int answer = IDOK;
};

// The program started once for every test of this file, as a user starts it: splash, then the
// main window, with its settings in a scratch folder.
CZantobyApp& App()
{
    static ScratchFolder scratch;
    return StartProgram({});
}

CMainFrame& Frame()
{
    return *App().GetMainFrame();
}

bool SameBitmap(const wxBitmap& a, const wxBitmap& b)
{
    const wxImage x = a.ConvertToImage();
    const wxImage y = b.ConvertToImage();
    return x.GetSize() == y.GetSize() &&
           std::equal(x.GetData(), x.GetData() + x.GetWidth() * x.GetHeight() * 3, y.GetData());
}

wxBitmap ToolBitmap(wxAuiToolBar& bar, int id)
{
    return bar.FindTool(id)->GetBitmapFor(&bar);
}

wxBitmap MainImage(int index)
{
    return CResourceBitmaps::GetToolbarImage(CToolbarArt::kMainBar, index);
}

void SendCommand(wxWindow& window, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(&window);
    window.GetEventHandler()->ProcessEvent(command);
}

std::vector<int> ItemIds(const wxMenu& menu)
{
    std::vector<int> ids;
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        ids.push_back(item->IsSeparator() ? 0 : item->GetId());
    }
    return ids;
}

} // namespace

TEST(MainFrameWindowTest, MainWindowShowsItsTitleMenusToolbarsAndStatusPanes)
{
    CMainFrame& frame = Frame();
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return frame.IsShown(); }));
    EXPECT_EQ(FromWx(frame.GetTitle()), "Zantoby 2.108.0");

    wxMenuBar* menus = frame.GetMenuBar();
    ASSERT_NE(menus, nullptr);
    ASSERT_EQ(menus->GetMenuCount(), 4u);
    EXPECT_EQ(FromWx(menus->GetMenuLabel(0)), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(FromWx(menus->GetMenuLabel(3)), "ﾍﾙﾌﾟ(&H)");
    EXPECT_NE(menus->FindItem(32771), nullptr);

    // At the start the list toolbar shows with the print button of the last print mode.
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kMainBar));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kOpenBar));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kEditorBar));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kFormatBar));
    wxAuiToolBar* main = frame.GetToolbar(CToolbarChoice::kMainBar);
    EXPECT_EQ(main->GetToolCount(), 36);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, ID_FILE_PRINT_MODE_BUTTON), MainImage(9)));
    EXPECT_EQ(FromWx(main->GetToolShortHelp(57603)), "上書き保存");

    wxStatusBar* status = frame.GetStatusBar();
    ASSERT_EQ(status->GetFieldsCount(), CMainFrame::kStatusPanes);
    App().ShowRowPosition(0, 5);
    App().SetProgressText("12行目を読込中");
    EXPECT_EQ(FromWx(status->GetStatusText(1)), "   1 /    5");
    EXPECT_EQ(FromWx(status->GetStatusText(0)), "12行目を読込中");

    // A menu prompt gives way to the progress text when the menu closes.
    status->SetStatusText("prompt", 0);
    wxMenuEvent closed(wxEVT_MENU_CLOSE, 0, menus->GetMenu(0));
    frame.GetEventHandler()->ProcessEvent(closed);
    EXPECT_EQ(FromWx(status->GetStatusText(0)), "12行目を読込中");

    const CString shot = WxTestEnvironment::SaveScreenshot(frame, "main-frame");
    EXPECT_FALSE(shot.IsEmpty());
    App().ClearProgressText();
    App().ShowRowPosition(-1, 0);
    EXPECT_EQ(FromWx(status->GetStatusText(0)), "");
    EXPECT_EQ(FromWx(status->GetStatusText(1)), "");
}

TEST(MainFrameWindowTest, ButtonImagesFollowPrintModeAndGridColours)
{
    CMainFrame& frame = Frame();
    wxAuiToolBar* main = frame.GetToolbar(CToolbarChoice::kMainBar);
    App().SetPrintMode(ID_FILE_PRINT_SHEET);
    EXPECT_EQ(App().GetPrintMode(), ID_FILE_PRINT_SHEET);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, ID_FILE_PRINT_MODE_BUTTON), MainImage(8)));

    App().SetGridTextColor(kDefaultColor);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, 32895), MainImage(27)));
    App().SetGridTextColor(0x0000FF);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, 32895), MainImage(28)));
    App().SetGridBackColor(kDefaultColor);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, 32894), MainImage(42)));
    App().SetGridBackColor(0x000000);
    EXPECT_TRUE(SameBitmap(ToolBitmap(*main, 32894), MainImage(35)));
    EXPECT_EQ(App().GetGridBackColor(), 0x000000u);
    App().SetPrintMode(ID_FILE_PREVIEW_LIST);
}

TEST(MainFrameWindowTest, EachKindOfWindowShowsItsToolbars)
{
    CMainFrame& frame = Frame();
    App().RefreshListFrames(CToolbarChoice::kPhotoEditor);
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kEditorBar));
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kFormatBar));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kMainBar));
    WxTestEnvironment::SaveScreenshot(frame, "main-frame-photo-editor-bars");

    // No document open: the open toolbar alone.
    App().RefreshListFrames(CToolbarChoice::kNoDocument);
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kOpenBar));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kEditorBar));

    // The list toolbar switched off by the user stays hidden for lists.
    App().SetListToolbarOn(false);
    EXPECT_FALSE(App().IsListToolbarOn());
    App().RefreshListFrames(CToolbarChoice::kList);
    for (int bar = 0; bar < CToolbarChoice::kBarCount; ++bar) {
        EXPECT_FALSE(frame.IsToolbarShown(static_cast<CToolbarChoice::Bar>(bar))) << bar;
    }
    App().SetListToolbarOn(true);
    App().RefreshListFrames(CToolbarChoice::kList);
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kMainBar));

    // The view menu's toolbar command of the main window switches the open toolbar.
    App().RefreshListFrames(CToolbarChoice::kNoDocument);
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "ﾂｰﾙ ﾊﾞｰ(&T)"}));
    EXPECT_FALSE(frame.IsToolbarShown(CToolbarChoice::kOpenBar));
    EXPECT_FALSE(frame.GetMenuBar()->IsChecked(59392));
    ASSERT_TRUE(UserInput::ChooseMenu(frame, {"表示(&V)", "ﾂｰﾙ ﾊﾞｰ(&T)"}));
    EXPECT_TRUE(frame.IsToolbarShown(CToolbarChoice::kOpenBar));
    EXPECT_TRUE(frame.GetMenuBar()->IsChecked(59392));

    // The list toolbar shown with no list open offers nothing to press but its open and help
    // buttons.
    App().RefreshListFrames(CToolbarChoice::kList);
    wxAuiToolBar* main = frame.GetToolbar(CToolbarChoice::kMainBar);
    for (int id : {57603, 57635, 57643, 33064, 32803, 32780, 32776, 32876}) {
        EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return !main->GetToolEnabled(id); })) << id;
    }
    EXPECT_TRUE(main->GetToolEnabled(57601));
    EXPECT_TRUE(main->GetToolEnabled(32772));
}

TEST(MainFrameWindowTest, WidthMenuSetsTheBorderWidthAndItsSwatch)
{
    CMainFrame& frame = Frame();
    // The format bar's width swatch drops its menu down, as in the photo editor.
    App().RefreshListFrames(CToolbarChoice::kPhotoEditor);
    CColorSwatch* swatch = frame.GetFormatBar()->GetSwatch(33010);
    ASSERT_NE(swatch, nullptr);
    ASSERT_TRUE(WxTestEnvironment::PumpUntil([&] { return swatch->IsShownOnScreen(); }));
    WxTestEnvironment::PumpFor(300);
    UserInput::ChooseInNextPopup({"5ﾄﾞｯﾄ"});
    UserInput::Click(*swatch, wxPoint(swatch->GetClientSize().x / 2, swatch->GetClientSize().y / 2));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(App().GetDrawingDefaults().borderWidth, 5);
    EXPECT_TRUE(SameBitmap(swatch->GetPicture(), CResourceBitmaps::GetBitmap(340)));

    wxMenu* menu = frame.CreateWidthMenu();
    EXPECT_EQ(ItemIds(*menu),
              (std::vector<int>{33015, 0, 33016, 33017, 33018, 33019, 33020, 33021, 33022, 33023}));
    EXPECT_TRUE(menu->IsChecked(33020));
    EXPECT_FALSE(menu->IsChecked(33016));
    EXPECT_EQ(FromWx(menu->GetLabel(33015)), "線なし");
    EXPECT_EQ(FromWx(menu->GetLabel(33023)), "8ﾄﾞｯﾄ");
    delete menu;

    UserInput::ChooseInNextPopup({"線なし"});
    UserInput::Click(*swatch, wxPoint(swatch->GetClientSize().x / 2, swatch->GetClientSize().y / 2));
    ASSERT_TRUE(UserInput::Finish());
    EXPECT_EQ(App().GetDrawingDefaults().borderWidth, 0);
    EXPECT_TRUE(SameBitmap(swatch->GetPicture(), CResourceBitmaps::GetBitmap(335)));
    SendCommand(frame, 33016);
    App().RefreshListFrames(CToolbarChoice::kList);
}

TEST(MainFrameWindowTest, PaletteMarksTheCurrentColourAndSetsTheDrawingColour)
{
    CMainFrame& frame = Frame();
    CColorPaletteDlg& palette = frame.GetPalette();
    CColorSwatch* fill = frame.GetFormatBar()->GetSwatch(33012);

    // The fill colour starts white: its cell carries a black mark, every other cell none.
    ASSERT_EQ(App().GetDrawingDefaults().fillColor, 0xFFFFFFu);
    SendCommand(frame, 33012);
    ASSERT_TRUE(palette.IsShown());
    EXPECT_EQ(FromWx(palette.GetTitle()), "背景の色");
    wxWindow* white = palette.FindWindow(1214);
    EXPECT_EQ(FromWx(white->GetLabel()), "*");
    EXPECT_EQ(white->GetForegroundColour(), *wxBLACK);
    EXPECT_EQ(white->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(FromWx(white->GetToolTipText()), "R:FF, G:FF, B:FF");
    EXPECT_EQ(FromWx(palette.FindWindow(1242)->GetLabel()), "");
    WxTestEnvironment::SaveScreenshot(palette, "colour-palette");

    // Choosing black sets the fill colour and its swatch and hides the palette.
    SendCommand(palette, 1242);
    EXPECT_FALSE(palette.IsShown());
    EXPECT_EQ(App().GetDrawingDefaults().fillColor, 0x000000u);
    EXPECT_EQ(fill->GetColor(), 0x000000u);

    // Opened again, black carries a white mark.
    SendCommand(frame, 33012);
    EXPECT_EQ(FromWx(palette.FindWindow(1242)->GetLabel()), "*");
    EXPECT_EQ(palette.FindWindow(1242)->GetForegroundColour(), *wxWHITE);
    EXPECT_EQ(FromWx(white->GetLabel()), "");
    palette.Hide();

    // The shadow starts without colour: no mark; transparent keeps it so and shows the pattern.
    CColorSwatch* shadow = frame.GetFormatBar()->GetSwatch(33014);
    EXPECT_TRUE(shadow->ShowsPicture());
    SendCommand(frame, 33014);
    for (int index = 0; index < CColorPalette::kCellCount; ++index) {
        EXPECT_EQ(FromWx(palette.FindWindow(1214 + index)->GetLabel()), "") << index;
    }
    wxCommandEvent transparent(wxEVT_BUTTON, CColorPalette::IDC_TRANSPARENT);
    palette.GetEventHandler()->ProcessEvent(transparent);
    EXPECT_EQ(App().GetDrawingDefaults().shadowColor, kDefaultColor);
    EXPECT_TRUE(shadow->ShowsPicture());
    SendCommand(frame, 33012);
    SendCommand(palette, 1214);
}

TEST(MainFrameWindowTest, PaletteOfAnotherOwnerTellsItsParent)
{
    wxWindow owner(&Frame(), wxID_ANY);
    CColorPaletteDlg palette(&owner);
    palette.SetTransparentLabel("標準(&T)");
    int told = 0;
    owner.Bind(
        wxEVT_MENU, [&](wxCommandEvent& event) { told = event.GetId(); }, 34000);
    palette.ShowFor(CColorPaletteDlg::kTellOwner, 34000, 0x00FF00, 10, 10);
    EXPECT_EQ(FromWx(palette.GetTitle()), "先頭行の文字色");
    EXPECT_EQ(FromWx(palette.FindWindow(CColorPalette::IDC_TRANSPARENT)->GetLabel()), "標準(&T)");
    EXPECT_EQ(FromWx(palette.FindWindow(1230)->GetLabel()), "*");
    const DrawingDefaults before = App().GetDrawingDefaults();
    SendCommand(palette, 1229);
    EXPECT_EQ(told, 34000);
    EXPECT_EQ(palette.GetColor(), 0x0000FFu);
    EXPECT_EQ(App().GetDrawingDefaults().textColor, before.textColor);
}

TEST(MainFrameWindowTest, DropDownsOfferRecentListsPrintModesAndColours)
{
    CMainFrame& frame = Frame();
    EXPECT_EQ(frame.CreateDropDownMenu(57601), nullptr);

    // The list document reports each list it opens or saves.
    App().AddToRecentFileList("/home/user/documents/lists/春の商品.zbk");
    App().GetDocManager()->AddFileToHistory(ToWx("/l/a&b.zbk"));
    wxMenu* recent = frame.CreateDropDownMenu(57601);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(ItemIds(*recent), (std::vector<int>{57616, 57617}));
    EXPECT_EQ(FromWx(recent->GetLabel(57617)), "/.../lists/春の商品.zbk");
    delete recent;
    // The file menu shows them numbered at its recent-file place.
    wxMenu* file = CMenuBuilder::FindRecentFileMenu(*frame.GetMenuBar());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(FromWx(file->GetLabel(57616)), "&1 /l/a&&b.zbk");
    EXPECT_EQ(FromWx(file->GetLabelText(57617)), "2 /.../lists/春の商品.zbk");
    EXPECT_TRUE(file->IsEnabled(57616));

    wxMenu* print = frame.CreateDropDownMenu(33064);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(ItemIds(*print), (std::vector<int>{33067, 33068, 33065, 33066, 0, 57605}));
    EXPECT_EQ(FromWx(print->GetLabel(33068)), "単票印刷(&2)...");
    delete print;

    wxMenu* text = frame.CreateDropDownMenu(32895);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(ItemIds(*text),
              (std::vector<int>{32912, 0, 32913, 32914, 32915, 32916, 32917, 32918, 32919, 32920}));
    EXPECT_EQ(FromWx(text->GetLabel(32912)), "標準の文字色");
    EXPECT_TRUE(SameBitmap(text->FindItem(32914)->GetBitmap(), CResourceBitmaps::GetBitmap(327)));
    delete text;
    wxMenu* back = frame.CreateDropDownMenu(32894);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(FromWx(back->GetLabel(32921)), "標準の背景色");
    EXPECT_EQ(back->GetMenuItemCount(), 10u);
    delete back;

    // A list that no longer opens leaves the recent-file list, once its failure is told.
    BoxRecorder boxes;
    App().OpenRecentFile(0);
    EXPECT_FALSE(boxes.boxes.empty());
    EXPECT_EQ(App().GetRecentFiles().GetCount(), 1);
    EXPECT_EQ(App().GetRecentFiles().GetPath(0), "/home/user/documents/lists/春の商品.zbk");
}

TEST(MainFrameWindowTest, ClosingSeveralListsAsksFirstAndClosingSavesThePlacement)
{
    CMainFrame& frame = Frame();
    wxDocManager& manager = *App().GetDocManager();
    // Made by their own template: the manager would ask which kind of document to make.
    auto* kind = new wxDocTemplate(&manager, "test", "*.tst", "", "tst", "Test Doc", "Test View",
                                   CLASSINFO(TestDocument), CLASSINFO(TestView));
    wxDocument* first = kind->CreateDocument("", wxDOC_NEW);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(kind->CreateDocument("", wxDOC_NEW), nullptr);

    BoxRecorder boxes;
    boxes.answer = IDCANCEL;
    EXPECT_FALSE(frame.Close());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0],
              "Zantoby v2.108.0 : MSG=20000|現在、複数のｳｨﾝﾄﾞｳを開いていますが\n全て閉じますか");
    EXPECT_EQ(manager.GetDocumentsVector().size(), 2u);
    EXPECT_EQ(App().Settings().GetMainFrameRect(), CRect(0, 0, 800, 600));
    EXPECT_TRUE(App().Core().GetProfileString("MainFrame", "Left", "none") == "none");

    // With one list left the window closes without asking and keeps its placement.
    first->DeleteAllViews();
    frame.SetSize(40, 30, 700, 500);
    WxTestEnvironment::PumpFor(200);
    const wxRect placed = frame.GetRect();
    EXPECT_TRUE(frame.Close());
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(App().Settings().GetMainFrameRect(),
              CRect(placed.x, placed.y, placed.x + placed.width, placed.y + placed.height));
    EXPECT_EQ(App().Core().GetProfileInt("MainFrame", "Show", 0), 1);
    EXPECT_TRUE(manager.GetDocumentsVector().empty());
}

TEST(MainFrameWindowTest, AWxAssertionGoesToTheErrorLogAndTheProgramGoesOn)
{
    App();
    // What wx's own handler does when no test stands in the way: the application answers.
    const wxAssertHandler_t test =
        wxSetAssertHandler([](const wxString& file, int line, const wxString& function,
                              const wxString& condition, const wxString& message) {
            wxTheApp->OnAssertFailure(file.wc_str(), line, function.wc_str(), condition.wc_str(),
                                      message.wc_str());
        });
    wxFAIL_MSG("checked on purpose");
    wxSetAssertHandler(test);

    std::string logs;
    for (const auto& entry :
         std::filesystem::directory_iterator(FileSystem::ToNative(CAppBase::GetErrorFolder()))) {
        logs += ScratchFolder::ReadBytes(FileSystem::FromNative(entry.path()));
    }
    EXPECT_NE(logs.find("checked on purpose"), std::string::npos);
    EXPECT_NE(logs.find("file=MainFrameWindowTest.cpp"), std::string::npos);
}
