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
    virtual bool HeadingCellAt(CPoint point, int& column, int& row, CRect& rect) = 0;

  protected:
    // The sizing zone under the pointer; none while the sheet does not allow sizing.
    virtual CGridHitZones::Hit HitSizing(CPoint point) = 0;
    void BeginTracking(CPoint point);
    void EndTracking();
    // Shows the marker over a rectangle of this heading's coordinates stretched over the grid.
    void ShowMarkerAcrossGrid(bool vertical, int position);
    void HideMarker();
    void UpdateTip(CPoint point);
    const wxCursor& SizingCursor() const;

    void OnSetCursor(wxSetCursorEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    int m_section;
    CGridHitZones::Hit m_hit;
    bool m_tracking = false;
    int m_startSize = 0;
    CPoint m_startPoint;
    int m_startTotal = 0;
    int m_tipColumn = -100;
    int m_tipRow = -100;
};
