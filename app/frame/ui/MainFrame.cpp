#include "app/frame/ui/MainFrame.h"

#include "app/frame/ToolbarImages.h"
#include "app/frame/ui/FormatBar.h"
#include "app/frame/ui/StatusBar.h"
#include "app/printing/PrintCommands.h"
#include "app/settings/VersionInfo.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/ui/DocumentLookup.h"
#include "platform/MessageBox.h"
#include "platform/ShowCommands.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"
#include "res/images/BitmapArt.h"
#include "res/images/ToolbarArt.h"
#include "shell/ui/ColorPaletteDlg.h"
#include "shell/ui/ColorSwatch.h"
#include "shell/ui/MenuBuilder.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

namespace {

constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PAGE_SETUP = 57605;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_INDEX = 32772;
constexpr int ID_FILE_PRINT_MODE = 33064;
constexpr int ID_TEXT_COLOR = 32895;
constexpr int ID_BACK_COLOR = 32894;
constexpr int ID_TEXT_COLOR_DEFAULT = 32912;
constexpr int ID_BACK_COLOR_DEFAULT = 32921;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_BORDER_NONE = 33015;
constexpr int ID_BORDER_LAST = ID_BORDER_NONE + DrawingDefaults::kMaxBorderWidth;

// A toolbar button: its command and image; command 0 is a separator.
struct Button
{
    int id;
    int image;
};

constexpr Button kOpenButtons[] = {{ID_FILE_OPEN, 0}, {0, 0}, {ID_HELP_INDEX, 1}};

constexpr Button kMainButtons[] = {{ID_FILE_OPEN, 0},
                                   {ID_FILE_SAVE, 1},
                                   {0, 7},
                                   {57635, 2},
                                   {57634, 3},
                                   {57637, 4},
                                   {0, 7},
                                   {57643, 5},
                                   {57644, 6},
                                   {0, 7},
                                   {ID_FILE_PRINT_MODE, 9},
                                   {0, 7},
                                   {32803, 11},
                                   {32804, 12},
                                   {0, 7},
                                   {ID_TEXT_COLOR, 27},
                                   {ID_BACK_COLOR, 42},
                                   {0, 7},
                                   {32780, 13},
                                   {57636, 14},
                                   {0, 7},
                                   {32774, 15},
                                   {32776, 16},
                                   {32777, 17},
                                   {0, 7},
                                   {32891, 18},
                                   {32866, 19},
                                   {32892, 20},
                                   {32873, 21},
                                   {33073, 22},
                                   {33074, 23},
                                   {32877, 24},
                                   {0, 7},
                                   {32876, 25},
                                   {0, 7},
                                   {ID_HELP_INDEX, 26}};

constexpr Button kEditorButtons[] = {{ID_FILE_OPEN, 0},
                                     {ID_FILE_SAVE, 1},
                                     {0, 0},
                                     {57635, 2},
                                     {57634, 3},
                                     {57637, 4},
                                     {0, 0},
                                     {57643, 5},
                                     {57644, 6},
                                     {0, 0},
                                     {33004, 7},
                                     {32969, 8},
                                     {0, 0},
                                     {33007, 9},
                                     {33008, 10},
                                     {0, 0},
                                     {32972, 11},
                                     {32973, 12},
                                     {32974, 13},
                                     {32975, 14},
                                     {0, 0},
                                     {33009, 15},
                                     {32980, 16},
                                     {32979, 17},
                                     {32981, 18},
                                     {0, 0},
                                     {33005, 19},
                                     {33006, 20},
                                     {0, 0},
                                     {32982, 21},
                                     {0, 0},
                                     {ID_HELP_INDEX, 22}};

// The toolbars in the order of CToolbarChoice's flags, by resource id.
constexpr int kBarIds[CToolbarChoice::kBarCount] = {CToolbarArt::kOpenBar, CToolbarArt::kMainBar,
                                                    CToolbarArt::kEditorBar, CToolbarArt::kFormatBar};

// Status panes after the message pane: position, zoom and the four lock keys, each sized by
// the text it shows at its widest.
constexpr const char* kPaneSizers[CMainFrame::kStatusPanes - 1] = {"10000 / 10000", "100 %", "ｶﾅ",
                                                                   "CAP",           "NUM",   "SCRL"};

wxString PaneName(int barId)
{
    return wxString::Format("toolbar%d", barId);
}

void AddButtons(wxAuiToolBar& bar, int barId, const Button* buttons, size_t count)
{
    for (size_t index = 0; index < count; ++index) {
        const Button& button = buttons[index];
        if (button.id == 0) {
            bar.AddSeparator();
            continue;
        }
        const wxString tip = ToWx(CMenuTables::GetToolTip(button.id));
        bar.AddTool(button.id, tip, CResourceBitmaps::GetToolbarImage(barId, button.image), tip);
    }
}

} // namespace

