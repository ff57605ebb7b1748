// Canvas itself: its surface, saved states, mapping modes, tools and clipping.
#include "platform/canvas/Canvas.h"

#include "platform/canvas/CanvasState.h"
#include "platform/canvas/TextLayout.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

Canvas::Canvas()
{
    m_ownSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = cairo_create(m_ownSurface);
    Init(cr);
    cairo_destroy(cr);
}

Canvas::Canvas(Bitmap& target, int reduction)
{
    bool usable = !target.IsEmpty() && !target.IsIndexed() && reduction >= 1;
    m_ownSurface = usable
                       ? cairo_image_surface_create_for_data(target.Data(), CAIRO_FORMAT_RGB24,
                                                             target.Width(), target.Height(), target.Stride())
                       : cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = cairo_create(m_ownSurface);
    if (usable && reduction > 1) {
        cairo_scale(cr, 1.0 / reduction, 1.0 / reduction);
    }
    Init(cr);
    cairo_destroy(cr);
    if (usable && reduction > 1) {
        cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_GRAY);
    }
    m_valid = usable;
}

Canvas::Canvas(cairo_t* context)
{
    Init(context);
}

void Canvas::Init(cairo_t* context)
{
    m_cr = cairo_reference(context);
    m_valid = cairo_status(m_cr) == CAIRO_STATUS_SUCCESS;
    cairo_save(m_cr);
    m_state = std::make_unique<State>();
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
    cairo_new_path(m_cr);

    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(m_cr);
    if (list->status == CAIRO_STATUS_SUCCESS) {
        for (int i = 0; i < list->num_rectangles; ++i) {
            const cairo_rectangle_t& r = list->rectangles[i];
            m_baseClip.insert(m_baseClip.end(), {r.x, r.y, r.x + r.width, r.y + r.height});
        }
    } else {
        double x1, y1, x2, y2;
        cairo_clip_extents(m_cr, &x1, &y1, &x2, &y2);
        m_baseClip = {x1, y1, x2, y2};
    }
    cairo_rectangle_list_destroy(list);
}

Canvas::~Canvas()
{
    m_text.reset();
    for (size_t i = 0; i < m_saved.size(); ++i) {
        cairo_restore(m_cr);
    }
    cairo_restore(m_cr);
    cairo_destroy(m_cr);
    if (m_ownSurface != nullptr) {
        cairo_surface_flush(m_ownSurface);
        cairo_surface_destroy(m_ownSurface);
    }
}

// State

int Canvas::SaveDC()
{
    m_saved.push_back(*m_state);
    cairo_save(m_cr);
    return static_cast<int>(m_saved.size());
}

bool Canvas::RestoreDC(int saved)
{
    int depth = static_cast<int>(m_saved.size());
    int target = saved < 0 ? depth + saved : saved - 1;
    if (saved == 0 || target < 0 || target >= depth) {
        return false;
    }
    while (static_cast<int>(m_saved.size()) > target) {
        *m_state = m_saved.back();
        m_saved.pop_back();
        cairo_restore(m_cr);
    }
    return true;
}

// Mapping

void Canvas::SetResolution(double dotsPerInch)
{
    if (dotsPerInch > 0) {
        m_state->dotsPerInch = dotsPerInch;
    }
}

double Canvas::GetResolution() const
{
    return m_state->dotsPerInch;
}

int Canvas::SetMapMode(int mode)
{
    int old = m_state->mapMode;
    m_state->mapMode = mode == MM_LOMETRIC ? MM_LOMETRIC : MM_TEXT;
    return old;
}

int Canvas::GetMapMode() const
{
    return m_state->mapMode;
}

CPoint Canvas::SetViewportOrg(int x, int y)
{
    return std::exchange(m_state->viewportOrg, CPoint(x, y));
}

CPoint Canvas::OffsetViewportOrg(int dx, int dy)
{
    CPoint old = m_state->viewportOrg;
    m_state->viewportOrg.Offset(dx, dy);
    return old;
}

CPoint Canvas::GetViewportOrg() const
{
    return m_state->viewportOrg;
}

CPoint Canvas::SetWindowOrg(int x, int y)
{
    return std::exchange(m_state->windowOrg, CPoint(x, y));
}

CPoint Canvas::GetWindowOrg() const
{
    return m_state->windowOrg;
}

bool Canvas::PixelExact() const
{
    return m_state->mapMode == MM_TEXT;
}

double Canvas::Scale() const
{
    return PixelExact() ? 1.0 : m_state->dotsPerInch / 254.0;
}

Canvas::DevicePoint Canvas::ToDevice(double x, double y) const
{
    double scale = Scale();
    double ySign = PixelExact() ? 1.0 : -1.0;
    return {(x - m_state->windowOrg.x) * scale + m_state->viewportOrg.x,
            (y - m_state->windowOrg.y) * scale * ySign + m_state->viewportOrg.y};
}

std::vector<Canvas::DevicePoint> Canvas::ToDevice(const CPoint* points, int count) const
{
    std::vector<DevicePoint> device;
    device.reserve(count);
    for (int i = 0; i < count; ++i) {
        device.push_back(ToDevice(points[i].x, points[i].y));
    }
    return device;
}

