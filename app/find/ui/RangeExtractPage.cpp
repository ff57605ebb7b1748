#include "app/find/ui/RangeExtractPage.h"

#include "app/find/ExtractForm.h"
#include "app/find/ui/RangeExtractGrid.h"
#include "platform/ui/WxText.h"

#include <wx/radiobut.h>

namespace {

constexpr int IDC_GRID = 1033;
constexpr int IDC_AND = 1114;
constexpr int IDC_OR = 1115;
constexpr int kMargin = 8;

} // namespace

CRangeExtractPage::CRangeExtractPage(wxWindow* parent, CExtractForm& form, std::function<void()> onEnter)
    : wxPanel(parent, 225), m_form(form), m_grid(new CRangeExtractGrid(form))
{
    new wxWindow(this, IDC_GRID, wxPoint(kMargin, kMargin), wxSize(200, 100));
    auto* all =
        new wxRadioButton(this, IDC_AND, ToWx("AND検索"), wxPoint(kMargin, 120), wxDefaultSize, wxRB_GROUP);
    auto* any = new wxRadioButton(this, IDC_OR, ToWx("OR検索"), wxPoint(110, 120));
    all->SetToolTip(ToWx("指定した全ての条件を満たすﾃﾞｰﾀを一覧に表示します"));
    any->SetToolTip(ToWx("指定したどれかの条件を満たすﾃﾞｰﾀを一覧に表示します"));
    m_grid->SetEnterHandler(std::move(onEnter));
    Bind(wxEVT_SIZE, &CRangeExtractPage::OnSize, this);
}

CRangeExtractPage::~CRangeExtractPage()
{
    // Once attached the grid is a child window, which its parent destroys.
    if (m_grid->GetParent() == nullptr) {
        delete m_grid;
    }
}

void CRangeExtractPage::Load()
{
    m_grid->AttachToDialogItem(this, IDC_GRID);
    m_grid->Fill();
    SetCombine(m_form.combine);
}

void CRangeExtractPage::Gather()
{
    m_grid->Gather();
}

int CRangeExtractPage::GetCombine() const
{
    return static_cast<wxRadioButton*>(FindWindow(IDC_AND))->GetValue() ? 0 : 1;
}

void CRangeExtractPage::SetCombine(int combine)
{
    static_cast<wxRadioButton*>(FindWindow(combine == 0 ? IDC_AND : IDC_OR))->SetValue(true);
}

void CRangeExtractPage::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const wxSize size = GetClientSize();
    wxWindow* all = FindWindow(IDC_AND);
    const int radioTop = size.y - kMargin - all->GetSize().y;
    all->Move(kMargin, radioTop);
    FindWindow(IDC_OR)->Move(110, radioTop);
    if (m_grid->GetParent() != nullptr) {
        m_grid->SetSize(kMargin, kMargin, size.x - 2 * kMargin, radioTop - 2 * kMargin);
    }
}
