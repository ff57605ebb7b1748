#include "shell/ui/ColorSwatch.h"

#include "res/images/BitmapArt.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/dcbuffer.h>

CColorSwatch::CColorSwatch(wxWindow* parent, int id, const wxPoint& position, const wxSize& size)
    : wxControl(parent, id, position, size, wxBORDER_SIMPLE | wxFULL_REPAINT_ON_RESIZE)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CColorSwatch::OnPaint, this);
    Bind(wxEVT_LEFT_UP, &CColorSwatch::OnLeftUp, this);
}

void CColorSwatch::SetColor(COLORREF color)
{
    m_color = color;
    if (color == kDefaultColor) {
        m_picture = CResourceBitmaps::GetBitmap(CBitmapArt::kTransparentPattern);
    } else {
        m_picture = wxNullBitmap;
        SetBackgroundColour(wxColour(GetRValue(color), GetGValue(color), GetBValue(color)));
    }
    Refresh();
}

void CColorSwatch::SetPicture(const wxBitmap& picture)
{
    m_picture = picture;
    Refresh();
}

void CColorSwatch::SetLabel(const wxString& label)
{
    wxControl::SetLabel(label);
    Refresh();
}

void CColorSwatch::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    const wxSize size = GetClientSize();
    if (m_picture.IsOk()) {
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.DrawBitmap(m_picture, (size.x - m_picture.GetWidth()) / 2, (size.y - m_picture.GetHeight()) / 2,
                      true);
    } else {
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
    }
    const wxString label = GetLabel();
    if (!label.empty()) {
        dc.SetFont(GetFont());
        dc.SetTextForeground(GetForegroundColour());
        const wxSize extent = dc.GetTextExtent(label);
        dc.DrawText(label, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
    }
}

void CColorSwatch::OnLeftUp(wxMouseEvent& event)
{
    event.Skip();
    if (!GetClientRect().Contains(event.GetPosition())) {
        return;
    }
    wxCommandEvent command(wxEVT_MENU, GetId());
    command.SetEventObject(this);
    GetParent()->GetEventHandler()->AddPendingEvent(command);
}
