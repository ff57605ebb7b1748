#include "grid/ui/GridHScrollBar.h"

#include "grid/GridHintPlacement.h"
#include "grid/GridScrollRange.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridHintWnd.h"

CGridHScrollBar::CGridHScrollBar(CCellGrid& grid) : m_grid(grid)
{
    Create(&grid, GridPartId::HScrollBar, wxDefaultPosition, wxDefaultSize, wxSB_HORIZONTAL);
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
          wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE}) {
        Bind(type, &CGridHScrollBar::OnScroll, this);
    }
    Bind(wxEVT_RIGHT_DOWN, &CGridHScrollBar::OnRightDown, this);
}

void CGridHScrollBar::UpdateRange()
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const CGridScrollRange::Bar bar =
        CGridScrollRange::Horizontal(sheet.colCount, sheet.lockedColumns, sheet.areaWidth, sheet.lockedWidth,
                                     sheet.defaultColumnWidth, sheet.leftColumn);
    if (bar.range == m_range && bar.thumb == m_thumb && bar.position == m_position) {
        return;
    }
    m_range = bar.range;
    m_thumb = bar.thumb;
    m_position = bar.position;
    SetScrollbar(bar.position, bar.thumb, bar.range, bar.thumb, true);
}

void CGridHScrollBar::OnScroll(wxScrollEvent& event)
{
    Scroll(event.GetEventType(), event.GetPosition());
}

void CGridHScrollBar::Scroll(wxEventType type, int position)
{
    CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.CellArea()->SetFocus();
    m_grid.SetSelectionTrigger(SelectionTrigger::ScrollBar);
    if (type == wxEVT_SCROLL_LINEUP) {
        m_grid.ScrollColumns(MoveKind::Back);
    } else if (type == wxEVT_SCROLL_LINEDOWN) {
        m_grid.ScrollColumns(MoveKind::Forward);
    } else if (type == wxEVT_SCROLL_PAGEUP) {
        m_grid.ScrollColumns(MoveKind::PageBack);
    } else if (type == wxEVT_SCROLL_PAGEDOWN) {
        m_grid.ScrollColumns(MoveKind::PageForward);
    } else if (type == wxEVT_SCROLL_TOP) {
        m_grid.ScrollColumns(MoveKind::First);
    } else if (type == wxEVT_SCROLL_BOTTOM) {
        m_grid.ScrollColumns(MoveKind::Last);
    } else if (type == wxEVT_SCROLL_THUMBTRACK) {
        const int column = CGridScrollRange::ColumnAtPosition(sheet.lockedColumns, position);
        if (sheet.hLiveScroll == CGridScrollRange::kLiveThumb) {
            m_grid.ScrollToLeftCol(column);
        }
        CString text;
        if (sheet.hScrollHint && m_grid.OnHScrollHint(column, text) && m_grid.HintWindow() != nullptr) {
            const wxPoint pointer = m_grid.ScreenToClient(wxGetMousePosition());
            m_grid.HintWindow()->ShowHint(text, CPoint(pointer.x, GetPosition().y - 1),
                                          CGridHintPlacement::kCentreX | CGridHintPlacement::kEndAtY, 20);
        }
    } else if (type == wxEVT_SCROLL_THUMBRELEASE) {
        if (m_grid.HintWindow() != nullptr) {
            m_grid.HintWindow()->HideHint();
        }
        m_grid.ScrollToLeftCol(CGridScrollRange::ColumnAtPosition(sheet.lockedColumns, position));
    }
    m_grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    // The toolkit moved the thumb itself; put it where the grid now stands, except while it is
    // being dragged.
    if (type != wxEVT_SCROLL_THUMBTRACK) {
        m_position = -1;
        UpdateRange();
    }
}

void CGridHScrollBar::OnRightDown(wxMouseEvent& event)
{
    if (m_grid.CurrentSheet()->popupMenuEnabled) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        m_grid.ShowPopupMenu(0, 0, CPoint(screen.x, screen.y), GridSection::HScrollBar);
    }
    event.Skip();
}
