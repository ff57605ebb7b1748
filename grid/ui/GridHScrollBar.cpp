#include "grid/ui/GridHScrollBar.h"

#include "grid/ui/CellGrid.h"

CGridHScrollBar::CGridHScrollBar(CCellGrid& grid)
    : CGridScrollBar(grid, GridPartId::HScrollBar, wxSB_HORIZONTAL, GridSection::HScrollBar)
{
}
