#include "app/find/ui/JumpToDlg.h"

#include "foundation/ui/SystemServices.h"
#include "list/ListViewRules.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace {

constexpr int IDC_ROW = 1166;

} // namespace

CJumpToDlg::CJumpToDlg(wxWindow* parent) : CAnchorDialog(parent, 230, "指定行に移動", wxDefaultSize)
{
    SetClientSize(260, 90);
    SetHelpTopic("JumpToDlg");
    new wxStaticText(this, wxID_ANY, ToWx("移動先の行番号"), wxPoint(10, 14));
    m_edit = new wxTextCtrl(this, IDC_ROW, wxString(), wxPoint(110, 10), wxSize(140, -1), wxTE_PROCESS_ENTER);
    auto* ok = new wxButton(this, wxID_OK, "OK", wxPoint(60, 52), wxSize(90, 28));
    new wxButton(this, wxID_CANCEL, ToWx("取消"), wxPoint(160, 52), wxSize(90, 28));
    ok->SetDefault();
    Bind(wxEVT_BUTTON, &CJumpToDlg::OnConfirm, this, wxID_OK);
    Bind(wxEVT_TEXT_ENTER, &CJumpToDlg::OnConfirm, this, IDC_ROW);
}

bool CJumpToDlg::OnInitDialog()
{
    m_edit->SetFocus();
    // Row numbers are typed in half-width digits.
    SetImeMode(1);
    return true;
}

void CJumpToDlg::OnConfirm(wxCommandEvent&)
{
    const int row = CListViewRules::ParseJumpRow(FromWx(m_edit->GetValue()));
    if (row < 1) {
        wxBell();
        return;
    }
    m_row = row;
    EndModal(wxID_OK);
}
