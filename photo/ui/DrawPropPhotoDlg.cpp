#include "photo/ui/DrawPropPhotoDlg.h"

#include "foundation/FileStatus.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <ctime>

namespace {

constexpr const char* kBarLabels[] = {"明暗", "濃淡", "赤", "緑", "青"};
constexpr int kValueIds[] = {1391, 1392, 1393, 1394, 1395};

CString WithThousands(std::int64_t number)
{
    CString digits;
    digits.Format("%lld", static_cast<long long>(number));
    CString out;
    const int length = digits.GetLength();
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0 && digits[i - 1] != '-') {
            out += ",";
        }
        out += digits[i];
    }
    return out;
}

CString FileTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

void AddLabelled(wxWindow* parent, wxFlexGridSizer* grid, const char* label, wxWindow* field)
{
    grid->Add(new wxStaticText(parent, wxID_ANY, ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(field, 0, wxALIGN_CENTER_VERTICAL | wxEXPAND);
}

} // namespace

CDrawPropPhotoDlg::CDrawPropPhotoDlg(wxWindow* parent, const CString& path, int width, int height,
                                     const std::array<int*, CPhotoPropertiesState::kBarCount>& adjustments,
                                     CString* comment, bool editable, bool editRequest)
    : CAnchorDialog(parent, 244, "写真のﾌﾟﾛﾊﾟﾃｨ", wxDefaultSize), m_state(adjustments, comment, editable),
      m_editRequest(editRequest), m_timer(this)
{
    SetHelpTopic("DrawPropPhotoDlg");
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1);
    CString size;
    size.Format("%d × %d ﾄﾞｯﾄ", width, height);
    AddLabelled(this, grid, "ｻｲｽﾞ", new wxStaticText(this, 1396, ToWx(size)));
    AddLabelled(this, grid, "ﾌｧｲﾙ", new wxStaticText(this, 1032, ToWx(path)));
    CFileStatus status;
    const bool known = GetFileStatus(path, status);
    const CString date = known ? FileTime(std::min(status.m_ctime, status.m_mtime)) : CString();
    AddLabelled(this, grid, "日付", new wxStaticText(this, 1282, ToWx(date)));
    const CString bytes = known ? WithThousands(status.m_size) + " ﾊﾞｲﾄ" : CString();
    AddLabelled(this, grid, "ｻｲｽﾞ", new wxStaticText(this, 1283, ToWx(bytes)));
    m_comment = new wxTextCtrl(this, IDC_COMMENT, ToWx(comment != nullptr ? *comment : CString()),
                               wxDefaultPosition, wxSize(320, -1));
    AddLabelled(this, grid, "ｺﾒﾝﾄ", m_comment);
    for (int bar = 0; bar < CPhotoPropertiesState::kBarCount; ++bar) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        m_bars[bar] =
            new wxSlider(this, kBarIds[bar], m_state.GetPosition(bar), CPhotoPropertiesState::kMinPosition,
                         CPhotoPropertiesState::kMaxPosition, wxDefaultPosition, wxSize(256, -1));
        m_values[bar] =
            new wxStaticText(this, kValueIds[bar], wxEmptyString, wxDefaultPosition, wxSize(40, -1));
        row->Add(m_bars[bar], 1);
        row->Add(m_values[bar], 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
        grid->Add(new wxStaticText(this, wxID_ANY, ToWx(kBarLabels[bar])), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(row, 0, wxEXPAND);
        m_bars[bar]->Bind(wxEVT_SLIDER, &CDrawPropPhotoDlg::OnSlider, this);
    }

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    const struct
    {
        int id;
        const char* label;
    } buttonTable[] = {{IDC_EDIT, "編集(&E)"},
                       {IDC_RESET, "補正ﾘｾｯﾄ(&R)"},
                       {IDC_SET, "設定(&G)"},
                       {wxID_CANCEL, "ｷｬﾝｾﾙ"},
                       {wxID_HELP, "ﾍﾙﾌﾟ(&H)"}};
    for (const auto& entry : buttonTable) {
        auto* button = new wxButton(this, entry.id, ToWx(entry.label));
        buttons->Add(button, 0, wxLEFT, 6);
        if (entry.id != wxID_HELP) {
            button->Bind(wxEVT_BUTTON, &CDrawPropPhotoDlg::OnButton, this);
        }
    }
    auto* main = new wxBoxSizer(wxVERTICAL);
    main->Add(grid, 1, wxALL | wxEXPAND, 10);
    main->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 10);
    SetSizerAndFit(main);

    FindWindow(IDC_SET)->SetFocus();
    static_cast<wxButton*>(FindWindow(IDC_SET))->SetDefault();
    FindWindow(IDC_EDIT)->Show(m_editRequest);
    if (!m_state.IsEditable()) {
        m_comment->Enable(false);
        for (wxSlider* bar : m_bars) {
            bar->Enable(false);
        }
        FindWindow(IDC_RESET)->Enable(false);
    }
    m_comment->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { m_state.CommentChanged(); });
    Bind(wxEVT_CLOSE_WINDOW, &CDrawPropPhotoDlg::OnClose, this);
    Bind(wxEVT_TIMER, &CDrawPropPhotoDlg::OnTimer, this);
    ShowValues();
    m_timer.Start(100);
    CentreOnScreen();
}

CDrawPropPhotoDlg::~CDrawPropPhotoDlg()
{
    m_timer.Stop();
}

void CDrawPropPhotoDlg::ShowValues()
{
    for (int bar = 0; bar < CPhotoPropertiesState::kBarCount; ++bar) {
        m_bars[bar]->SetValue(m_state.GetPosition(bar));
        m_values[bar]->SetLabel(wxString::Format("%d", m_state.GetValue(bar)));
    }
}

void CDrawPropPhotoDlg::OnSlider(wxCommandEvent& event)
{
    for (int bar = 0; bar < CPhotoPropertiesState::kBarCount; ++bar) {
        if (m_bars[bar]->GetId() == event.GetId()) {
            m_state.MoveBar(bar, m_bars[bar]->GetValue());
            m_values[bar]->SetLabel(wxString::Format("%d", m_state.GetValue(bar)));
        }
    }
}

void CDrawPropPhotoDlg::ResetCorrections()
{
    m_state.Reset();
    ShowValues();
}

void CDrawPropPhotoDlg::OnTimer(wxTimerEvent&)
{
    if (m_state.Tick() && m_preview) {
        m_preview();
    }
}

void CDrawPropPhotoDlg::Ok(bool edit)
{
    if (!AcceptFieldTexts()) {
        return;
    }
    m_state.Ok(FromWx(m_comment->GetValue()));
    m_editRequest = edit;
    EndModal(wxID_OK);
}

void CDrawPropPhotoDlg::Cancel()
{
    m_state.Cancel();
    m_editRequest = false;
    EndModal(wxID_CANCEL);
}

void CDrawPropPhotoDlg::OnButton(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case IDC_EDIT:
        Ok(true);
        break;
    case IDC_RESET:
        ResetCorrections();
        break;
    case IDC_SET:
        Ok(false);
        break;
    default:
        Cancel();
        break;
    }
}

void CDrawPropPhotoDlg::OnClose(wxCloseEvent&)
{
    Cancel();
}
