#include "app/ui/LocalFindDlg.h"

#include "app/ExtractForm.h"
#include "app/ui/KeywordExtractPage.h"
#include "app/ui/RangeExtractGrid.h"
#include "app/ui/RangeExtractPage.h"
#include "app/ui/ResourceBitmaps.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>

namespace {

constexpr int IDC_PLACEHOLDER = 1092;
constexpr int IDC_WHOLE = 1107;
constexpr int IDC_CASE = 1108;
constexpr int IDC_KEYWORD_MODE = 1112;
constexpr int IDC_RANGE_MODE = 1113;
constexpr int IDC_CANCEL = 2;

const DialogItemInfo kItems[] = {
    {IDC_KEYWORD_MODE, 0, kDefaultColor, kDefaultColor, 0, "ｷｰﾜｰﾄﾞによる抽出ﾓｰﾄﾞを指定します"},
    {IDC_RANGE_MODE, 0, kDefaultColor, kDefaultColor, 0, "範囲指定による抽出ﾓｰﾄﾞを指定します"},
    {IDC_PLACEHOLDER, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {IDC_WHOLE, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "文字列を比較するときに完全に一致する事を条件にします"},
    {IDC_CASE, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0,
     "文字列を比較するときに大文字と小文字を区別します"},
    {CLocalFindDlg::kExtractButtonId, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "指定した条件で抽出を実行して、このﾀﾞｲｱﾛｸﾞを閉じます"},
    {IDC_CANCEL, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "操作を取り消して、このﾀﾞｲｱﾛｸﾞを閉じます"},
    {CAnchorDialog::kHelpButtonId, DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "ﾍﾙﾌﾟを表示します"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

int CLocalFindDlg::s_page = 0;

CLocalFindDlg::CLocalFindDlg(wxWindow* parent, CExtractForm& form)
    : CAnchorDialog(parent, 223, "抽出", wxDefaultSize), m_form(form)
{
    SetClientSize(560, 360);
    SetHelpTopic("LocalFindDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxRadioButton(this, IDC_KEYWORD_MODE, ToWx("ｷｰﾜｰﾄﾞによる抽出"), wxPoint(10, 10), wxDefaultSize,
                      wxRB_GROUP);
    new wxRadioButton(this, IDC_RANGE_MODE, ToWx("範囲指定による抽出"), wxPoint(180, 10));
    // The placeholder only marks where the pages lie; it is never shown.
    new wxWindow(this, IDC_PLACEHOLDER, wxPoint(10, 36), wxSize(540, 240));
    new wxCheckBox(this, IDC_WHOLE, ToWx("単語単位で検索"), wxPoint(10, 288));
    new wxCheckBox(this, IDC_CASE, ToWx("大文字と小文字を区別する"), wxPoint(10, 314));
    auto* extract = new wxButton(this, kExtractButtonId, ToWx("抽出(&F)"), wxPoint(350, 322), wxSize(64, 28));
    new wxButton(this, IDC_CANCEL, ToWx("取消(&C)"), wxPoint(418, 322), wxSize(64, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(486, 322), wxSize(64, 28));
    extract->SetDefault();
    SetEscapeId(IDC_CANCEL);
    m_keywordPage = new CKeywordExtractPage(this, [this] { RunExtraction(); });
    m_rangePage = new CRangeExtractPage(this, form, [this] { RunExtraction(); });
    Bind(wxEVT_RADIOBUTTON, &CLocalFindDlg::OnModeButton, this, IDC_KEYWORD_MODE, IDC_RANGE_MODE);
    Bind(wxEVT_BUTTON, &CLocalFindDlg::OnExtract, this, kExtractButtonId);
    Bind(wxEVT_SIZE, &CLocalFindDlg::OnSize, this);
}

bool CLocalFindDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    GetItem(IDC_PLACEHOLDER)->Hide();
    m_keywordPage->Load(m_form);
    m_rangePage->Load();
    SetItemCheck(IDC_WHOLE, m_form.wholeText, true);
    SetItemCheck(IDC_CASE, m_form.caseSensitive, true);
    // The radio buttons follow the page shown, so that the mode stored is always the one seen.
    SetItemCheck(s_page == 0 ? IDC_KEYWORD_MODE : IDC_RANGE_MODE, true, true);
    m_keywordPage->Show(s_page == 0);
    m_rangePage->Show(s_page != 0);
    PlacePage();
    if (s_page == 0) {
        m_keywordPage->FocusKeywords();
    } else {
        m_rangePage->GetGrid().SetFocus();
    }
    return true;
}

wxWindow* CLocalFindDlg::ShownPage() const
{
    return s_page == 0 ? static_cast<wxWindow*>(m_keywordPage) : m_rangePage;
}

void CLocalFindDlg::ShowPage(int page)
{
    const int combine = s_page == 0 ? m_keywordPage->GetCombine() : m_rangePage->GetCombine();
    s_page = page == 0 ? 0 : 1;
    SetItemCheck(s_page == 0 ? IDC_KEYWORD_MODE : IDC_RANGE_MODE, true, true);
    if (s_page == 0) {
        m_keywordPage->SetCombine(combine);
    } else {
        m_rangePage->SetCombine(combine);
    }
    m_keywordPage->Show(s_page == 0);
    m_rangePage->Show(s_page != 0);
    PlacePage();
}

void CLocalFindDlg::OnModeButton(wxCommandEvent& event)
{
    const int page = event.GetId() == IDC_KEYWORD_MODE ? 0 : 1;
    if (page != s_page) {
        ShowPage(page);
    }
}

void CLocalFindDlg::OnSize(wxSizeEvent& event)
{
    event.Skip();
    // The base moves the placeholder first; the page follows it once that is done.
    CallAfter([this] { PlacePage(); });
}

void CLocalFindDlg::PlacePage()
{
    if (wxWindow* placeholder = GetItem(IDC_PLACEHOLDER)) {
        ShownPage()->SetSize(placeholder->GetRect());
    }
}

void CLocalFindDlg::OnExtract(wxCommandEvent&)
{
    RunExtraction();
}

void CLocalFindDlg::RunExtraction()
{
    if (!AcceptFieldTexts()) {
        return;
    }
    m_form.mode = s_page;
    m_form.wholeText = IsItemChecked(IDC_WHOLE);
    m_form.caseSensitive = IsItemChecked(IDC_CASE);
    m_keywordPage->Gather(m_form);
    m_rangePage->Gather();
    m_form.combine = s_page == 0 ? m_keywordPage->GetCombine() : m_rangePage->GetCombine();
    m_form.Store();
    EndModal(kExtractButtonId);
}
