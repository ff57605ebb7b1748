#pragma once

#include "grid/ui/GridHeading.h"

// The heading columns left of the rows: draws them through the heading cells' types and resizes
// rows and heading columns by their edges.
class CGridSideHeading : public CGridHeading
{
  public:
    explicit CGridSideHeading(CCellGrid& grid);

  protected:
    void Render(Canvas& dc, CSize size) override;
    CGridHitZones::Hit HitSizing(CPoint point) override;
    void NotifyButton(bool left, int column, int row, int down, const CRect& rect, CPoint point,
                      int processed) override;
    void NotifyDoubleClick(int column, int row, const CRect& rect, CPoint point, int processed) override;

  private:
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDouble(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);

    void TrackTo(CPoint point);
    void FinishTracking();

    // Whole rows above the pointer when a uniform row height is dragged.
    int m_rowsAbove = 1;
};
