#include "photo/ui/EditPhotoWindow.h"

#include "photo/ui/EditPhotoView.h"
#include "platform/canvas/Canvas.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>

CEditPhotoWindow::CEditPhotoWindow(wxWindow* parent, CEditPhotoView& view)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      m_view(&view)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(1, 1);
    Bind(wxEVT_PAINT, &CEditPhotoWindow::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CEditPhotoWindow::OnMouse, this);
    Bind(wxEVT_LEFT_UP, &CEditPhotoWindow::OnMouse, this);
    Bind(wxEVT_LEFT_DCLICK, &CEditPhotoWindow::OnMouse, this);
    Bind(wxEVT_MOTION, &CEditPhotoWindow::OnMouse, this);
    Bind(wxEVT_MOUSEWHEEL, &CEditPhotoWindow::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CEditPhotoWindow::OnKeyDown, this);
    Bind(wxEVT_SIZE, &CEditPhotoWindow::OnSize, this);
    Bind(wxEVT_SCROLLWIN_TOP, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_BOTTOM, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_LINEUP, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_LINEDOWN, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_PAGEUP, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CEditPhotoWindow::OnScroll, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CEditPhotoWindow::OnCaptureLost, this);
}

void CEditPhotoWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC paint(this);
    wxGraphicsContext* graphics = paint.GetGraphicsContext();
    cairo_t* cr = graphics != nullptr ? static_cast<cairo_t*>(graphics->GetNativeContext()) : nullptr;
    if (cr == nullptr || m_view == nullptr) {
        return;
    }
    Canvas dc(cr);
    const wxSize client = GetClientSize();
    m_view->Paint(dc, CSize(client.x, client.y));
}

void CEditPhotoWindow::OnMouse(wxMouseEvent& event)
{
    if (m_view == nullptr) {
        event.Skip();
        return;
    }
    if (event.GetEventType() == wxEVT_MOUSEWHEEL) {
        const wxPoint before = GetViewStart();
        event.Skip();
        // The window scrolls after this handler; the pointer's position follows afterwards.
        CallAfter([this, before, event] {
            if (m_view != nullptr && GetViewStart() != before) {
                m_view->OnPointer(event);
            }
        });
        return;
    }
    m_view->OnPointer(event);
}

void CEditPhotoWindow::OnKeyDown(wxKeyEvent& event)
{
    if (m_view == nullptr || !m_view->OnKey(event.GetKeyCode(), event.ControlDown(), event.ShiftDown())) {
        event.Skip();
    }
}

void CEditPhotoWindow::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (m_view != nullptr) {
        m_view->OnWindowSize();
    }
}

void CEditPhotoWindow::OnScroll(wxScrollWinEvent& event)
{
    event.Skip();
    CallAfter([this] {
        if (m_view != nullptr) {
            m_view->OnScrolled();
        }
    });
}

void CEditPhotoWindow::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    if (m_view != nullptr) {
        m_view->OnCaptureLost();
    }
}
