#pragma once

#include "app/printing/ui/PageSetupPage.h"
#include "foundation/ui/SpinEdit.h"

#include <array>

// The margins tab of the page setup: the four margins and the heights of the header and footer
// bands, in millimetres.
class CMarginSetupPage : public CPageSetupPage
{
  public:
    explicit CMarginSetupPage(wxWindow* parent);

    void Load(CPageSetupModel& model) override;
    void Save(CPageSetupModel& model) override;

  private:
    // In the order of the settings' margins.
    std::array<CSpinEdit, 6> m_spins;
};
