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
    void SizingStarted(CPoint point) override;
    void TrackTo(CPoint point) override;
    void FinishTracking() override;

  private:
    // Whole rows above the pointer when a uniform row height is dragged.
    int m_rowsAbove = 1;
};
