#include "grid/ui/GridPartWindow.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridEventKeys.h"
#include "platform/canvas/Canvas.h"

#include <cairo.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>

CGridPartWindow::CGridPartWindow(CCellGrid& grid, int id, long style) : m_grid(grid)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(&grid, id, wxDefaultPosition, wxSize(1, 1), style | wxFULL_REPAINT_ON_RESIZE);
    Bind(wxEVT_PAINT, &CGridPartWindow::OnPaint, this);
    Bind(wxEVT_SIZE, &CGridPartWindow::OnSize, this);
}

void CGridPartWindow::InvalidatePicture()
{
    m_valid = false;
    Refresh(false);
}

const Bitmap& CGridPartWindow::CurrentPicture()
{
    EnsurePicture();
    return m_picture;
}

Bitmap CGridPartWindow::DrawnAfresh()
{
    Bitmap picture;
    const CSize size = PictureSize();
    if (size.cx > 0 && size.cy > 0 && picture.Create(size.cx, size.cy, 32)) {
        Canvas dc(picture);
        Render(dc, size);
    }
    return picture;
}

CSize CGridPartWindow::PictureSize() const
{
    const wxSize size = GetClientSize();
    return CSize(size.x, size.y);
}

CRect CGridPartWindow::ClientRect() const
{
    const wxSize size = GetClientSize();
    return CRect(0, 0, size.x, size.y);
}

CPoint CGridPartWindow::PointOf(const wxMouseEvent& event)
{
    return CPoint(event.GetX(), event.GetY());
}

bool CGridPartWindow::EnsurePicture()
{
    const CSize size = PictureSize();
    if (size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    if (m_picture.Width() != size.cx || m_picture.Height() != size.cy) {
        if (!m_picture.Create(size.cx, size.cy, 32)) {
            return false;
        }
        m_valid = false;
    }
    if (!m_valid) {
        // Set first: drawing may ask for a partial update, which must not start another one.
        m_valid = true;
        Canvas dc(m_picture);
        Render(dc, size);
    }
    return true;
}

void CGridPartWindow::OnPaint(wxPaintEvent&)
{
    wxPaintDC paint(this);
    if (!EnsurePicture()) {
        return;
    }
    wxGraphicsContext* graphics = paint.GetGraphicsContext();
    cairo_t* cr = graphics != nullptr ? static_cast<cairo_t*>(graphics->GetNativeContext()) : nullptr;
    if (cr == nullptr) {
        return;
    }
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        m_picture.Data(), CAIRO_FORMAT_RGB24, m_picture.Width(), m_picture.Height(), m_picture.Stride());
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
}

void CGridPartWindow::OnSize(wxSizeEvent& event)
{
    InvalidatePicture();
    event.Skip();
}

bool CGridPartWindow::ProcessEvent(wxEvent& event)
{
    const CGridEventKeys keys(event);
    return wxWindow::ProcessEvent(event);
}
