#include "app/printing/ui/ColumnSetupPage.h"

#include "app/printing/PageSetupModel.h"
#include "app/printing/ui/PrintColumnGrid.h"
#include "grid/GridEditWindow.h"
#include "platform/ui/WxText.h"

#include <wx/checkbox.h>

namespace {

constexpr int idGrid = 1033;
constexpr int idPhotos = 1006;

} // namespace

CColumnSetupPage::CColumnSetupPage(wxWindow* parent) : CPageSetupPage(parent, 238)
{
    new wxWindow(this, idGrid, wxPoint(10, 10), wxSize(510, 300));
    m_photos = new wxCheckBox(this, idPhotos, ToWx("一覧に写真を出力する"), wxPoint(10, 320));
    m_grid = new CPrintColumnGrid();
    m_grid->AttachToDialogItem(this, idGrid);
    m_grid->Setup();
}

void CColumnSetupPage::Load(CPageSetupModel& model)
{
    m_grid->Load(model);
    m_photos->SetValue(model.Settings().listPhotos);
}

void CColumnSetupPage::Save(CPageSetupModel& model)
{
    // A width still being typed counts.
    if (m_grid->IsEditing() && m_grid->ActiveEditWindow() != nullptr) {
        m_grid->FinishEdit(m_grid->ActiveEditWindow()->GetText(), 0, 0, -1, -1);
    }
    model.Settings().listPhotos = m_photos->GetValue();
}
