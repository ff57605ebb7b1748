#pragma once

#include "grid/ui/GridScrollBar.h"

// The grid's horizontal scroll bar: its range follows the column count and the area's width, and
// it shows a hint of the column while its thumb is dragged.
class CGridHScrollBar : public CGridScrollBar
{
  public:
    explicit CGridHScrollBar(CCellGrid& grid);
};
