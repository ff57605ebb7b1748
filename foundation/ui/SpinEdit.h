#pragma once

#include "foundation/SpinSteps.h"
#include "foundation/ui/HostedField.h"

// A typed field with a spin button that steps its value up and down; Ctrl+Up and Ctrl+Down
// step too. The dialog may veto a step.
class CSpinEdit : public CHostedField
{
  public:
    void SetIntegerFormat(const IntegerFormat* format, int step);
    void SetRealFormat(const RealFormat* format, double step);
    // step in ten-thousandths
    void SetDecimalFormat(const DecimalFormat* format, int64_t step);
    // The date, time and year-month steps; the modes are set on the edit.
    CSpinSteps& GetSteps() { return m_steps; }

    // One step up or down, as a click on the button does; false when the dialog vetoed it.
    bool Step(bool up);

  protected:
    int SideWidth() const override { return 16; }
    wxWindow* CreateSide(const wxRect& rect) override;
    void OnAttached() override;
    void OnEditChange() override;
    void OnEditKillFocus() override;

  private:
    CSpinSteps m_steps;
};