CMainFrame::CMainFrame(wxDocManager* manager)
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, wxString(), wxDefaultPosition, wxSize(800, 600),
                          wxDEFAULT_FRAME_STYLE)
{
    CString title;
    title.Format("%s %s", kProductName, wxGetApp().GetVersionString().GetString());
    SetTitle(ToWx(title));
    SetIcons(CResourceBitmaps::GetProgramIcons());

    wxMenuBar* menus = CMenuBuilder::CreateMenuBar(IDR_MAINFRAME);
    SetMenuBar(menus);
    manager->FileHistoryUseMenu(CMenuBuilder::FindRecentFileMenu(*menus));

    m_aui.SetManagedWindow(this);
    CreateToolbars();
    m_aui.AddPane(GetClientWindow(), wxAuiPaneInfo().Name("documents").CenterPane());
    m_aui.Update();
    CreateStatusPanes();

    // GTK's MDI puts up a new window's menus only on the idle pass after the one that makes it
    // current, and nothing may come to start that pass: the old menus would stay until input.
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        const wxMDIChildFrame* child = GetActiveChild();
        if (child != nullptr && child->GetMenuBar() != nullptr && !child->GetMenuBar()->IsShown()) {
            event.RequestMore();
        }
    });

    m_palette = new CColorPaletteDlg(this);
    m_palette->SetDrawingColorSetter(
        [](int target, COLORREF color) { wxGetApp().SetDrawingColor(target, color); });

    m_normalRect = GetRect();

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_AUITOOLBAR_TOOL_DROPDOWN, &CMainFrame::OnToolDropDown, this);
    Bind(wxEVT_MENU, &CMainFrame::OnWidthSwatch, this, IDC_BORDER_WIDTH);
    Bind(wxEVT_MENU, &CMainFrame::OnColorSwatch, this, IDC_BORDER_COLOR, IDC_SHADOW_COLOR);
    Bind(wxEVT_MENU, &CMainFrame::OnBorderWidth, this, ID_BORDER_NONE, ID_BORDER_LAST);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateBorderWidth, this, ID_BORDER_NONE, ID_BORDER_LAST);
    Bind(wxEVT_MENU, &CMainFrame::OnRecentFile, this, ID_FILE_MRU_FILE1,
         ID_FILE_MRU_FILE1 + kRecentFileCount - 1);
    Bind(wxEVT_MENU, &CMainFrame::OnFileCommand, this, ID_FILE_CLOSE, ID_FILE_SAVE_AS);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateFileCommand, this, ID_FILE_CLOSE, ID_FILE_SAVE_AS);
    // The print button's key, for the list shown; no menu item carries it.
    wxAcceleratorEntry print(wxACCEL_CTRL, 'P', ID_FILE_PRINT_MODE);
    SetAcceleratorTable(wxAcceleratorTable(1, &print));
    // The list toolbar's commands belong to a list; with none open, nothing answers for them.
    for (const Button& button : kMainButtons) {
        if (button.id != 0 && button.id != ID_FILE_OPEN && button.id != ID_HELP_INDEX &&
            (button.id < ID_FILE_CLOSE || button.id > ID_FILE_SAVE_AS)) {
            Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateFileCommand, this, button.id);
        }
    }
    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, ID_APP_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnViewToolbar, this, ID_VIEW_TOOLBAR);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateViewToolbar, this, ID_VIEW_TOOLBAR);
    Bind(wxEVT_MENU, &CMainFrame::OnViewStatusBar, this, ID_VIEW_STATUS_BAR);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateViewStatusBar, this, ID_VIEW_STATUS_BAR);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    // The frame's size events end in the layout manager, which keeps the MDI client from seeing
    // them; it hears them first.
    m_aui.Bind(wxEVT_SIZE, &CMainFrame::OnPlacementChanged, this);
    Bind(wxEVT_MOVE, &CMainFrame::OnPlacementChanged, this);
    Bind(wxEVT_ICONIZE, &CMainFrame::OnIconize, this);
}

