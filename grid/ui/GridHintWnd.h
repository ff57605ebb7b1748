#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

#include <wx/popupwin.h>

class CCellGrid;

// The small pale yellow window that shows a short text beside the pointer while a scroll thumb
// is dragged; it never takes the focus.
class CGridHintWnd : public wxPopupWindow
{
  public:
    explicit CGridHintWnd(CCellGrid& grid);

    const CString& Text() const { return m_text; }
    // Shows text at point (grid client coordinates) by the placement flags, at least minWidth
    // wide, kept inside the grid.
    void ShowHint(const CString& text, CPoint point, unsigned flags, int minWidth);
    void HideHint();

  private:
    void OnPaint(wxPaintEvent& event);

    CCellGrid& m_grid;
    CString m_text;
};
