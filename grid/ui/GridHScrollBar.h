#pragma once

#include <wx/scrolbar.h>

class CCellGrid;

// The grid's horizontal scroll bar: its range follows the column count and the area's width, and
// its moves scroll the columns, with a hint of the column while the thumb is dragged.
class CGridHScrollBar : public wxScrollBar
{
  public:
    explicit CGridHScrollBar(CCellGrid& grid);
    // Sets range, page and position from the current sheet when they changed.
    void UpdateRange();
    // Handles one scroll request (wxEVT_SCROLL_* type) with the thumb at position.
    void Scroll(wxEventType type, int position);

  private:
    void OnScroll(wxScrollEvent& event);
    void OnRightDown(wxMouseEvent& event);

    CCellGrid& m_grid;
    int m_range = -1;
    int m_thumb = -1;
    int m_position = -1;
};