CMainFrame::~CMainFrame()
{
    m_aui.UnInit();
    if (GetDocumentManager() != nullptr) {
        if (wxMenuBar* menus = GetMenuBar()) {
            GetDocumentManager()->FileHistoryRemoveMenu(CMenuBuilder::FindRecentFileMenu(*menus));
        }
    }
}

wxAuiToolBar* CMainFrame::NewToolbar(int id)
{
    return new wxAuiToolBar(this, id, wxDefaultPosition, wxDefaultSize,
                            wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_GRIPPER);
}

void CMainFrame::CreateToolbars()
{
    m_bars[CToolbarChoice::kOpenBar] = NewToolbar(CToolbarArt::kOpenBar);
    AddButtons(*m_bars[CToolbarChoice::kOpenBar], CToolbarArt::kOpenBar, kOpenButtons,
               std::size(kOpenButtons));
    m_bars[CToolbarChoice::kOpenBar]->SetToolDropDown(ID_FILE_OPEN, true);

    wxAuiToolBar* main = NewToolbar(CToolbarArt::kMainBar);
    m_bars[CToolbarChoice::kMainBar] = main;
    AddButtons(*main, CToolbarArt::kMainBar, kMainButtons, std::size(kMainButtons));
    for (int id : {ID_FILE_OPEN, ID_FILE_PRINT_MODE, ID_TEXT_COLOR, ID_BACK_COLOR}) {
        main->SetToolDropDown(id, true);
    }

    m_bars[CToolbarChoice::kEditorBar] = NewToolbar(CToolbarArt::kEditorBar);
    AddButtons(*m_bars[CToolbarChoice::kEditorBar], CToolbarArt::kEditorBar, kEditorButtons,
               std::size(kEditorButtons));
    m_bars[CToolbarChoice::kEditorBar]->SetToolDropDown(ID_FILE_OPEN, true);

    m_bars[CToolbarChoice::kFormatBar] = new CFormatBar(this, CToolbarArt::kFormatBar);

    for (int bar = 0; bar < CToolbarChoice::kBarCount; ++bar) {
        m_bars[bar]->Realize();
        // The editor toolbar and the format toolbar share the second row.
        m_aui.AddPane(m_bars[bar], wxAuiPaneInfo()
                                       .Name(PaneName(kBarIds[bar]))
                                       .ToolbarPane()
                                       .Top()
                                       .Row(bar == CToolbarChoice::kFormatBar ? 1 : 0)
                                       .Show(bar == CToolbarChoice::kMainBar));
    }
    SetPrintButtonImage(wxGetApp().GetPrintMode());
}

void CMainFrame::CreateStatusPanes()
{
    wxStatusBar* bar = CreateStatusBar(kStatusPanes);
    int widths[kStatusPanes] = {-1};
    int styles[kStatusPanes] = {wxSB_FLAT};
    for (int pane = 1; pane < kStatusPanes; ++pane) {
        widths[pane] = bar->GetTextExtent(ToWx(kPaneSizers[pane - 1])).x + 12;
        styles[pane] = wxSB_SUNKEN;
    }
    bar->SetStatusWidths(kStatusPanes, widths);
    bar->SetStatusStyles(kStatusPanes, styles);
}

CFormatBar* CMainFrame::GetFormatBar() const
{
    return static_cast<CFormatBar*>(m_bars[CToolbarChoice::kFormatBar]);
}

wxStatusBar* CMainFrame::OnCreateStatusBar(int number, long style, wxWindowID id, const wxString& name)
{
    auto* bar = new CStatusBar(this, id, style, name);
    bar->SetFieldsCount(number);
    return bar;
}

