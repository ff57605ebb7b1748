#pragma once

#include "grid/ui/GridHeading.h"

#include <wx/timer.h>

// The heading rows above the columns: draws them through the heading cells' types, resizes
// columns and heading rows by their edges, fits a column on a double click of its edge, and
// moves a column dragged by its heading, scrolling while the drag lies beyond the cell area.
class CGridTopHeading : public CGridHeading
{
  public:
    explicit CGridTopHeading(CCellGrid& grid);

    int DraggedColumn() const { return m_dragColumn; }
    int DropPosition() const { return m_dropPosition; }
    // The drop position and marker edge for a pointer at x; false off the columns.
    bool DropPositionAt(int x, int& position, int& edge);

  protected:
    void Render(Canvas& dc, CSize size) override;
    void TrackTo(CPoint point) override;
    void FinishTracking() override;
    // Off the edges a press may start a column drag, and the release drops it.
    void PressCells(CPoint point) override;
    void ReleaseCells(CPoint point) override;
    // A double click on a column's edge fits the column.
    void DoubleClickAt(CPoint point) override;
    void MoveOver(CPoint point, bool leftDown) override;

  private:
    void OnDragScroll(wxTimerEvent& event);
    void DragTo(CPoint point);
    void FinishColumnDrag();
    // Each visible cell of the column hears of its new width; the owner may change it.
    void NotifyColumnSized(int column);

    int m_dragColumn = -1;
    int m_dropPosition = -1;
    int m_scrollDirection = 0;
    wxTimer m_dragScroll;
};
