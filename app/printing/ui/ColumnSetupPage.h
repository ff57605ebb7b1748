#pragma once

#include "app/printing/ui/PageSetupPage.h"

class CPrintColumnGrid;
class wxCheckBox;

// The columns tab of the page setup: how each list column prints on list pages and on single
// sheets, and whether list pages carry a photo column.
class CColumnSetupPage : public CPageSetupPage
{
  public:
    explicit CColumnSetupPage(wxWindow* parent);

    void Load(CPageSetupModel& model) override;
    void Save(CPageSetupModel& model) override;

    CPrintColumnGrid* Grid() const { return m_grid; }

  private:
    CPrintColumnGrid* m_grid;
    wxCheckBox* m_photos;
};
