#pragma once

#include "grid/GridHitZones.h"
#include "grid/ui/GridPartWindow.h"

// What the two headings share: the flow of the mouse over them (the sizing drag of their edges
// with its marker, presses and double clicks offered to the cell's type and then to the owner's
// notifications of that heading), and the tips of heading cells.
class CGridHeading : public CGridPartWindow
{
  public:
    CGridHeading(CCellGrid& grid, int id, int section);

    bool IsTracking() const { return m_tracking; }
    const CGridHitZones::Hit& SizingHit() const { return m_hit; }

    // The heading cell under a point with its rectangle (the whole join when joined); false off
    // the cells.
    bool HeadingCellAt(CPoint point, int& column, int& row, CRect& rect);

  protected:
    // The steps of an edge's sizing drag: the pointer moved to a point, the button was let go.
    virtual void TrackTo(CPoint point) = 0;
    virtual void FinishTracking() = 0;
    // An edge's sizing drag began at the point.
    virtual void SizingStarted(CPoint /*point*/) {}
    // The left button pressed or let go off the sizing edges, and a double click.
    virtual void PressCells(CPoint point) { DispatchButton(true, 1, point); }
    virtual void ReleaseCells(CPoint point) { DispatchButton(true, 0, point); }
    virtual void DoubleClickAt(CPoint point) { DispatchDoubleClick(point); }
    // The pointer moves while no edge is dragged.
    virtual void MoveOver(CPoint point, bool /*leftDown*/) { HoverAt(point); }

    // The sizing zone under the pointer; none while the sheet does not allow sizing.
    CGridHitZones::Hit HitSizing(CPoint point);
    // A left press: takes the focus and starts dragging the edge under the point; false when
    // the point is on no sizing edge.
    bool StartSizing(CPoint point);
    // The pointer moves with no button drag: the sizing zone and the tip follow it.
    void HoverAt(CPoint point);
    // After a column (row) took a new size while dragged: the marker at its edge when the sheet
    // sizes on release, else the whole grid at once.
    void ShowSizedEdge(int column, int row);
    // Offers a button event on the cell under the point to the cell's type, then to the owner;
    // false off the cells.
    bool DispatchButton(bool left, int down, CPoint point);
    void DispatchDoubleClick(CPoint point);
    void BeginTracking(CPoint point);
    void EndTracking();
    // Shows the marker over a rectangle of this heading's coordinates stretched over the grid.
    void ShowMarkerAcrossGrid(bool vertical, int position);
    void HideMarker();
    void UpdateTip(CPoint point);
    const wxCursor& SizingCursor() const;

    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDouble(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);

    // This heading's notifications of the owner for a button and a double click on a cell.
    void NotifyButton(bool left, int column, int row, int down, const CRect& rect, CPoint point,
                      int processed);
    void NotifyDoubleClick(int column, int row, const CRect& rect, CPoint point, int processed);

    int m_section;
    CGridHitZones::Hit m_hit;
    bool m_tracking = false;
    int m_startSize = 0;
    CPoint m_startPoint;
    int m_startTotal = 0;
    int m_tipColumn = -100;
    int m_tipRow = -100;
};
