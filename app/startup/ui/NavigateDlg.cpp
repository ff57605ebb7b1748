#include "app/startup/ui/NavigateDlg.h"

#include "app/frame/ui/MainFrame.h"
#include "app/settings/ProfileSettings.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/SystemServices.h"
#include "platform/ShowCommands.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int IDC_TABS = 1118;
constexpr int IDC_DESCRIPTION = 1096;
constexpr int IDC_OPEN_WEB = 1370;
constexpr int IDC_PROMPT = 1377;
constexpr int IDC_SHOW_AT_START = 1378;
constexpr int IDC_TUTORIAL = 1093;
constexpr int IDC_CLOSE = 2;

constexpr int kFrameWidth = 228;
constexpr int kFrameHeight = 128;
constexpr int kFrameGap = 8;
constexpr int kFramesTop = 74;
// The description box and the buttons beside it, below the frames.
constexpr int kLowerHeight = 160;
constexpr int kButtonsWidth = 160;

const DialogItemInfo kItems[] = {
    {CAnchorDialog::kHelpButtonId, 0, kDefaultColor, kDefaultColor, 0, "help me"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CNavigateDlg::CNavigateDlg(wxWindow* parent, CNavigatorModel& model, CProfileSettings& settings)
    : CAnchorDialog(parent, 500, "新規作成ナビゲーター", wxDefaultSize), m_model(model), m_settings(settings),
      m_timer(this, 1)
{
    const int framesWidth = 3 * kFrameWidth + 2 * kFrameGap;
    SetClientSize(framesWidth + 20, kFramesTop + 2 * kFrameHeight + kFrameGap + kLowerHeight + 20);
    SetHelpTopic("NavigateDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    m_tabs = new wxNotebook(this, IDC_TABS, wxPoint(10, 6), wxSize(framesWidth, 36));
    for (int tab = 0; tab < CNavigatorModel::kTabCount; ++tab) {
        m_tabs->AddPage(new wxPanel(m_tabs), ToWx(CNavigatorModel::GetTabLabel(tab)));
    }
    // The strip shows the tabs alone; with a taller font it takes the height they need, which
    // GTK cannot lay them out in less.
    m_tabs->SetSize(wxSize(framesWidth, std::max(36, GtkGlue::GetMinimumSize(*m_tabs).y)));
    new wxStaticText(this, IDC_PROMPT, wxString(), wxPoint(12, 50), wxSize(framesWidth, 20));
    for (int position = 0; position < CNavigatorModel::kFrameCount; ++position) {
        const int x = 10 + (position % 3) * (kFrameWidth + kFrameGap);
        const int y = kFramesTop + (position / 3) * (kFrameHeight + kFrameGap);
        wxWindow* frame = new wxWindow(this, kFirstFrameId + position, wxPoint(x, y),
                                       wxSize(kFrameWidth, kFrameHeight), wxFULL_REPAINT_ON_RESIZE);
        frame->SetBackgroundStyle(wxBG_STYLE_PAINT);
        frame->Bind(wxEVT_PAINT, &CNavigateDlg::OnFramePaint, this);
        frame->Bind(wxEVT_LEFT_DOWN, &CNavigateDlg::OnFrameDown, this);
        frame->Bind(wxEVT_LEFT_DCLICK, &CNavigateDlg::OnFrameDoubleClick, this);
        m_frames[static_cast<size_t>(position)] = frame;
    }
    const int lower = kFramesTop + 2 * kFrameHeight + kFrameGap + 10;
    const int buttonsLeft = 10 + framesWidth - kButtonsWidth;
    const int half = (kButtonsWidth - 4) / 2;
    new wxTextCtrl(this, IDC_DESCRIPTION, wxString(), wxPoint(10, lower),
                   wxSize(framesWidth - kButtonsWidth - 10, kLowerHeight), wxTE_MULTILINE | wxTE_READONLY);
    new wxButton(this, kRunId, wxString(), wxPoint(buttonsLeft, lower), wxSize(kButtonsWidth, 32));
    new wxButton(this, IDC_OPEN_WEB, ToWx("Webを開く(&W)"), wxPoint(buttonsLeft, lower + 36),
                 wxSize(kButtonsWidth, 28));
    new wxButton(this, IDC_TUTORIAL, ToWx("ﾁｭｰﾄﾘｱﾙ(&T)"), wxPoint(buttonsLeft, lower + 68), wxSize(half, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(buttonsLeft + half + 4, lower + 68),
                 wxSize(half, 28));
    new wxCheckBox(this, IDC_SHOW_AT_START, ToWx("起動時に表示する"), wxPoint(buttonsLeft, lower + 102));
    new wxButton(this, IDC_CLOSE, ToWx("閉じる(Esc)"), wxPoint(buttonsLeft, lower + kLowerHeight - 28),
                 wxSize(kButtonsWidth, 28));
    SetEscapeId(IDC_CLOSE);
    // Enter alone runs nothing: only the run button or a double click does.
    SetAffirmativeId(wxID_NONE);
    m_tabs->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CNavigateDlg::OnTabChanged, this);
    Bind(wxEVT_BUTTON, &CNavigateDlg::OnRun, this, kRunId);
    Bind(wxEVT_BUTTON, &CNavigateDlg::OnOpenWeb, this, IDC_OPEN_WEB);
    Bind(wxEVT_BUTTON, &CNavigateDlg::OnTutorial, this, IDC_TUTORIAL);
    Bind(wxEVT_CHECKBOX, &CNavigateDlg::OnShowAtStart, this, IDC_SHOW_AT_START);
    Bind(wxEVT_TIMER, &CNavigateDlg::OnTimer, this, 1);
}

bool CNavigateDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    if (CMainFrame* main = wxGetApp().GetMainFrame(); main != nullptr && main->IsShown()) {
        Move(main->ClientToScreen(wxPoint(20, 40)));
    }
    m_timer.Start(1000);
    SetItemCheck(IDC_SHOW_AT_START, m_settings.GetAutoNavigate(), true);
    SelectTab(m_model.GetTab());
    return true;
}

void CNavigateDlg::SelectTab(int tab)
{
    m_model.ShowTab(tab);
    if (m_tabs->GetSelection() != m_model.GetTab()) {
        m_tabs->ChangeSelection(static_cast<size_t>(m_model.GetTab()));
    }
    ShowTab();
}

void CNavigateDlg::OnTabChanged(wxBookCtrlEvent& event)
{
    m_model.ShowTab(event.GetSelection());
    ShowTab();
}

void CNavigateDlg::ShowTab()
{
    const CNavigatorModel::TabTexts& texts = CNavigatorModel::GetTabTexts(m_model.GetTab());
    SetItemText(IDC_PROMPT, texts.prompt);
    SetItemText(kRunId, texts.runButton);
    EnableItem(IDC_OPEN_WEB, texts.webButton);
    const std::vector<NavigatorEntry>& entries = m_model.GetEntries();
    for (int position = 0; position < CNavigatorModel::kFrameCount; ++position) {
        const size_t index = static_cast<size_t>(position);
        m_frames[index]->SetToolTip(index < entries.size() ? ToWx(entries[index].caption) : wxString());
    }
    ShowDescription();
    Refresh();
}

void CNavigateDlg::ShowDescription()
{
    static_cast<wxTextCtrl*>(GetItem(IDC_DESCRIPTION))->SetValue(ToWxLines(m_model.GetDescription()));
}

void CNavigateDlg::ClickFrame(int position)
{
    m_model.SelectEntry(position);
    ShowDescription();
    RefreshFrames();
}

void CNavigateDlg::RunSelected()
{
    if (m_model.Run()) {
        EndModal(wxID_OK);
    }
}

void CNavigateDlg::OnFrameDown(wxMouseEvent& event)
{
    ClickFrame(event.GetId() - kFirstFrameId);
}

void CNavigateDlg::OnFrameDoubleClick(wxMouseEvent& event)
{
    ClickFrame(event.GetId() - kFirstFrameId);
    RunSelected();
}

void CNavigateDlg::OnRun(wxCommandEvent&)
{
    RunSelected();
}

void CNavigateDlg::OnOpenWeb(wxCommandEvent&)
{
    const CString page = m_model.GetWebPageToOpen();
    if (page.IsEmpty()) {
        return;
    }
    const CString reason = OpenPageInBrowser(page);
    if (!reason.IsEmpty()) {
        wxGetApp().ShowWarningMessage(31600, 0, page.GetString(), reason.GetString());
    }
}

void CNavigateDlg::OnTutorial(wxCommandEvent&)
{
    wxGetApp().ShowTutorial(0);
}

void CNavigateDlg::OnShowAtStart(wxCommandEvent&)
{
    m_settings.SetAutoNavigate(IsItemChecked(IDC_SHOW_AT_START));
}

void CNavigateDlg::OnTimer(wxTimerEvent&)
{
    if (m_model.Animate()) {
        m_pictures.clear();
        RefreshFrames();
    }
}

void CNavigateDlg::RefreshFrames()
{
    for (wxWindow* frame : m_frames) {
        frame->Refresh();
    }
}

const wxBitmap& CNavigateDlg::PictureOf(int position)
{
    const auto key = std::make_pair(m_model.GetTab(), position);
    auto found = m_pictures.find(key);
    if (found == m_pictures.end()) {
        const NavigatorEntry& entry = m_model.GetEntries()[static_cast<size_t>(position)];
        const wxBitmap picture = entry.pictureResource != 0
                                     ? CResourceBitmaps::GetBitmap(entry.pictureResource)
                                     : CResourceBitmaps::FromImage(entry.picture);
        found = m_pictures.emplace(key, picture).first;
    }
    return found->second;
}

void CNavigateDlg::OnFramePaint(wxPaintEvent& event)
{
    auto* frame = static_cast<wxWindow*>(event.GetEventObject());
    wxPaintDC dc(frame);
    PaintFrame(dc, frame->GetId() - kFirstFrameId, frame->GetClientSize());
}

void CNavigateDlg::PaintFrame(wxDC& dc, int position, const wxSize& size)
{
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    dc.SetBackground(wxBrush(face));
    dc.Clear();
    // A raised border, pressed for the selected frame.
    const bool selected = position == m_model.GetSelected();
    const wxColour grey(0x88, 0x88, 0x88);
    const wxColour& topLeft = selected ? grey : *wxWHITE;
    const wxColour& bottomRight = selected ? *wxWHITE : grey;
    const int right = size.x - 2;
    const int bottom = size.y - 2;
    dc.SetPen(wxPen(topLeft));
    dc.DrawLine(0, 0, right, 0);
    dc.DrawLine(0, 0, 0, bottom);
    dc.SetPen(wxPen(bottomRight));
    dc.DrawLine(right, 0, right, bottom + 1);
    dc.DrawLine(0, bottom, right, bottom);

    const std::vector<NavigatorEntry>& entries = m_model.GetEntries();
    if (position >= static_cast<int>(entries.size()) || !entries[static_cast<size_t>(position)].valid) {
        return;
    }
    const NavigatorEntry& entry = entries[static_cast<size_t>(position)];
    const wxBitmap& picture = PictureOf(position);
    if (picture.IsOk()) {
        // Centred in the frame less a margin; a larger picture shows its middle.
        const wxRect area(2, 2, size.x - 5, size.y - 10);
        dc.SetClippingRegion(area);
        dc.DrawBitmap(picture, area.x + (area.width - picture.GetWidth()) / 2,
                      area.y + (area.height - picture.GetHeight()) / 2, true);
        dc.DestroyClippingRegion();
    }
    if (!entry.caption.IsEmpty()) {
        dc.SetFont(GetFont());
        const wxString caption = ToWxLines(entry.caption);
        const wxSize text = dc.GetMultiLineTextExtent(caption);
        const wxRect inner(4, 4, size.x - 8, size.y - 8);
        const wxRect block(inner.x + (inner.width - text.x) / 2, inner.GetBottom() - text.y, text.x, text.y);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(face));
        dc.DrawRectangle(wxRect(block).Inflate(2));
        dc.SetTextForeground(*wxBLACK);
        dc.DrawLabel(caption, block, wxALIGN_CENTER);
    }
}
