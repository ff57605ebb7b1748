#include "app/find/ui/KeywordExtractPage.h"

#include "app/find/ExtractForm.h"
#include "platform/ui/WxText.h"

#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_KEYWORDS = 1106;
constexpr int IDC_AND = 1114;
constexpr int IDC_OR = 1115;
constexpr int kMargin = 8;

} // namespace

CKeywordExtractPage::CKeywordExtractPage(wxWindow* parent, std::function<void()> onEnter)
    : wxPanel(parent, 226), m_onEnter(std::move(onEnter))
{
    new wxStaticText(this, wxID_ANY, ToWx("ｷｰﾜｰﾄﾞ"), wxPoint(kMargin, kMargin));
    m_keywords = new wxComboBox(this, IDC_KEYWORDS, wxString(), wxPoint(kMargin, 30), wxSize(200, -1), 0,
                                nullptr, wxTE_PROCESS_ENTER);
    m_keywords->SetToolTip(ToWx("検索するｷｰﾜｰﾄﾞを入力します、複数のｷｰﾜｰﾄﾞを指定する場合はｽﾍﾟｰｽで区切ります"));
    auto* all =
        new wxRadioButton(this, IDC_AND, ToWx("AND検索"), wxPoint(kMargin, 70), wxDefaultSize, wxRB_GROUP);
    auto* any = new wxRadioButton(this, IDC_OR, ToWx("OR検索"), wxPoint(110, 70));
    all->SetToolTip(ToWx("指定したｷｰﾜｰﾄﾞを全て含むﾃﾞｰﾀを一覧に表示します"));
    any->SetToolTip(ToWx("指定したｷｰﾜｰﾄﾞのどれかを含むﾃﾞｰﾀを一覧に表示します"));
    m_keywords->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { m_onEnter(); });
    Bind(wxEVT_SIZE, &CKeywordExtractPage::OnSize, this);
}

void CKeywordExtractPage::Load(const CExtractForm& form)
{
    for (const CString& entry : form.GetHistory()) {
        m_keywords->Append(ToWx(entry));
    }
    m_keywords->SetValue(ToWx(form.keywordText));
    SetCombine(form.combine);
}

void CKeywordExtractPage::Gather(CExtractForm& form) const
{
    form.keywordText = FromWx(m_keywords->GetValue());
}

int CKeywordExtractPage::GetCombine() const
{
    return static_cast<wxRadioButton*>(FindWindow(IDC_AND))->GetValue() ? 0 : 1;
}

void CKeywordExtractPage::SetCombine(int combine)
{
    static_cast<wxRadioButton*>(FindWindow(combine == 0 ? IDC_AND : IDC_OR))->SetValue(true);
}

void CKeywordExtractPage::FocusKeywords()
{
    m_keywords->SetFocus();
}

void CKeywordExtractPage::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const wxSize size = GetClientSize();
    m_keywords->SetSize(size.x - 2 * kMargin, -1);
    const int radioTop = size.y - kMargin - FindWindow(IDC_AND)->GetSize().y;
    FindWindow(IDC_AND)->Move(kMargin, radioTop);
    FindWindow(IDC_OR)->Move(110, radioTop);
}
