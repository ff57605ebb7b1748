#include "app/settings/ui/ConfigDlg.h"

#include "app/settings/ConfigForm.h"
#include "platform/ui/WxText.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_OPEN_LAST = 1068;
constexpr int IDC_SHOW_ALL = 1069;
constexpr int IDC_FONT_SIZE = 1070;
constexpr int IDC_WHEEL = 1071;
constexpr int IDC_INSIDE = 1073;
constexpr int IDC_BACKUP = 1074;
constexpr int IDC_CHECK = 1075;
constexpr int IDC_ALERT = 1077;
constexpr int IDC_CANCEL = 2;

constexpr int64_t kUnits = COleCurrency::kUnitsPerOne;
const DecimalFormat kFontSize{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 1,
                              CConfigForm::kMaxFontSize* kUnits / 10, CConfigForm::kMinFontSize* kUnits / 10,
                              false};
const IntegerFormat kWheel{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, CConfigForm::kMaxWheelDelta,
                           CConfigForm::kMinWheelDelta};

const DialogItemInfo kItems[] = {
    {IDC_FONT_SIZE, DIF_ALIGN_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {IDC_WHEEL, DIF_ALIGN_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

struct Switch
{
    int id;
    const char* text;
    bool CConfigForm::*value;
};

const Switch kSwitches[] = {
    {IDC_OPEN_LAST, "起動時に前回編集したﾘｽﾄを開く", &CConfigForm::openLast},
    {IDC_SHOW_ALL, "ﾘｽﾄを開いた時に全ﾃﾞｰﾀを表示する", &CConfigForm::showAllRows},
    {IDC_INSIDE, "内部情報を表示する", &CConfigForm::showInternalInfo},
    {IDC_BACKUP, "閉じるときにﾊﾞｯｸｱｯﾌﾟを実行する", &CConfigForm::backupOnClose},
    {IDC_CHECK, "Web作成前に入力内容をﾁｪｯｸする", &CConfigForm::checkBeforeWeb},
    {IDC_ALERT, "複数のｳｨﾝﾄﾞｳを閉じるときに警告する", &CConfigForm::alertMultiDoc},
};

} // namespace

CConfigDlg::CConfigDlg(wxWindow* parent, CConfigForm& form)
    : CAnchorDialog(parent, 213, "環境設定", wxDefaultSize), m_form(form)
{
    SetClientSize(330, 280);
    SetHelpTopic("ConfigDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    int top = 10;
    for (const Switch& item : kSwitches) {
        new wxCheckBox(this, item.id, ToWx(item.text), wxPoint(10, top));
        top += 26;
    }
    top += 6;
    new wxStaticText(this, wxID_ANY, ToWx("ﾌｫﾝﾄｻｲｽﾞ"), wxPoint(10, top + 4));
    new wxWindow(this, IDC_FONT_SIZE, wxPoint(110, top), wxSize(80, 24));
    new wxStaticText(this, wxID_ANY, "pt", wxPoint(196, top + 4));
    top += 30;
    new wxStaticText(this, wxID_ANY, ToWx("ﾏｳｽﾎｲｰﾙ"), wxPoint(10, top + 4));
    new wxWindow(this, IDC_WHEEL, wxPoint(110, top), wxSize(80, 24));
    new wxStaticText(this, wxID_ANY, ToWx("行"), wxPoint(196, top + 4));
    auto* apply = new wxButton(this, kApplyId, ToWx("設定(&G)"), wxPoint(70, 244), wxSize(80, 28));
    new wxButton(this, IDC_CANCEL, ToWx("取消(&C)"), wxPoint(156, 244), wxSize(80, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(242, 244), wxSize(80, 28));
    apply->SetDefault();
    SetEscapeId(IDC_CANCEL);
    Bind(wxEVT_BUTTON, &CConfigDlg::OnApply, this, kApplyId);
}

bool CConfigDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_fontSize.AttachToDialogItem(this, IDC_FONT_SIZE, FindItemInfo(IDC_FONT_SIZE));
    m_fontSize.SetDecimalFormat(&kFontSize, kUnits);
    m_wheel.AttachToDialogItem(this, IDC_WHEEL, FindItemInfo(IDC_WHEEL));
    m_wheel.SetIntegerFormat(&kWheel, 1);
    for (const Switch& item : kSwitches) {
        SetItemCheck(item.id, m_form.*item.value, true);
    }
    m_fontSize.GetEdit().SetDecimal(m_form.GetFontPoints());
    m_wheel.GetEdit().SetInteger(m_form.wheelDelta);
    return true;
}

void CConfigDlg::OnApply(wxCommandEvent&)
{
    for (const Switch& item : kSwitches) {
        m_form.*item.value = IsItemChecked(item.id);
    }
    m_form.SetFontPoints(m_fontSize.GetEdit().GetDecimal());
    m_form.wheelDelta = m_wheel.GetEdit().GetInteger();
    m_form.Save();
    EndModal(kApplyId);
}
