#include "grid/ui/GridScrollBar.h"

#include "grid/GridHintPlacement.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridHintWnd.h"
#include "platform/ui/GtkGlue.h"

CGridScrollBar::CGridScrollBar(CCellGrid& grid, int id, long style, int section)
    : m_grid(grid), m_section(section)
{
    Create(&grid, id, wxDefaultPosition, wxDefaultSize, style);
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
          wxEVT_SCROLL_TOP, wxEVT_SCROLL_BOTTOM, wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE}) {
        Bind(type, &CGridScrollBar::OnScroll, this);
    }
    Bind(wxEVT_RIGHT_DOWN, &CGridScrollBar::OnRightDown, this);
}

bool CGridScrollBar::FitsIn(const wxSize& size)
{
    if (IsShown()) {
        m_least = GtkGlue::GetMinimumSize(*this);
    }
    return size.x >= m_least.x && size.y >= m_least.y;
}

void CGridScrollBar::UpdateRange()
{
    const CGridScrollRange::Bar bar = ComputeBar();
    if (bar.range == m_range && bar.thumb == m_thumb && bar.position == m_position) {
        return;
    }
    m_range = bar.range;
    m_thumb = bar.thumb;
    m_position = bar.position;
    SetScrollbar(bar.position, bar.thumb, bar.range, bar.thumb, true);
}

void CGridScrollBar::OnScroll(wxScrollEvent& event)
{
    Scroll(event.GetEventType(), event.GetPosition());
}

void CGridScrollBar::Scroll(wxEventType type, int position)
{
    m_grid.CellArea()->SetFocus();
    m_grid.SetSelectionTrigger(SelectionTrigger::ScrollBar);
    if (type == wxEVT_SCROLL_LINEUP) {
        ScrollBy(MoveKind::Back);
    } else if (type == wxEVT_SCROLL_LINEDOWN) {
        ScrollBy(MoveKind::Forward);
    } else if (type == wxEVT_SCROLL_PAGEUP) {
        ScrollBy(MoveKind::PageBack);
    } else if (type == wxEVT_SCROLL_PAGEDOWN) {
        ScrollBy(MoveKind::PageForward);
    } else if (type == wxEVT_SCROLL_TOP) {
        ScrollBy(MoveKind::First);
    } else if (type == wxEVT_SCROLL_BOTTOM) {
        ScrollBy(MoveKind::Last);
    } else if (type == wxEVT_SCROLL_THUMBTRACK) {
        Track(position);
    } else if (type == wxEVT_SCROLL_THUMBRELEASE) {
        Release(position);
    }
    m_grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    // The toolkit moved the thumb itself; put it where the grid now stands, except while it is
    // being dragged.
    if (type != wxEVT_SCROLL_THUMBTRACK) {
        m_position = -1;
        UpdateRange();
    }
}

void CGridScrollBar::ScrollBy(int kind)
{
    if (IsVertical()) {
        m_grid.ScrollRows(kind);
    } else {
        m_grid.ScrollColumns(kind);
    }
}

CGridScrollRange::Bar CGridScrollBar::ComputeBar() const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    if (IsVertical()) {
        return CGridScrollRange::Vertical(sheet.rowCount, sheet.lockedRows, sheet.areaHeight,
                                          sheet.defaultRowHeight, sheet.vLiveScroll, sheet.topRow);
    }
    return CGridScrollRange::Horizontal(sheet.colCount, sheet.lockedColumns, sheet.areaWidth,
                                        sheet.lockedWidth, sheet.defaultColumnWidth, sheet.leftColumn);
}

int CGridScrollBar::IndexAt(int position) const
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    if (IsVertical()) {
        return CGridScrollRange::RowAtPosition(sheet.rowCount, sheet.lockedRows, sheet.vLiveScroll, position);
    }
    return CGridScrollRange::ColumnAtPosition(sheet.lockedColumns, position);
}

void CGridScrollBar::ScrollToIndex(int index)
{
    if (IsVertical()) {
        m_grid.ScrollToTopRow(index);
    } else {
        m_grid.ScrollToLeftCol(index);
    }
}

void CGridScrollBar::Track(int position)
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const bool vertical = IsVertical();
    const int index = IndexAt(position);
    if ((vertical ? sheet.vLiveScroll : sheet.hLiveScroll) == CGridScrollRange::kLiveThumb) {
        ScrollToIndex(index);
    }
    CString text;
    const bool hint = vertical ? sheet.vScrollHint && m_grid.OnVScrollHint(index, text)
                               : sheet.hScrollHint && m_grid.OnHScrollHint(index, text);
    if (!hint) {
        return;
    }
    const wxPoint pointer = m_grid.ScreenToClient(wxGetMousePosition());
    if (vertical) {
        m_grid.HintWindow()->ShowHint(text, CPoint(GetPosition().x - 1, pointer.y),
                                      CGridHintPlacement::kEndAtX | CGridHintPlacement::kCentreY, 40);
    } else {
        m_grid.HintWindow()->ShowHint(text, CPoint(pointer.x, GetPosition().y - 1),
                                      CGridHintPlacement::kCentreX | CGridHintPlacement::kEndAtY, 20);
    }
}

void CGridScrollBar::Release(int position)
{
    m_grid.HintWindow()->HideHint();
    ScrollToIndex(IndexAt(position));
}

void CGridScrollBar::OnRightDown(wxMouseEvent& event)
{
    if (m_grid.CurrentSheet()->popupMenuEnabled) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        m_grid.ShowPopupMenu(0, 0, CPoint(screen.x, screen.y), m_section);
    }
    event.Skip();
}
