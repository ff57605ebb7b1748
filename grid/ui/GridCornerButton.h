#pragma once

#include "grid/ui/GridPartWindow.h"

// The button where the headings meet: draws the corner cell, and resizes the side heading's
// width or the top heading's height when its right or bottom edge is dragged.
class CGridCornerButton : public CGridPartWindow
{
  public:
    explicit CGridCornerButton(CCellGrid& grid);

  protected:
    void Render(Canvas& dc, CSize size) override;

  private:
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnDouble(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    CRect CornerRect() const;

    int m_zone = 0;
    bool m_tracking = false;
};
