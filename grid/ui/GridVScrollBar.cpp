#include "grid/ui/GridVScrollBar.h"

#include "grid/GridHintPlacement.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridHintWnd.h"

CGridVScrollBar::CGridVScrollBar(CCellGrid& grid)
    : CGridScrollBar(grid, GridPartId::VScrollBar, wxSB_VERTICAL, GridSection::VScrollBar)
{
}

CGridScrollRange::Bar CGridVScrollBar::ComputeBar() const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    return CGridScrollRange::Vertical(sheet.rowCount, sheet.lockedRows, sheet.areaHeight,
                                      sheet.defaultRowHeight, sheet.vLiveScroll, sheet.topRow);
}

void CGridVScrollBar::ScrollBy(int kind)
{
    m_grid.ScrollRows(kind);
}

void CGridVScrollBar::Track(int position)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const int row =
        CGridScrollRange::RowAtPosition(sheet.rowCount, sheet.lockedRows, sheet.vLiveScroll, position);
    if (sheet.vLiveScroll == CGridScrollRange::kLiveThumb) {
        m_grid.ScrollToTopRow(row);
    }
    CString text;
    if (sheet.vScrollHint && m_grid.OnVScrollHint(row, text)) {
        const wxPoint pointer = m_grid.ScreenToClient(wxGetMousePosition());
        m_grid.HintWindow()->ShowHint(text, CPoint(GetPosition().x - 1, pointer.y),
                                      CGridHintPlacement::kEndAtX | CGridHintPlacement::kCentreY, 40);
    }
}

void CGridVScrollBar::Release(int position)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.HintWindow()->HideHint();
    if (sheet.vLiveScroll == CGridScrollRange::kCentredThumb) {
        // The resting thumb pages in the direction it was pulled.
        if (position != 1) {
            m_grid.ScrollRows(position < 1 ? MoveKind::PageBack : MoveKind::PageForward);
        }
        return;
    }
    m_grid.ScrollToTopRow(
        CGridScrollRange::RowAtPosition(sheet.rowCount, sheet.lockedRows, sheet.vLiveScroll, position));
}
