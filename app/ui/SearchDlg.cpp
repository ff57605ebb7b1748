#include "app/ui/SearchDlg.h"

#include "app/SearchState.h"
#include "app/ui/ResourceBitmaps.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_TEXT = 1106;
constexpr int IDC_WHOLE = 1107;
constexpr int IDC_CASE = 1108;
constexpr int IDC_UP = 1109;
constexpr int IDC_DOWN = 1110;
constexpr int IDC_ALL_COLUMNS = 1111;
constexpr int IDC_FROM_TOP = 1184;
constexpr int IDC_FIND = 1;
constexpr int IDC_CANCEL = 2;

} // namespace

CSearchDlg::CSearchDlg(wxWindow* parent, CSearchState& state)
    : CAnchorDialog(parent, 222, "表示中のﾘｽﾄ内の検索", wxDefaultSize), m_state(state)
{
    SetClientSize(470, 150);
    SetHelpTopic("SearchDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxStaticText(this, wxID_ANY, ToWx("検索文字列"), wxPoint(10, 14));
    m_text = new wxComboBox(this, IDC_TEXT, wxString(), wxPoint(90, 10), wxSize(240, -1));
    new wxCheckBox(this, IDC_WHOLE, ToWx("単語単位で検索"), wxPoint(10, 50));
    new wxCheckBox(this, IDC_CASE, ToWx("大文字と小文字を区別する"), wxPoint(10, 75));
    new wxCheckBox(this, IDC_ALL_COLUMNS, ToWx("全ての列を検索"), wxPoint(10, 100));
    new wxStaticBox(this, wxID_ANY, ToWx("検索する方向"), wxPoint(210, 45), wxSize(120, 60));
    new wxRadioButton(this, IDC_UP, ToWx("上へ"), wxPoint(220, 70), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, IDC_DOWN, ToWx("下へ"), wxPoint(275, 70));
    auto* find = new wxButton(this, IDC_FIND, ToWx("次を検索(&F)"), wxPoint(345, 10), wxSize(115, 28));
    new wxButton(this, IDC_FROM_TOP, ToWx("先頭から検索(&T)"), wxPoint(345, 42), wxSize(115, 28));
    new wxButton(this, IDC_CANCEL, ToWx("取消(&C)"), wxPoint(345, 74), wxSize(115, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(345, 110), wxSize(115, 28));
    find->SetDefault();
    SetEscapeId(IDC_CANCEL);
    Bind(wxEVT_BUTTON, &CSearchDlg::OnSearch, this, IDC_FIND);
    Bind(wxEVT_BUTTON, &CSearchDlg::OnSearch, this, IDC_FROM_TOP);
    Bind(wxEVT_BUTTON, &CSearchDlg::OnCancel, this, IDC_CANCEL);
}

bool CSearchDlg::OnInitDialog()
{
    for (const CString& entry : m_state.history) {
        m_text->Append(ToWx(entry));
    }
    const CSearchState::Form form = m_state.GetForm();
    m_text->SetValue(ToWx(form.text));
    SetItemCheck(IDC_WHOLE, form.wholeCell, true);
    SetItemCheck(IDC_CASE, form.caseSensitive, true);
    SetItemCheck(IDC_ALL_COLUMNS, form.allColumns, true);
    SetItemCheck(form.downward ? IDC_DOWN : IDC_UP, true, true);
    m_text->SetFocus();
    return true;
}

void CSearchDlg::OnSearch(wxCommandEvent& event)
{
    if (!AcceptFieldTexts()) {
        return;
    }
    CSearchState::Form form;
    form.text = FromWx(m_text->GetValue());
    form.wholeCell = IsItemChecked(IDC_WHOLE);
    form.caseSensitive = IsItemChecked(IDC_CASE);
    form.allColumns = IsItemChecked(IDC_ALL_COLUMNS);
    form.downward = IsItemChecked(IDC_DOWN);
    m_state.Accept(form, event.GetId() == IDC_FROM_TOP);
    EndModal(event.GetId());
}

void CSearchDlg::OnCancel(wxCommandEvent&)
{
    m_state.Cancel();
    EndModal(IDC_CANCEL);
}
