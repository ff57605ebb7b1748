#include "web/site/ui/CheckListDlg.h"

#include "list/IListHost.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>

namespace {

constexpr int kTemplateId = 211;

struct Box
{
    int id;
    const char* label;
    bool InputCheckSwitches::*flag;
};

// In the order of the list file's switches.
const Box kBoxes[] = {
    {1211, "未入力（必須入力項目のみ）", &InputCheckSwitches::required},
    {1212, "重複値入力（重複入力禁止項目のみ）", &InputCheckSwitches::unique},
    {1059, "外字の使用", &InputCheckSwitches::gaiji},
    {1061, "特殊文字の使用", &InputCheckSwitches::special},
    {1058, "半角カナの使用", &InputCheckSwitches::kana},
    {1001, "関連する写真ﾌｧｲﾙが見つからない", &InputCheckSwitches::files},
};

const DialogItemInfo kItems[] = {
    {1211, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {1212, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {1059, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {1061, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {1058, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {1001, DIF_DOWN_NEXT | DIF_UP_PREVIOUS, kDefaultColor, kDefaultColor, 0, nullptr},
    {wxID_OK, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {wxID_CANCEL, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {wxID_HELP, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CCheckListDlg::CCheckListDlg(wxWindow* parent, IListHost& host)
    : CAnchorDialog(parent, kTemplateId, "ﾘｽﾄ入力内容ﾁｪｯｸ", wxSize(380, 290)), m_host(host)
{
    SetHelpTopic("CheckListDlg");
    new wxStaticText(this, wxID_ANY, ToWx("Webﾌｧｲﾙを作成する前に下記の内容をﾁｪｯｸします"), wxPoint(16, 14));
    int y = 44;
    for (const Box& box : kBoxes) {
        new wxCheckBox(this, box.id, ToWx(box.label), wxPoint(28, y));
        y += 28;
    }
    new wxButton(this, wxID_HELP, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(16, 222), wxSize(96, 30));
    auto* run = new wxButton(this, wxID_OK, ToWx("実行(Enter)"), wxPoint(162, 222), wxSize(96, 30));
    new wxButton(this, wxID_CANCEL, ToWx("取消(Esc)"), wxPoint(266, 222), wxSize(96, 30));
    run->SetDefault();
    Bind(wxEVT_BUTTON, &CCheckListDlg::OnOK, this, wxID_OK);
}

int CCheckListDlg::Run(wxWindow* parent, IListHost& host, InputCheckSwitches& switches)
{
    CCheckListDlg dialog(parent, host);
    dialog.switches = switches;
    if (dialog.DoModal() != wxID_OK) {
        return IDCANCEL;
    }
    switches = dialog.switches;
    return IDOK;
}

bool CCheckListDlg::OnInitDialog()
{
    SetIcons(CResourceBitmaps::GetProgramIcons());
    SetAnchorTable(kItems, true);
    for (const Box& box : kBoxes) {
        SetItemCheck(box.id, switches.*box.flag, true);
    }
    return true;
}

void CCheckListDlg::OnOK(wxCommandEvent&)
{
    InputCheckSwitches chosen;
    for (const Box& box : kBoxes) {
        chosen.*box.flag = IsItemChecked(box.id);
    }
    if (chosen == InputCheckSwitches()) {
        m_host.ShowWarningMessage(31210, MB_OK);
        return;
    }
    switches = chosen;
    EndModal(wxID_OK);
}
