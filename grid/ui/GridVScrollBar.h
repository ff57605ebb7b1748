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
    // The resting thumb of the centred mode pages in the direction it was pulled.
    void Release(int position) override;
};