void CMainFrame::SetPaneText(int pane, const CString& text)
{
    if (wxStatusBar* bar = GetStatusBar()) {
        bar->SetStatusText(ToWx(text), pane);
    }
}

void CMainFrame::DrawPanesNow()
{
    if (wxStatusBar* bar = GetStatusBar()) {
        // Drawing the bar draws the whole window, where a list's window may just have been added.
        GtkGlue::LayOutPending(*this);
        bar->Update();
    }
}

void CMainFrame::DoGiveHelp(const wxString& text, bool show)
{
    wxDocMDIParentFrame::DoGiveHelp(text, show);
    if (!show && GetStatusBar() != nullptr) {
        GetStatusBar()->SetStatusText(ToWx(m_progressText), 0);
    }
}

void CMainFrame::SetPrintButtonImage(int printCommand)
{
    wxAuiToolBar* main = m_bars[CToolbarChoice::kMainBar];
    main->SetToolBitmap(ID_FILE_PRINT_MODE,
                        CResourceBitmaps::GetToolbarImage(CToolbarArt::kMainBar,
                                                          CToolbarImages::GetPrintImage(printCommand)));
    main->Refresh();
}

void CMainFrame::SetTextColorButtonImage(COLORREF color)
{
    wxAuiToolBar* main = m_bars[CToolbarChoice::kMainBar];
    main->SetToolBitmap(ID_TEXT_COLOR, CResourceBitmaps::GetToolbarImage(
                                           CToolbarArt::kMainBar, CToolbarImages::GetTextColorImage(color)));
    main->Refresh();
}

void CMainFrame::SetBackColorButtonImage(COLORREF color)
{
    wxAuiToolBar* main = m_bars[CToolbarChoice::kMainBar];
    main->SetToolBitmap(ID_BACK_COLOR, CResourceBitmaps::GetToolbarImage(
                                           CToolbarArt::kMainBar, CToolbarImages::GetBackColorImage(color)));
    main->Refresh();
}

void CMainFrame::ShowDrawingDefaults(const DrawingDefaults& defaults)
{
    GetFormatBar()->ShowDefaults(defaults);
}

bool CMainFrame::IsToolbarShown(CToolbarChoice::Bar bar)
{
    return m_aui.GetPane(m_bars[bar]).IsShown();
}

void CMainFrame::RefreshListFrames(int kind)
{
    wxWindowUpdateLocker lock(this);
    CToolbarChoice::Visibility current;
    for (int bar = 0; bar < CToolbarChoice::kBarCount; ++bar) {
        current[bar] = IsToolbarShown(static_cast<CToolbarChoice::Bar>(bar));
    }
    bool listOpen = false;
    for (wxDocument* document : GetDocumentManager()->GetDocumentsVector()) {
        listOpen = listOpen || document->GetClassInfo()->GetClassName() == wxString("CZantobyDoc");
    }
    const CToolbarChoice::Visibility shown = m_toolbars.Choose(kind, listOpen, current);
    for (int bar = 0; bar < CToolbarChoice::kBarCount; ++bar) {
        m_aui.GetPane(m_bars[bar]).Show(shown[bar]);
    }
    m_aui.Update();
}

wxMenu* CMainFrame::CreateDropDownMenu(int buttonId) const
{
    auto* menu = new wxMenu();
    switch (buttonId) {
    case ID_FILE_OPEN: {
        CRecentFileList& recent = wxGetApp().GetRecentFiles();
        for (int index = 0; index < recent.GetCount(); ++index) {
            wxString name = ToWx(recent.GetDisplayName(index));
            name.Replace("&", "&&");
            menu->Append(ID_FILE_MRU_FILE1 + index, name);
        }
        break;
    }
    case ID_FILE_PRINT_MODE:
        for (int id :
             {ID_FILE_PRINT_LIST, ID_FILE_PRINT_SHEET, ID_FILE_PREVIEW_LIST, ID_FILE_PREVIEW_SHEET}) {
            menu->AppendCheckItem(id, ToWx(CMenuTables::FindCommandText(id)));
        }
        menu->AppendSeparator();
        menu->Append(ID_FILE_PAGE_SETUP, ToWx(CMenuTables::FindCommandText(ID_FILE_PAGE_SETUP)));
        break;
    case ID_TEXT_COLOR:
    case ID_BACK_COLOR: {
        const int first = buttonId == ID_TEXT_COLOR ? ID_TEXT_COLOR_DEFAULT : ID_BACK_COLOR_DEFAULT;
        menu->Append(first, ToWx(buttonId == ID_TEXT_COLOR ? "標準の文字色" : "標準の背景色"));
        menu->AppendSeparator();
        for (int index = 0; index < 8; ++index) {
            const int id = first + 1 + index;
            auto* item = new wxMenuItem(menu, id, ToWx(CMenuTables::FindCommandText(id)));
            item->SetBitmap(CResourceBitmaps::GetBitmap(CBitmapArt::kFirstColorSwatch + index));
            menu->Append(item);
        }
        break;
    }
    default:
        break;
    }
    if (menu->GetMenuItemCount() == 0) {
        delete menu;
        return nullptr;
    }
    return menu;
}

