#include "app/settings/ui/ErrorLogDlg.h"

#include "app/settings/ErrorLogText.h"
#include "foundation/AppBase.h"
#include "foundation/ui/ClipboardText.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace {

constexpr int IDC_TEXT = 1165;
constexpr int IDC_COPY = 1186;
constexpr int IDC_CLEAR = 1187;
constexpr int IDC_CLOSE = 2;

const DialogItemInfo kItems[] = {
    {IDC_TEXT, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {IDC_CLEAR, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {IDC_COPY, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {IDC_CLOSE, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {CAnchorDialog::kHelpButtonId, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CErrorLogDlg::CErrorLogDlg(wxWindow* parent, CAppBase& app)
    : CAnchorDialog(parent, 229, "ｴﾗｰ履歴", wxDefaultSize), m_app(app)
{
    SetClientSize(520, 360);
    SetHelpTopic("ErrorLogDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxTextCtrl(this, IDC_TEXT, wxString(), wxPoint(10, 10), wxSize(500, 300),
                   wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
    new wxButton(this, IDC_CLEAR, ToWx("履歴ｸﾘｱ(&A)"), wxPoint(170, 322), wxSize(82, 28));
    new wxButton(this, IDC_COPY, ToWx("ｺﾋﾟｰ(&C)"), wxPoint(256, 322), wxSize(82, 28));
    new wxButton(this, IDC_CLOSE, ToWx("閉じる(&E)"), wxPoint(342, 322), wxSize(82, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(428, 322), wxSize(82, 28));
    SetEscapeId(IDC_CLOSE);
    Bind(wxEVT_BUTTON, &CErrorLogDlg::OnClear, this, IDC_CLEAR);
    Bind(wxEVT_BUTTON, &CErrorLogDlg::OnCopy, this, IDC_COPY);
}

bool CErrorLogDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    static_cast<wxTextCtrl*>(GetItem(IDC_TEXT))
        ->SetValue(ToWxLines(CErrorLogText::Build(CAppBase::GetErrorFolder())));
    return true;
}

void CErrorLogDlg::OnClear(wxCommandEvent&)
{
    CErrorLogText::Clear(m_app);
    static_cast<wxTextCtrl*>(GetItem(IDC_TEXT))->Clear();
}

void CErrorLogDlg::OnCopy(wxCommandEvent&)
{
    CClipboardText::CopyToClipboard(FromWx(static_cast<wxTextCtrl*>(GetItem(IDC_TEXT))->GetValue()));
}
