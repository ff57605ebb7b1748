#pragma once

#include "grid/GridScrollRange.h"

#include <wx/scrolbar.h>

class CCellGrid;

// What the grid's two scroll bars share: the range follows the current sheet, the bar's moves
// scroll the grid as scroll-bar moves of the selection, and a right click opens the popup menu.
class CGridScrollBar : public wxScrollBar
{
  public:
    CGridScrollBar(CCellGrid& grid, int id, long style, int section);
    // Sets range, page and position from the current sheet when they changed.
    void UpdateRange();
    // Handles one scroll request (wxEVT_SCROLL_* type) with the thumb at position.
    void Scroll(wxEventType type, int position);
    // Whether GTK can lay the bar out in a rectangle of that size: its arrows and thumb need
    // some room. GTK measures a shown bar only, so the last measure is kept while it is hidden.
    bool FitsIn(const wxSize& size);

  protected:
    virtual CGridScrollRange::Bar ComputeBar() const = 0;
    // A relative scroll (MoveKind).
    virtual void ScrollBy(int kind) = 0;
    // The thumb is being dragged over position, or was let go there.
    virtual void Track(int position) = 0;
    virtual void Release(int position) = 0;

    CCellGrid& m_grid;

  private:
    void OnScroll(wxScrollEvent& event);
    void OnRightDown(wxMouseEvent& event);

    int m_section;
    int m_range = -1;
    int m_thumb = -1;
    int m_position = -1;
    wxSize m_least;
};
