#pragma once

#include <wx/scrolbar.h>

class CCellGrid;

// The grid's vertical scroll bar: its range follows the row count (a thousand positions for long
// lists, or a resting thumb in the centred mode), and its moves scroll the rows, with a hint of
// the row while the thumb is dragged.
class CGridVScrollBar : public wxScrollBar
{
  public:
    explicit CGridVScrollBar(CCellGrid& grid);
    void UpdateRange();
    void Scroll(wxEventType type, int position);

  private:
    void OnScroll(wxScrollEvent& event);
    void OnRightDown(wxMouseEvent& event);

    CCellGrid& m_grid;
    int m_range = -1;
    int m_thumb = -1;
    int m_position = -1;
};
