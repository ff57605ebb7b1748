#include "grid/ui/GridHScrollBar.h"

#include "grid/GridHintPlacement.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridHintWnd.h"

CGridHScrollBar::CGridHScrollBar(CCellGrid& grid)
    : CGridScrollBar(grid, GridPartId::HScrollBar, wxSB_HORIZONTAL, GridSection::HScrollBar)
{
}

CGridScrollRange::Bar CGridHScrollBar::ComputeBar() const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    return CGridScrollRange::Horizontal(sheet.colCount, sheet.lockedColumns, sheet.areaWidth,
                                        sheet.lockedWidth, sheet.defaultColumnWidth, sheet.leftColumn);
}

void CGridHScrollBar::ScrollBy(int kind)
{
    m_grid.ScrollColumns(kind);
}

void CGridHScrollBar::Track(int position)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const int column = CGridScrollRange::ColumnAtPosition(sheet.lockedColumns, position);
    if (sheet.hLiveScroll == CGridScrollRange::kLiveThumb) {
        m_grid.ScrollToLeftCol(column);
    }
    CString text;
    if (sheet.hScrollHint && m_grid.OnHScrollHint(column, text)) {
        const wxPoint pointer = m_grid.ScreenToClient(wxGetMousePosition());
        m_grid.HintWindow()->ShowHint(text, CPoint(pointer.x, GetPosition().y - 1),
                                      CGridHintPlacement::kCentreX | CGridHintPlacement::kEndAtY, 20);
    }
}

void CGridHScrollBar::Release(int position)
{
    m_grid.HintWindow()->HideHint();
    m_grid.ScrollToLeftCol(
        CGridScrollRange::ColumnAtPosition(m_grid.CurrentSheet()->lockedColumns, position));
}
