#pragma once

#include "grid/GridHitZones.h"
#include "grid/ui/GridPartWindow.h"

// What the two headings share: the sizing drag of their edges with its marker, and the tips of
// heading cells.
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
    // The sizing zone under the pointer; none while the sheet does not allow sizing.
    virtual CGridHitZones::Hit HitSizing(CPoint point) = 0;
    // This heading's notifications of the owner for a button and a double click on a cell.
    virtual void NotifyButton(bool left, int column, int row, int down, const CRect& rect, CPoint point,
                              int processed) = 0;
    virtual void NotifyDoubleClick(int column, int row, const CRect& rect, CPoint point, int processed) = 0;
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

    void OnSetCursor(wxSetCursorEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);

    int m_section;
    CGridHitZones::Hit m_hit;
    bool m_tracking = false;
    int m_startSize = 0;
    CPoint m_startPoint;
    int m_startTotal = 0;
    int m_tipColumn = -100;
    int m_tipRow = -100;
};
