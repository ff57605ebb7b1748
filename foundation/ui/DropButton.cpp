#include "foundation/ui/DropButton.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

CDropButton::CDropButton(wxWindow* parent, const wxRect& rect, bool spin)
    : wxWindow(parent, wxID_ANY, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE), m_spin(spin)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CDropButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CDropButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CDropButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CDropButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CDropButton::OnCaptureLost, this);
}

void CDropButton::DrawFace(wxDC& dc, const wxRect& rect, bool pressed, int arrowDirection)
{
    const int left = rect.x;
    const int top = rect.y;
    const int right = rect.x + rect.width;
    const int bottom = rect.y + rect.height;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.DrawRectangle(rect);
    if (!pressed) {
        dc.SetPen(*wxWHITE_PEN);
        dc.DrawLine(left + 1, top + 1, right - 1, top + 1);
        dc.DrawLine(left + 1, top + 1, left + 1, bottom - 1);
        dc.SetPen(wxPen(wxColour(0x40, 0x40, 0x40)));
        dc.DrawLine(right - 2, top + 1, right - 2, bottom - 1);
        dc.DrawLine(left + 1, bottom - 2, right - 1, bottom - 2);
        dc.SetPen(wxPen(wxColour(0x80, 0x80, 0x80)));
        dc.DrawLine(right - 3, top + 2, right - 3, bottom - 2);
        dc.DrawLine(left + 2, bottom - 3, right - 2, bottom - 3);
    }
    const int shift = pressed ? 1 : 0;
    const int x = (left + right) / 2 + shift;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    if (arrowDirection >= 0) {
        // Pointing down.
        const int y = (top + bottom) / 2 - 2 + shift;
        const wxPoint points[] = {{x - 3, y}, {x + 3, y}, {x, y + 3}};
        dc.DrawPolygon(3, points);
    } else {
        const int y = (top + bottom) / 2 + 1 + shift;
        const wxPoint points[] = {{x - 3, y}, {x + 3, y}, {x, y - 3}};
        dc.DrawPolygon(3, points);
    }
}

void CDropButton::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    if (!m_spin) {
        DrawFace(dc, wxRect(size), m_pressed != 0, 1);
        return;
    }
    const int half = size.y / 2;
    DrawFace(dc, wxRect(0, 0, size.x, half), m_pressed == 1, -1);
    DrawFace(dc, wxRect(0, half, size.x, size.y - half), m_pressed == -1, 1);
}

int CDropButton::HalfAt(const wxPoint& point) const
{
    if (!m_spin) {
        return 1;
    }
    return point.y < GetClientSize().y / 2 ? 1 : -1;
}

void CDropButton::OnLeftDown(wxMouseEvent& event)
{
    m_pressed = HalfAt(event.GetPosition());
    if (!HasCapture()) {
        CaptureMouse();
    }
    Refresh();
}

void CDropButton::OnLeftUp(wxMouseEvent& event)
{
    const int pressed = m_pressed;
    m_pressed = 0;
    if (HasCapture()) {
        ReleaseMouse();
    }
    Refresh();
    if (pressed == 0 || !wxRect(GetClientSize()).Contains(event.GetPosition())) {
        return;
    }
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    click.SetInt(m_spin ? pressed : 0);
    ProcessWindowEvent(click);
}

void CDropButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_pressed = 0;
    Refresh();
}
