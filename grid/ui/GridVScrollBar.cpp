#include "grid/ui/GridVScrollBar.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridHintWnd.h"

CGridVScrollBar::CGridVScrollBar(CCellGrid& grid)
    : CGridScrollBar(grid, GridPartId::VScrollBar, wxSB_VERTICAL, GridSection::VScrollBar)
{
}

void CGridVScrollBar::Release(int position)
{
    if (m_grid.CurrentSheet()->vLiveScroll != CGridScrollRange::kCentredThumb) {
        CGridScrollBar::Release(position);
        return;
    }
    m_grid.HintWindow()->HideHint();
    if (position != 1) {
        m_grid.ScrollRows(position < 1 ? MoveKind::PageBack : MoveKind::PageForward);
    }
}