bool Canvas::DeviceRect(const CRect& rect, double& left, double& top, double& right, double& bottom) const
{
    DevicePoint a = ToDevice(rect.left, rect.top);
    DevicePoint b = ToDevice(rect.right, rect.bottom);
    left = std::min(a.x, b.x);
    right = std::max(a.x, b.x);
    top = std::min(a.y, b.y);
    bottom = std::max(a.y, b.y);
    if (!PixelExact() && !IsVector(m_cr)) {
        left = std::round(left);
        top = std::round(top);
        right = std::round(right);
        bottom = std::round(bottom);
    }
    return right > left && bottom > top;
}

CPoint Canvas::LPtoDP(CPoint point) const
{
    DevicePoint d = ToDevice(point.x, point.y);
    return {static_cast<int>(std::lround(d.x)), static_cast<int>(std::lround(d.y))};
}

CPoint Canvas::ToLogical(double x, double y) const
{
    double scale = Scale();
    double ySign = PixelExact() ? 1.0 : -1.0;
    return {
        static_cast<int>(std::lround((x - m_state->viewportOrg.x) / scale + m_state->windowOrg.x)),
        static_cast<int>(std::lround((y - m_state->viewportOrg.y) / (scale * ySign) + m_state->windowOrg.y))};
}

CPoint Canvas::DPtoLP(CPoint point) const
{
    return ToLogical(point.x, point.y);
}

CRect Canvas::LPtoDP(const CRect& rect) const
{
    return CRect(LPtoDP(rect.TopLeft()), LPtoDP(rect.BottomRight()));
}

CRect Canvas::DPtoLP(const CRect& rect) const
{
    return CRect(DPtoLP(rect.TopLeft()), DPtoLP(rect.BottomRight()));
}

CSize Canvas::LPtoDP(CSize size) const
{
    double scale = Scale();
    return {static_cast<int>(std::lround(std::abs(static_cast<double>(size.cx)) * scale)),
            static_cast<int>(std::lround(std::abs(static_cast<double>(size.cy)) * scale))};
}

CSize Canvas::DPtoLP(CSize size) const
{
    double scale = Scale();
    return {static_cast<int>(std::lround(std::abs(static_cast<double>(size.cx)) / scale)),
            static_cast<int>(std::lround(std::abs(static_cast<double>(size.cy)) / scale))};
}

// Tools and modes

Canvas::Pen Canvas::SelectPen(const Pen& pen)
{
    return std::exchange(m_state->pen, pen);
}

Canvas::Brush Canvas::SelectBrush(const Brush& brush)
{
    return std::exchange(m_state->brush, brush);
}

LogFont Canvas::SelectFont(const LogFont& font)
{
    return std::exchange(m_state->font, font);
}

const Canvas::Pen& Canvas::GetPen() const
{
    return m_state->pen;
}

const Canvas::Brush& Canvas::GetBrush() const
{
    return m_state->brush;
}

const LogFont& Canvas::GetFont() const
{
    return m_state->font;
}

COLORREF Canvas::SetTextColor(COLORREF color)
{
    return std::exchange(m_state->textColor, color);
}

COLORREF Canvas::SetBkColor(COLORREF color)
{
    return std::exchange(m_state->bkColor, color);
}

int Canvas::SetBkMode(int mode)
{
    return std::exchange(m_state->bkMode, mode == TRANSPARENT ? TRANSPARENT : OPAQUE);
}

unsigned Canvas::SetTextAlign(unsigned align)
{
    return std::exchange(m_state->textAlign, align);
}

int Canvas::SetROP2(int rop)
{
    return std::exchange(m_state->rop2, rop == R2_NOT ? R2_NOT : R2_COPYPEN);
}

int Canvas::SetPolyFillMode(int mode)
{
    return std::exchange(m_state->polyFillMode, mode == WINDING ? WINDING : ALTERNATE);
}

int Canvas::SetStretchBltMode(int mode)
{
    return std::exchange(m_state->stretchMode, mode == HALFTONE ? HALFTONE : COLORONCOLOR);
}

void Canvas::SetEdgeColors(const EdgeColors& colors)
{
    m_edgeColors = colors;
}

bool Canvas::IsVector(cairo_t* cr)
{
    cairo_surface_type_t type = cairo_surface_get_type(cairo_get_target(cr));
    return type == CAIRO_SURFACE_TYPE_PDF || type == CAIRO_SURFACE_TYPE_PS ||
           type == CAIRO_SURFACE_TYPE_SVG || type == CAIRO_SURFACE_TYPE_RECORDING;
}

// Clipping

void Canvas::IntersectClipRect(const CRect& rect)
{
    double l, t, r, b;
    DeviceRect(rect, l, t, r, b);
    cairo_rectangle(m_cr, l, t, std::max(0.0, r - l), std::max(0.0, b - t));
    cairo_clip(m_cr);
}

void Canvas::SelectClipRect(const CRect* rect)
{
    cairo_reset_clip(m_cr);
    // The surface's own clip (a window's damaged region) is never given up.
    for (size_t i = 0; i + 3 < m_baseClip.size(); i += 4) {
        cairo_rectangle(m_cr, m_baseClip[i], m_baseClip[i + 1], m_baseClip[i + 2] - m_baseClip[i],
                        m_baseClip[i + 3] - m_baseClip[i + 1]);
    }
    if (!m_baseClip.empty()) {
        cairo_clip(m_cr);
    }
    if (rect != nullptr) {
        IntersectClipRect(*rect);
    }
}

CRect Canvas::GetClipBox() const
{
    double l, t, r, b;
    cairo_clip_extents(m_cr, &l, &t, &r, &b);
    return CRect(ToLogical(l, t), ToLogical(r, b));
}
