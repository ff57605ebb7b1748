// The shapes of Canvas: polygons, rectangles, ellipses, fills, frames, edges and single pixels.
#include "platform/canvas/Canvas.h"

#include "platform/canvas/CanvasState.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <utility>

void Canvas::Polygon(const CPoint* points, int count)
{
    if (points == nullptr || count < 2) {
        return;
    }
    const std::vector<DevicePoint> device = ToDevice(points, count);
    if (!m_state->brush.isNull && count > 2) {
        cairo_move_to(m_cr, device[0].x, device[0].y);
        for (int i = 1; i < count; ++i) {
            cairo_line_to(m_cr, device[i].x, device[i].y);
        }
        cairo_close_path(m_cr);
        cairo_set_fill_rule(m_cr, m_state->polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING
                                                                   : CAIRO_FILL_RULE_EVEN_ODD);
        FillPath(m_state->brush.color, true);
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_WINDING);
    }
    m_stylePhase = 0;
    StrokeOutline(device, true);
}

void Canvas::Rectangle(const CRect& rect)
{
    double left, top, right, bottom;
    if (!DeviceRect(rect, left, top, right, bottom)) {
        return;
    }
    const bool pen = m_state->pen.style != PS_NULL;
    // The outline runs on the last pixels inside the rectangle, so the fill stops one pixel
    // short of the right and bottom edges in any case.
    const double inset = PixelExact() ? 1.0 : 0.0;
    if (!m_state->brush.isNull) {
        double fillLeft = pen ? left + inset : left;
        double fillTop = pen ? top + inset : top;
        if (right - inset > fillLeft && bottom - inset > fillTop) {
            cairo_rectangle(m_cr, fillLeft, fillTop, right - inset - fillLeft, bottom - inset - fillTop);
            FillPath(m_state->brush.color, true);
        }
    }
    if (pen) {
        m_stylePhase = 0;
        StrokeOutline(
            {{left, top}, {right - inset, top}, {right - inset, bottom - inset}, {left, bottom - inset}},
            true);
    }
}

void Canvas::Ellipse(const CRect& rect)
{
    double left, top, right, bottom;
    if (!DeviceRect(rect, left, top, right, bottom)) {
        return;
    }
    const bool pen = m_state->pen.style != PS_NULL;
    const double inset = PixelExact() ? 1.0 : 0.0;
    // In pixels the outline's centre line joins the centres of the outermost pixels; the null
    // pen's fill stops a pixel short of the right and bottom edges.
    const double offset = PixelExact() && pen ? 0.5 : 0.0;
    const double cx = (left + right - inset) / 2 + offset;
    const double cy = (top + bottom - inset) / 2 + offset;
    const double rx = (right - inset - left) / 2;
    const double ry = (bottom - inset - top) / 2;
    auto addEllipse = [&]() {
        cairo_save(m_cr);
        cairo_translate(m_cr, cx, cy);
        cairo_scale(m_cr, std::max(rx, 0.01), std::max(ry, 0.01));
        cairo_new_sub_path(m_cr);
        cairo_arc(m_cr, 0, 0, 1, 0, 2 * std::numbers::pi);
        cairo_close_path(m_cr);
        cairo_restore(m_cr);
    };
    if (!m_state->brush.isNull) {
        addEllipse();
        FillPath(m_state->brush.color, true);
    }
    if (!pen) {
        return;
    }
    addEllipse();
    StrokePath();
}

// Fills and frames

void Canvas::FillRect(const CRect& rect, COLORREF color)
{
    double left, top, right, bottom;
    DeviceRect(rect, left, top, right, bottom);
    FillDeviceRect(left, top, right, bottom, color);
}

void Canvas::FrameRect(const CRect& rect, COLORREF color)
{
    double left, top, right, bottom;
    DeviceRect(rect, left, top, right, bottom);
    double w = std::min({std::max(1.0, std::round(Scale())), right - left, bottom - top});
    if (w <= 0) {
        return;
    }
    FillDeviceRect(left, top, right, top + w, color);
    FillDeviceRect(left, bottom - w, right, bottom, color);
    FillDeviceRect(left, top + w, left + w, bottom - w, color);
    FillDeviceRect(right - w, top + w, right, bottom - w, color);
}