wxMenu* CMainFrame::CreateWidthMenu() const
{
    auto* menu = new wxMenu();
    menu->AppendCheckItem(ID_BORDER_NONE, ToWx("線なし"));
    menu->AppendSeparator();
    for (int width = 1; width <= DrawingDefaults::kMaxBorderWidth; ++width) {
        CString text;
        text.Format("%dﾄﾞｯﾄ", width);
        menu->AppendCheckItem(ID_BORDER_NONE + width, ToWx(text));
    }
    menu->Check(ID_BORDER_NONE + wxGetApp().GetDrawingDefaults().borderWidth, true);
    return menu;
}

void CMainFrame::PopupUnder(wxMenu* menu, wxAuiToolBar* bar, int buttonId)
{
    if (menu == nullptr || bar == nullptr) {
        delete menu;
        return;
    }
    const wxRect button = bar->GetToolRect(buttonId);
    const wxPoint under = bar->ClientToScreen(wxPoint(button.x, button.y + button.height + 1));
    PopupMenu(menu, ScreenToClient(under));
    delete menu;
}

void CMainFrame::OnToolDropDown(wxAuiToolBarEvent& event)
{
    if (!event.IsDropDownClicked()) {
        event.Skip();
        return;
    }
    const int id = event.GetToolId();
    wxAuiToolBar* under = static_cast<wxAuiToolBar*>(event.GetEventObject());
    if (id == ID_FILE_OPEN) {
        // Under the open button of whichever toolbar with one is showing.
        under = nullptr;
        for (CToolbarChoice::Bar bar :
             {CToolbarChoice::kOpenBar, CToolbarChoice::kMainBar, CToolbarChoice::kEditorBar}) {
            if (IsToolbarShown(bar)) {
                under = m_bars[bar];
                break;
            }
        }
    }
    PopupUnder(CreateDropDownMenu(id), under, id);
}

void CMainFrame::OnWidthSwatch(wxCommandEvent&)
{
    CColorSwatch* swatch = GetFormatBar()->GetSwatch(IDC_BORDER_WIDTH);
    const wxRect area = swatch->GetRect();
    wxMenu* menu = CreateWidthMenu();
    const wxPoint under = swatch->GetParent()->ClientToScreen(wxPoint(area.x, area.y + area.height + 1));
    PopupMenu(menu, ScreenToClient(under));
    delete menu;
}

void CMainFrame::OnColorSwatch(wxCommandEvent& event)
{
    CColorSwatch* swatch = GetFormatBar()->GetSwatch(event.GetId());
    const wxRect area = swatch->GetScreenRect();
    m_palette->ShowFor(CColorPaletteDlg::kSetDrawingColor, event.GetId(),
                       wxGetApp().GetDrawingDefaults().GetColor(event.GetId()), area.x, area.y + area.height);
}

void CMainFrame::OnBorderWidth(wxCommandEvent& event)
{
    wxGetApp().SetBorderWidth(event.GetId() - ID_BORDER_NONE);
}

void CMainFrame::OnUpdateBorderWidth(wxUpdateUIEvent& event)
{
    event.Check(event.GetId() - ID_BORDER_NONE == wxGetApp().GetDrawingDefaults().borderWidth);
}

