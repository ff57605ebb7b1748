#pragma once

#include "grid/GridScrollRange.h"

#include <wx/scrolbar.h>

class CCellGrid;

// What the grid's two scroll bars share: the range follows the current sheet's columns or rows,
// the bar's moves scroll the grid as scroll-bar moves of the selection, a dragged thumb shows the
// owner's hint, and a right click opens the popup menu.
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
    // The thumb is let go at position: the column or row there comes first.
    virtual void Release(int position);

    CCellGrid& m_grid;

  private:
    CGridScrollRange::Bar ComputeBar() const;
    // A relative scroll (MoveKind) of the bar's direction.
    void ScrollBy(int kind);
    // The column or row that the thumb at position stands for, and the scroll that puts it first.
    int IndexAt(int position) const;
    void ScrollToIndex(int index);
    // The thumb is dragged over position: the grid follows a live thumb, and the owner's text
    // for the column or row shows beside the bar at the pointer.
    void Track(int position);
    void OnScroll(wxScrollEvent& event);
    void OnRightDown(wxMouseEvent& event);

    int m_section;
    int m_range = -1;
    int m_thumb = -1;
    int m_position = -1;
    wxSize m_least;
};
