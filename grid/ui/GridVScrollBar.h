#pragma once

#include "grid/ui/GridScrollBar.h"

// The grid's vertical scroll bar: its range follows the row count (a thousand positions for long
// lists, or a resting thumb in the centred mode), and it shows a hint of the row while its thumb
// is dragged.
class CGridVScrollBar : public CGridScrollBar
{
  public:
    explicit CGridVScrollBar(CCellGrid& grid);

  protected:
    CGridScrollRange::Bar ComputeBar() const override;
    void ScrollBy(int kind) override;
    void Track(int position) override;
    void Release(int position) override;
};
