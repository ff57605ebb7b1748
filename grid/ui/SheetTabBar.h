#pragma once

#include "grid/SheetTabStrip.h"
#include "grid/ui/GridPartWindow.h"

// The sheet tab bar at the left of the horizontal scroll bar: draws its tabs and arrow buttons,
// chooses a tab on a click, and resizes itself when its right edge is dragged.
class CSheetTabBar : public CGridPartWindow
{
  public:
    explicit CSheetTabBar(CCellGrid& grid);
    CSheetTabStrip& Strip() { return m_strip; }

  protected:
    void Render(Canvas& dc, CSize size) override;

  private:
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnResize(wxSizeEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    CSheetTabStrip m_strip;
    bool m_sizing = false;
};