void CMainFrame::OnRecentFile(wxCommandEvent& event)
{
    wxGetApp().OpenRecentFile(event.GetId() - ID_FILE_MRU_FILE1);
}

void CMainFrame::OnFileCommand(wxCommandEvent& event)
{
    wxCommandEvent forwarded(event);
    switch (event.GetId()) {
    case ID_FILE_CLOSE:
        GetDocumentManager()->OnFileClose(forwarded);
        break;
    case ID_FILE_SAVE:
        GetDocumentManager()->OnFileSave(forwarded);
        break;
    default:
        GetDocumentManager()->OnFileSaveAs(forwarded);
        break;
    }
}

void CMainFrame::OnUpdateFileCommand(wxUpdateUIEvent& event)
{
    event.Enable(GetDocumentManager()->GetCurrentDocument() != nullptr);
}

void CMainFrame::OnExit(wxCommandEvent&)
{
    Close();
}

void CMainFrame::OnViewToolbar(wxCommandEvent&)
{
    m_toolbars.SetWanted(CToolbarChoice::kOpenBar, !m_toolbars.IsWanted(CToolbarChoice::kOpenBar));
    RefreshListFrames(CToolbarChoice::kNoDocument);
}

void CMainFrame::OnUpdateViewToolbar(wxUpdateUIEvent& event)
{
    event.Check(m_toolbars.IsWanted(CToolbarChoice::kOpenBar));
}

void CMainFrame::OnViewStatusBar(wxCommandEvent&)
{
    wxStatusBar* bar = GetStatusBar();
    bar->Show(!bar->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event)
{
    event.Check(GetStatusBar()->IsShown());
}

void CMainFrame::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    // The lock keys' panes show their name while the lock is on. This desktop has no kana lock,
    // so its pane stays empty.
    const wxKeyCode keys[] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (int index = 0; index < 3; ++index) {
        const wxString text = wxGetKeyState(keys[index]) ? wxString(names[index]) : wxString();
        if (text != m_lockTexts[index]) {
            m_lockTexts[index] = text;
            GetStatusBar()->SetStatusText(text, 4 + index);
        }
    }
}

void CMainFrame::OnPlacementChanged(wxEvent& event)
{
    event.Skip();
    if (IsShown() && !IsMaximized() && !IsIconized() && !IsFullScreen()) {
        m_normalRect = GetRect();
    }
}

void CMainFrame::OnIconize(wxIconizeEvent& event)
{
    event.Skip();
    // A minimised window has no client area, so whatever was laid out meanwhile (a list handed
    // over, a toolbar switched) has no size; the window lays itself out again as it comes back.
    if (!event.IsIconized()) {
        SendSizeEvent();
        Refresh();
    }
}

CRect CMainFrame::GetNormalRect() const
{
    return CRect(m_normalRect.x, m_normalRect.y, m_normalRect.x + m_normalRect.width,
                 m_normalRect.y + m_normalRect.height);
}

int CMainFrame::GetShowCommand() const
{
    if (IsIconized()) {
        return SW_SHOWMINIMIZED;
    }
    return IsMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    CZantobyApp& app = wxGetApp();
    if (event.CanVeto() && app.Settings().GetAlertMultiDoc() &&
        CDocumentLookup::GetDocumentCount(*GetDocumentManager()) > 1 &&
        app.AskMessage(20000, MB_OKCANCEL) != IDOK) {
        event.Veto();
        return;
    }
    // The documents close one at a time, newest first: a photo editor before its list, since
    // saving the editor changes the list and a closing list closes its editors itself.
    wxDocManager& manager = *GetDocumentManager();
    for (wxDocVector documents = manager.GetDocumentsVector(); !documents.empty();
         documents = manager.GetDocumentsVector()) {
        if (!manager.CloseDocument(documents.back(), !event.CanVeto())) {
            event.Veto();
            return;
        }
    }
    const CRect normal = GetNormalRect();
    app.Settings().SetMainFrameRect(normal.left, normal.top, normal.right, normal.bottom);
    app.Settings().SetMainFrameShow(GetShowCommand());
    m_palette->Hide();
    event.Skip();
}
