#include "grid/ui/GridVScrollBar.h"

#include "grid/GridHintPlacement.h"
#include "grid/GridScrollRange.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridHintWnd.h"

CGridVScrollBar::CGridVScrollBar(CCellGrid& grid) : m_grid(grid)
{
    Create(&grid, GridPartId::VScrollBar, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
          wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE}) {
        Bind(type, &CGridVScrollBar::OnScroll, this);
    }
    Bind(wxEVT_RIGHT_DOWN, &CGridVScrollBar::OnRightDown, this);
}

void CGridVScrollBar::UpdateRange()
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const CGridScrollRange::Bar bar =
        CGridScrollRange::Vertical(sheet.rowCount, sheet.lockedRows, sheet.areaHeight, sheet.defaultRowHeight,
                                   sheet.vLiveScroll, sheet.topRow);
    if (bar.range == m_range && bar.thumb == m_thumb && bar.position == m_position) {
        return;
    }
    m_range = bar.range;
    m_thumb = bar.thumb;
    m_position = bar.position;
    SetScrollbar(bar.position, bar.thumb, bar.range, bar.thumb, true);
}

void CGridVScrollBar::OnScroll(wxScrollEvent& event)
{
    Scroll(event.GetEventType(), event.GetPosition());
}

void CGridVScrollBar::Scroll(wxEventType type, int position)
{
    CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    m_grid.CellArea()->SetFocus();
    m_grid.SetSelectionTrigger(SelectionTrigger::ScrollBar);
    const bool centred = sheet.vLiveScroll == CGridScrollRange::kCentredThumb;
    if (type == wxEVT_SCROLL_LINEUP) {
        m_grid.ScrollRows(MoveKind::Back);
    } else if (type == wxEVT_SCROLL_LINEDOWN) {
        m_grid.ScrollRows(MoveKind::Forward);
    } else if (type == wxEVT_SCROLL_PAGEUP) {
        m_grid.ScrollRows(MoveKind::PageBack);
    } else if (type == wxEVT_SCROLL_PAGEDOWN) {
        m_grid.ScrollRows(MoveKind::PageForward);
    } else if (type == wxEVT_SCROLL_TOP) {
        m_grid.ScrollRows(MoveKind::First);
    } else if (type == wxEVT_SCROLL_BOTTOM) {
        m_grid.ScrollRows(MoveKind::Last);
    } else if (type == wxEVT_SCROLL_THUMBTRACK) {
        const int row =
            CGridScrollRange::RowAtPosition(sheet.rowCount, sheet.lockedRows, sheet.vLiveScroll, position);
        if (sheet.vLiveScroll == CGridScrollRange::kLiveThumb) {
            m_grid.ScrollToTopRow(row);
        }
        CString text;
        if (sheet.vScrollHint && m_grid.OnVScrollHint(row, text) && m_grid.HintWindow() != nullptr) {
            const wxPoint pointer = m_grid.ScreenToClient(wxGetMousePosition());
            m_grid.HintWindow()->ShowHint(text, CPoint(GetPosition().x - 1, pointer.y),
                                          CGridHintPlacement::kEndAtX | CGridHintPlacement::kCentreY, 40);
        }
    } else if (type == wxEVT_SCROLL_THUMBRELEASE) {
        if (m_grid.HintWindow() != nullptr) {
            m_grid.HintWindow()->HideHint();
        }
        if (centred) {
            // The resting thumb pages in the direction it was pulled.
            if (position != 1) {
                m_grid.ScrollRows(position < 1 ? MoveKind::PageBack : MoveKind::PageForward);
            }
        } else {
            m_grid.ScrollToTopRow(CGridScrollRange::RowAtPosition(sheet.rowCount, sheet.lockedRows,
                                                                  sheet.vLiveScroll, position));
        }
    }
    m_grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    // The toolkit moved the thumb itself; put it where the grid now stands, except while it is
    // being dragged.
    if (type != wxEVT_SCROLL_THUMBTRACK) {
        m_position = -1;
        UpdateRange();
    }
}

void CGridVScrollBar::OnRightDown(wxMouseEvent& event)
{
    if (m_grid.CurrentSheet()->popupMenuEnabled) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        m_grid.ShowPopupMenu(0, 0, CPoint(screen.x, screen.y), GridSection::VScrollBar);
    }
    event.Skip();
}