void Canvas::DrawFocusRect(const CRect& rect)
{
    double l, t, r, b;
    DeviceRect(rect, l, t, r, b);
    int left = static_cast<int>(std::lround(l));
    int top = static_cast<int>(std::lround(t));
    int right = static_cast<int>(std::lround(r));
    int bottom = static_cast<int>(std::lround(b));
    if (right <= left || bottom <= top) {
        return;
    }
    // Sides are walked within the clip only.
    double x1, y1, x2, y2;
    cairo_clip_extents(m_cr, &x1, &y1, &x2, &y2);
    const int fromX = std::max(left, static_cast<int>(std::max(std::floor(x1), -1e9)));
    const int toX = std::min(right, static_cast<int>(std::min(std::ceil(x2), 1e9)));
    const int fromY = std::max(top + 1, static_cast<int>(std::max(std::floor(y1), -1e9)));
    const int toY = std::min(bottom - 1, static_cast<int>(std::min(std::ceil(y2), 1e9)));
    // The pixels of a checkerboard that lie on the outline, each once.
    auto add = [&](int x, int y) {
        if (((x + y) & 1) == 0) {
            cairo_rectangle(m_cr, x, y, 1, 1);
        }
    };
    for (int x = fromX; x < toX; ++x) {
        add(x, top);
        if (bottom - 1 > top) {
            add(x, bottom - 1);
        }
    }
    for (int y = fromY; y < toY; ++y) {
        add(left, y);
        if (right - 1 > left) {
            add(right - 1, y);
        }
    }
    cairo_set_operator(m_cr, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(m_cr, 1, 1, 1);
    cairo_fill(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
}

void Canvas::DrawEdge(CRect& rect, unsigned edge, unsigned flags)
{
    double l, t, r, b;
    DeviceRect(rect, l, t, r, b);
    const double w = std::max(1.0, std::round(Scale()));
    // One border: the top and left in one colour, then the bottom and right over the corners.
    auto border = [&](COLORREF topLeft, COLORREF bottomRight) {
        if ((flags & BF_TOP) != 0) {
            FillDeviceRect(l, t, r - w, t + w, topLeft);
        }
        if ((flags & BF_LEFT) != 0) {
            FillDeviceRect(l, t, l + w, b - w, topLeft);
        }
        if ((flags & BF_BOTTOM) != 0) {
            FillDeviceRect(l, b - w, r, b, bottomRight);
        }
        if ((flags & BF_RIGHT) != 0) {
            FillDeviceRect(r - w, t, r, b, bottomRight);
        }
        l += (flags & BF_LEFT) != 0 ? w : 0;
        t += (flags & BF_TOP) != 0 ? w : 0;
        r -= (flags & BF_RIGHT) != 0 ? w : 0;
        b -= (flags & BF_BOTTOM) != 0 ? w : 0;
    };
    const EdgeColors& c = m_edgeColors;
    if ((edge & BDR_RAISEDOUTER) != 0) {
        border(c.light, c.darkShadow);
    } else if ((edge & BDR_SUNKENOUTER) != 0) {
        border(c.shadow, c.highlight);
    }
    if ((edge & BDR_RAISEDINNER) != 0) {
        border(c.highlight, c.shadow);
    } else if ((edge & BDR_SUNKENINNER) != 0) {
        border(c.darkShadow, c.light);
    }
    if ((flags & BF_MIDDLE) != 0) {
        FillDeviceRect(l, t, r, b, c.face);
    }
    if ((flags & BF_ADJUST) != 0) {
        rect = CRect(ToLogical(l, t), ToLogical(r, b));
    }
}

COLORREF Canvas::SetPixel(int x, int y, COLORREF color)
{
    DevicePoint d = ToDevice(x, y);
    double size = PixelExact() ? 1.0 : std::max(1.0, Scale());
    FillDeviceRect(d.x, d.y, d.x + size, d.y + size, color);
    return color;
}

COLORREF Canvas::GetPixel(int x, int y) const
{
    cairo_surface_t* target = cairo_get_target(m_cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) {
        return CLR_INVALID;
    }
    cairo_format_t format = cairo_image_surface_get_format(target);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) {
        return CLR_INVALID;
    }
    cairo_surface_flush(target);
    DevicePoint d = ToDevice(x, y);
    double px = d.x + 0.5;
    double py = d.y + 0.5;
    cairo_user_to_device(m_cr, &px, &py);
    double offsetX = 0;
    double offsetY = 0;
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    long column = std::lround(std::floor(px + offsetX));
    long row = std::lround(std::floor(py + offsetY));
    if (column < 0 || row < 0 || column >= cairo_image_surface_get_width(target) ||
        row >= cairo_image_surface_get_height(target)) {
        return CLR_INVALID;
    }
    const unsigned char* data = cairo_image_surface_get_data(target);
    auto pixel =
        reinterpret_cast<const std::uint32_t*>(data + row * cairo_image_surface_get_stride(target))[column];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
