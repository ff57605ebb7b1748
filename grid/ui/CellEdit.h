#pragma once

#include "grid/ui/CellEditBase.h"

// The default in-cell edit: several lines, and it grows to the right cell by cell and then
// downwards while its text outgrows the cell, never beyond the cell area and never smaller.
class CCellEdit : public CCellEditBase
{
  public:
    explicit CCellEdit(CCellGrid& grid);

    void EnableGrow(bool enable) { m_growEnabled = enable; }
    // Grows the window to show its text (with room for the next characters).
    void Grow();

  protected:
    void OnOpened() override;
    void OnTextShown() override { Grow(); }

  private:
    void OnText(wxCommandEvent& event);

    bool m_growEnabled = true;
    bool m_growing = false;
};
