#include "app/ui/GlobalFindDlg.h"

#include "app/GlobalFindForm.h"
#include "app/ui/ResourceBitmaps.h"
#include "app/ui/ZantobyApp.h"
#include "list/GlobalFindSettings.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_FOLDER = 1000;
constexpr int IDC_KEYWORDS = 1106;
constexpr int IDC_WHOLE = 1107;
constexpr int IDC_CASE = 1108;
constexpr int IDC_AND = 1114;
constexpr int IDC_OR = 1115;
constexpr int IDC_OPEN_FOLDER = 1167;
constexpr int IDC_EXTRACT = CGlobalFindDlg::kExtractId;
constexpr int IDC_CANCEL = 2;

const DialogItemInfo kItems[] = {
    {IDC_FOLDER, DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, "検索対象のﾌｫﾙﾀﾞを入力します"},
    {IDC_KEYWORDS, DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "検索するｷｰﾜｰﾄﾞを入力します、複数のｷｰﾜｰﾄﾞを指定する場合はｽﾍﾟｰｽで区切ります"},
    {IDC_AND, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "指定したｷｰﾜｰﾄﾞを全て含むﾃﾞｰﾀを一覧に表示します"},
    {IDC_OR, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "指定したｷｰﾜｰﾄﾞのどれかを含むﾃﾞｰﾀを一覧に表示します"},
    {IDC_WHOLE, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "文字列を比較するときに完全に一致する事を条件にします"},
    {IDC_CASE, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "文字列を比較するときに大文字と小文字を区別します"},
    {IDC_EXTRACT, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "指定した条件で抽出を実行して、このﾀﾞｲｱﾛｸﾞを閉じます"},
    {IDC_CANCEL, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "操作を取り消して、このﾀﾞｲｱﾛｸﾞを閉じます"},
    {CAnchorDialog::kHelpButtonId, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "ﾍﾙﾌﾟを表示します"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

const RadioGroupItem kCombine[] = {{IDC_AND, 0}, {IDC_OR, 1}, {0, 0}};

} // namespace

CGlobalFindDlg::CGlobalFindDlg(wxWindow* parent, CGlobalFindForm& form)
    : CAnchorDialog(parent, 224, "ｸﾞﾛｰﾊﾞﾙ抽出", wxDefaultSize), m_form(form)
{
    SetClientSize(440, 200);
    SetHelpTopic("GlobalFindDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxCheckBox(this, IDC_OPEN_FOLDER, ToWx("指定ﾌｫﾙﾀﾞのﾘｽﾄを開いて検索する"), wxPoint(10, 10));
    new wxWindow(this, IDC_FOLDER, wxPoint(30, 34), wxSize(400, 24));
    new wxStaticText(this, wxID_ANY, ToWx("ｷｰﾜｰﾄﾞ"), wxPoint(10, 74));
    m_keywords = new wxComboBox(this, IDC_KEYWORDS, wxString(), wxPoint(80, 70), wxSize(350, -1));
    new wxRadioButton(this, IDC_AND, ToWx("AND検索"), wxPoint(80, 106), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, IDC_OR, ToWx("OR検索"), wxPoint(180, 106));
    new wxCheckBox(this, IDC_WHOLE, ToWx("単語単位で検索"), wxPoint(10, 136));
    new wxCheckBox(this, IDC_CASE, ToWx("大文字と小文字を区別する"), wxPoint(10, 162));
    auto* extract = new wxButton(this, IDC_EXTRACT, ToWx("抽出(&F)"), wxPoint(230, 160), wxSize(64, 28));
    new wxButton(this, IDC_CANCEL, ToWx("取消(&C)"), wxPoint(298, 160), wxSize(64, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(366, 160), wxSize(64, 28));
    extract->SetDefault();
    SetEscapeId(IDC_CANCEL);
    Bind(wxEVT_BUTTON, &CGlobalFindDlg::OnExtract, this, IDC_EXTRACT);
}

bool CGlobalFindDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    m_folder.AttachToDialogItem(this, IDC_FOLDER, FindItemInfo(IDC_FOLDER));
    m_folder.SetFolderMode(false);
    m_combine.Init(this, kCombine);

    SetItemCheck(IDC_OPEN_FOLDER, m_form.openFolderLists, true);
    m_folder.SetPath(m_form.folder);
    for (const CString& entry : m_form.GetSettings().keywordHistory) {
        m_keywords->Append(ToWx(entry));
    }
    m_keywords->SetValue(ToWx(m_form.keywordText));
    m_combine.SetValue(m_form.combine);
    SetItemCheck(IDC_WHOLE, m_form.wholeText, true);
    SetItemCheck(IDC_CASE, m_form.caseSensitive, true);
    m_keywords->SetFocus();
    return true;
}

void CGlobalFindDlg::OnExtract(wxCommandEvent&)
{
    if (!AcceptFieldTexts()) {
        return;
    }
    m_form.openFolderLists = IsItemChecked(IDC_OPEN_FOLDER);
    m_form.folder = m_folder.GetPath();
    m_form.keywordText = FromWx(m_keywords->GetValue());
    m_form.combine = m_combine.GetValue();
    m_form.wholeText = IsItemChecked(IDC_WHOLE);
    m_form.caseSensitive = IsItemChecked(IDC_CASE);
    if (const int warning = m_form.Check()) {
        wxGetApp().ShowWarningMessage(warning, 0);
        return;
    }
    m_form.Store();
    EndModal(IDC_EXTRACT);
}
