#pragma once

#include <wx/window.h>

// The small arrow button beside a field, drawn as a raised face with bevelled edges: one arrow
// down that opens a drop list, or a spin pair of arrows up and down. A click sends wxEVT_BUTTON
// to the field, with GetInt() +1 for the upper and -1 for the lower half of a spin pair.
class CDropButton : public wxWindow
{
  public:
    CDropButton(wxWindow* parent, const wxRect& rect, bool spin);

    bool IsSpin() const { return m_spin; }
    // Draws the button face into rect (pressed: without the raised edge, arrow one pixel lower).
    static void DrawFace(wxDC& dc, const wxRect& rect, bool pressed, int arrowDirection);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    // 0 for a drop button, else +1 for a point in the upper half, -1 for the lower one.
    int HalfAt(const wxPoint& point) const;

    bool m_spin;
    int m_pressed = 0; // 0 none, else the half (or 1 for the drop button)
};
