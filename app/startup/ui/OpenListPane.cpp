#include "app/startup/ui/OpenListPane.h"

#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/AnchorDialog.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_PICTURE = 1006;
constexpr int IDC_TITLE = 1015;
constexpr int IDC_CHANGED = 1197;
constexpr int IDC_ROWS = 1201;
constexpr int IDC_PHOTOS = 1203;
constexpr int IDC_SPIN = 1204;
constexpr int kTimerId = 241;

} // namespace

COpenListPane::COpenListPane(wxWindow* parent, std::function<wxString()> selection)
    : wxPanel(parent, 241, wxDefaultPosition, wxSize(560, 150)), m_selection(std::move(selection)),
      m_timer(this, kTimerId)
{
    m_picture = new wxWindow(this, IDC_PICTURE, wxPoint(8, 4), wxSize(150, 106), wxBORDER_SUNKEN);
    m_picture->SetBackgroundStyle(wxBG_STYLE_PAINT);
    new wxSpinButton(this, IDC_SPIN, wxPoint(8, 114), wxDefaultSize, wxSP_HORIZONTAL);
    new wxStaticText(this, wxID_ANY, ToWx("ﾀｲﾄﾙ"), wxPoint(180, 12));
    new wxStaticText(this, IDC_TITLE, wxString(), wxPoint(240, 12), wxSize(310, 40));
    new wxStaticText(this, wxID_ANY, ToWx("ﾃﾞｰﾀ"), wxPoint(180, 58));
    new wxStaticText(this, IDC_ROWS, wxString(), wxPoint(240, 58), wxSize(60, -1), wxALIGN_RIGHT);
    new wxStaticText(this, wxID_ANY, ToWx("行"), wxPoint(304, 58));
    new wxStaticText(this, wxID_ANY, ToWx("写真ﾌｧｲﾙ"), wxPoint(180, 82));
    new wxStaticText(this, IDC_PHOTOS, wxString(), wxPoint(240, 82), wxSize(60, -1), wxALIGN_RIGHT);
    new wxStaticText(this, wxID_ANY, ToWx("枚"), wxPoint(304, 82));
    new wxStaticText(this, wxID_ANY, ToWx("更新"), wxPoint(180, 106));
    new wxStaticText(this, IDC_CHANGED, wxString(), wxPoint(240, 106), wxSize(200, -1));
    new wxButton(this, CAnchorDialog::kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(470, 106), wxSize(80, 28));
    m_picture->Bind(wxEVT_PAINT, &COpenListPane::OnPicturePaint, this);
    Bind(wxEVT_TIMER, &COpenListPane::OnTimer, this, kTimerId);
    Bind(wxEVT_SPIN_UP, &COpenListPane::OnSpin, this, IDC_SPIN);
    Bind(wxEVT_SPIN_DOWN, &COpenListPane::OnSpin, this, IDC_SPIN);
    Bind(
        wxEVT_BUTTON, [](wxCommandEvent&) { wxGetApp().ShowHelpPage("OpenlistDlg"); },
        CAnchorDialog::kHelpButtonId);
    m_timer.Start(100);
}

void COpenListPane::ShowPreview()
{
    FindWindow(IDC_TITLE)->SetLabel(ToWx(m_preview.GetTitle()));
    FindWindow(IDC_ROWS)->SetLabel(ToWx(m_preview.GetRowText()));
    FindWindow(IDC_PHOTOS)->SetLabel(ToWx(m_preview.GetPhotoText()));
    FindWindow(IDC_CHANGED)->SetLabel(ToWx(m_preview.GetTimeText()));
    m_picture->Refresh();
}

void COpenListPane::OnTimer(wxTimerEvent&)
{
    const wxString selected = m_selection();
    if (selected != m_selected) {
        m_selected = selected;
        m_preview.Select(FromWx(selected));
    }
    switch (m_preview.Tick()) {
    case COpenListPreview::Change::Preview:
        ShowPreview();
        break;
    case COpenListPreview::Change::Picture:
        m_picture->Refresh();
        break;
    case COpenListPreview::Change::None:
        break;
    }
}

void COpenListPane::OnSpin(wxSpinEvent& event)
{
    // The desktop draws the spin button as "-" and "+": "+" steps on to the next photo.
    if (m_preview.Spin(event.GetEventType() == wxEVT_SPIN_UP ? -1 : 1) != COpenListPreview::Change::None) {
        m_picture->Refresh();
    }
}

void COpenListPane::OnPicturePaint(wxPaintEvent&)
{
    wxPaintDC dc(m_picture);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    const wxBitmap picture = CResourceBitmaps::FromImage(m_preview.GetPicture());
    if (picture.IsOk()) {
        // Centred; a larger picture shows its middle.
        const wxSize area = m_picture->GetClientSize();
        dc.DrawBitmap(picture, (area.x - picture.GetWidth()) / 2, (area.y - picture.GetHeight()) / 2);
    }
}
