#include "platform/canvas/Canvas.h"

#include "platform/Cp932.h"
#include "platform/canvas/ImageOps.h"
#include "platform/canvas/TextLayout.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <utility>

struct Canvas::State
{
    Pen pen;
    Brush brush;
    LogFont font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    unsigned textAlign = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = COLORONCOLOR;
    int mapMode = MM_TEXT;
    double dotsPerInch = 96;
    CPoint viewportOrg;
    CPoint windowOrg;
    CPoint position;
};

namespace {

// On and off lengths, in pixels, of the patterned one-pixel pens.
constexpr int kDotPattern[] = {3, 3};
constexpr int kDashPattern[] = {18, 6};

// Both patterns repeat within this many pixels.
constexpr int kPatternCycle = 24;

bool PatternOn(int style, std::int64_t phase)
{
    const int* pattern = style == PS_DOT ? kDotPattern : kDashPattern;
    int period = pattern[0] + pattern[1];
    return phase % period < pattern[0];
}

bool IsVector(cairo_t* cr)
{
    cairo_surface_type_t type = cairo_surface_get_type(cairo_get_target(cr));
    return type == CAIRO_SURFACE_TYPE_PDF || type == CAIRO_SURFACE_TYPE_PS ||
           type == CAIRO_SURFACE_TYPE_SVG || type == CAIRO_SURFACE_TYPE_RECORDING;
}

// A cairo image over a bitmap's pixels; indexed bitmaps are resolved into scratch first.
cairo_surface_t* SurfaceOf(const Bitmap& bitmap, Bitmap& scratch)
{
    const Bitmap* pixels = &bitmap;
    if (bitmap.IsIndexed()) {
        scratch = bitmap.ToTrueColor();
        pixels = &scratch;
    }
    // cairo only reads from a source surface.
    auto* data = const_cast<Bitmap*>(pixels)->Data();
    return cairo_image_surface_create_for_data(data, CAIRO_FORMAT_RGB24, pixels->Width(), pixels->Height(),
                                               pixels->Stride());
}

} // namespace

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

// Painting primitives

void Canvas::SetColor(COLORREF color) const
{
    cairo_set_source_rgb(m_cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

void Canvas::FillPath(COLORREF color, bool raster)
{
    if (raster && m_state->rop2 == R2_NOT) {
        // White minus the pixel inverts it, exactly and reversibly; on whole pixels only, as a
        // partly covered pixel (on a reduced picture) inverted twice would not come back.
        const cairo_antialias_t smoothing = cairo_get_antialias(m_cr);
        cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_operator(m_cr, CAIRO_OPERATOR_DIFFERENCE);
        cairo_set_source_rgb(m_cr, 1, 1, 1);
        cairo_fill(m_cr);
        cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
        cairo_set_antialias(m_cr, smoothing);
    } else {
        SetColor(color);
        cairo_fill(m_cr);
    }
}

void Canvas::FillDeviceRect(double left, double top, double right, double bottom, COLORREF color)
{
    if (right <= left || bottom <= top) {
        return;
    }
    cairo_rectangle(m_cr, left, top, right - left, bottom - top);
    FillPath(color, false);
}

double Canvas::PenDeviceWidth() const
{
    return m_state->pen.width <= 0 ? 1.0 : std::max(1.0, m_state->pen.width * Scale());
}

void Canvas::AddPixelLine(DevicePoint from, DevicePoint to)
{
    const int style = m_state->pen.style;
    const bool patterned = style == PS_DOT || style == PS_DASH;
    const std::int64_t fromX = std::llround(from.x);
    const std::int64_t fromY = std::llround(from.y);
    const std::int64_t dx = std::llround(to.x) - fromX;
    const std::int64_t dy = std::llround(to.y) - fromY;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) {
        return;
    }
    const std::int64_t major0 = xMajor ? fromX : fromY;
    const std::int64_t minor0 = xMajor ? fromY : fromX;
    const std::int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorDelta = xMajor ? dy : dx;

    // Only the steps inside the clip are walked, so that a line of absurd length read from a
    // file costs no more than one across the surface.
    double x1, y1, x2, y2;
    cairo_clip_extents(m_cr, &x1, &y1, &x2, &y2);
    const double low = (xMajor ? x1 : y1) - 1;
    const double high = (xMajor ? x2 : y2) + 1;
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    if (majorStep > 0) {
        first = std::max<std::int64_t>(first, static_cast<std::int64_t>(std::ceil(low)) - major0);
        last = std::min<std::int64_t>(last, static_cast<std::int64_t>(std::floor(high)) - major0);
    } else {
        first = std::max<std::int64_t>(first, major0 - static_cast<std::int64_t>(std::floor(high)));
        last = std::min<std::int64_t>(last, major0 - static_cast<std::int64_t>(std::ceil(low)));
    }

    // Runs of pixels along the major axis become one rectangle each.
    bool inRun = false;
    std::int64_t runStart = 0;
    std::int64_t runEnd = 0;
    std::int64_t runMinor = 0;
    auto flush = [&]() {
        if (!inRun) {
            return;
        }
        double lowMajor = static_cast<double>(std::min(runStart, runEnd));
        double length = static_cast<double>(std::abs(runEnd - runStart) + 1);
        if (xMajor) {
            cairo_rectangle(m_cr, lowMajor, static_cast<double>(runMinor), length, 1);
        } else {
            cairo_rectangle(m_cr, static_cast<double>(runMinor), lowMajor, 1, length);
        }
        inRun = false;
    };
    for (std::int64_t i = first; i <= last; ++i) {
        if (patterned && !PatternOn(style, m_stylePhase + i)) {
            flush();
            continue;
        }
        // The minor coordinate of the exact line, rounded half up: the pixels a Bresenham walk
        // takes, found without walking from the start.
        std::int64_t offset = (2 * i * std::abs(minorDelta) + steps) / (2 * steps);
        std::int64_t minor = minor0 + (minorDelta < 0 ? -offset : offset);
        std::int64_t major = major0 + majorStep * i;
        if (inRun && minor == runMinor) {
            runEnd = major;
        } else {
            flush();
            inRun = true;
            runStart = runEnd = major;
            runMinor = minor;
        }
    }
    flush();
    m_stylePhase = static_cast<int>((m_stylePhase + steps) % kPatternCycle);
}

void Canvas::StrokeOutline(const std::vector<DevicePoint>& points, bool closed)
{
    const Pen& pen = m_state->pen;
    if (pen.style == PS_NULL || points.empty()) {
        return;
    }
    if (PenDeviceWidth() <= 1.0 && PixelExact()) {
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            AddPixelLine(points[i], points[i + 1]);
        }
        if (closed && points.size() > 1) {
            AddPixelLine(points.back(), points.front());
        }
        FillPath(pen.color, true);
        return;
    }

    // Paths run through pixel centres when pixels are exact.
    const double offset = PixelExact() ? 0.5 : 0.0;
    cairo_move_to(m_cr, points[0].x + offset, points[0].y + offset);
    for (size_t i = 1; i < points.size(); ++i) {
        cairo_line_to(m_cr, points[i].x + offset, points[i].y + offset);
    }
    if (closed) {
        cairo_close_path(m_cr);
    }
    StrokePath();
}

void Canvas::StrokePath()
{
    const Pen& pen = m_state->pen;
    const double width = PenDeviceWidth();
    cairo_set_line_width(m_cr, width);
    if (width <= 1.0) {
        cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_MITER);
        if (pen.style == PS_DOT || pen.style == PS_DASH) {
            // Patterns keep the look they have on a screen.
            const int* pattern = pen.style == PS_DOT ? kDotPattern : kDashPattern;
            double unit = PixelExact() ? 1.0 : m_state->dotsPerInch / 96.0;
            double dashes[] = {pattern[0] * unit, pattern[1] * unit};
            cairo_set_dash(m_cr, dashes, 2, 0);
        }
    } else {
        cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
    }
    const cairo_antialias_t smoothing = cairo_get_antialias(m_cr);
    if (m_state->rop2 == R2_NOT) {
        // Whole pixels only, as in FillPath.
        cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_operator(m_cr, CAIRO_OPERATOR_DIFFERENCE);
        cairo_set_source_rgb(m_cr, 1, 1, 1);
    } else {
        SetColor(pen.color);
    }
    cairo_stroke(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_OVER);
    cairo_set_antialias(m_cr, smoothing);
    cairo_set_dash(m_cr, nullptr, 0, 0);
}

// Lines and shapes

CPoint Canvas::MoveTo(int x, int y)
{
    m_stylePhase = 0;
    return std::exchange(m_state->position, CPoint(x, y));
}

void Canvas::LineTo(int x, int y)
{
    DevicePoint from = ToDevice(m_state->position.x, m_state->position.y);
    DevicePoint to = ToDevice(x, y);
    m_state->position = CPoint(x, y);
    StrokeOutline({from, to}, false);
}

CPoint Canvas::GetCurrentPosition() const
{
    return m_state->position;
}

void Canvas::Polyline(const CPoint* points, int count)
{
    if (points == nullptr || count < 2) {
        return;
    }
    std::vector<DevicePoint> device;
    device.reserve(count);
    for (int i = 0; i < count; ++i) {
        device.push_back(ToDevice(points[i].x, points[i].y));
    }
    m_stylePhase = 0;
    StrokeOutline(device, false);
}

void Canvas::Polygon(const CPoint* points, int count)
{
    if (points == nullptr || count < 2) {
        return;
    }
    std::vector<DevicePoint> device;
    device.reserve(count);
    for (int i = 0; i < count; ++i) {
        device.push_back(ToDevice(points[i].x, points[i].y));
    }
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

// Text

TextLayout& Canvas::Text() const
{
    if (!m_text) {
        m_text = std::make_unique<TextLayout>(m_cr);
    }
    m_text->SetFont(m_state->font, Scale(), m_state->dotsPerInch);
    return *m_text;
}

void Canvas::TextOut(int x, int y, const CString& text)
{
    DrawTextLine(x, y, text, nullptr);
}

void Canvas::ExtTextOut(int x, int y, unsigned options, const CRect* rect, const CString& text)
{
    if (rect != nullptr && (options & ETO_OPAQUE) != 0) {
        FillRect(*rect, m_state->bkColor);
    }
    DrawTextLine(x, y, text, rect != nullptr && (options & ETO_CLIPPED) != 0 ? rect : nullptr);
}

void Canvas::DrawTextLine(int x, int y, const CString& text, const CRect* clip)
{
    TextLayout& layout = Text();
    layout.SetText(text.view(), TextLayout::kSingleLine);
    layout.SetLimits(-1, false, false, 0);
    PangoRectangle logical = layout.LogicalRect();
    double width = logical.width / double(PANGO_SCALE);
    double height = logical.height / double(PANGO_SCALE);

    const unsigned align = m_state->textAlign;
    double dx = (align & TA_CENTER) == TA_CENTER ? -width / 2 : (align & TA_RIGHT) != 0 ? -width : 0;
    double dy = (align & TA_BASELINE) == TA_BASELINE ? -layout.Baseline()
                : (align & TA_BOTTOM) != 0           ? -height
                                                     : 0;
    const bool upright = layout.Angle() == 0 && layout.Stretch() == 1;
    if (PixelExact() && upright) {
        dx = std::floor(dx);
        dy = std::floor(dy);
    }

    cairo_save(m_cr);
    if (clip != nullptr) {
        double l, t, r, b;
        DeviceRect(*clip, l, t, r, b);
        cairo_rectangle(m_cr, l, t, r - l, b - t);
        cairo_clip(m_cr);
    }
    DevicePoint origin = ToDevice(x, y);
    cairo_translate(m_cr, origin.x, origin.y);
    cairo_rotate(m_cr, -layout.Angle());
    cairo_scale(m_cr, layout.Stretch(), 1);
    cairo_translate(m_cr, dx, dy);
    if (m_state->bkMode == OPAQUE) {
        cairo_rectangle(m_cr, 0, 0, width, height);
        SetColor(m_state->bkColor);
        cairo_fill(m_cr);
    }
    SetColor(m_state->textColor);
    cairo_move_to(m_cr, 0, 0);
    layout.Show(m_cr);
    cairo_restore(m_cr);
}

int Canvas::DrawText(const CString& text, CRect& rect, unsigned format)
{
    if (text.IsEmpty()) {
        if ((format & DT_CALCRECT) != 0) {
            rect.right = rect.left;
            rect.bottom = rect.top;
        }
        return 0;
    }
    TextLayout& layout = Text();
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    layout.SetText(text.view(), (singleLine ? TextLayout::kSingleLine : 0) |
                                    ((format & DT_NOPREFIX) != 0 ? 0 : TextLayout::kPrefix));
    double l, t, r, b;
    DeviceRect(rect, l, t, r, b);
    const double stretch = layout.Stretch();
    const int alignment = (format & DT_CENTER) != 0 ? 1 : (format & DT_RIGHT) != 0 ? 2 : 0;
    const bool wordBreak = (format & DT_WORDBREAK) != 0 && !singleLine;
    const bool ellipsis = (format & DT_END_ELLIPSIS) != 0;
    const bool limited = wordBreak || ellipsis;
    layout.SetLimits(limited ? std::max(0.0, r - l) / stretch : -1, wordBreak, ellipsis, alignment);
    PangoRectangle logical = layout.LogicalRect();
    double width = std::ceil(logical.width / double(PANGO_SCALE) * stretch);
    double height = std::ceil(logical.height / double(PANGO_SCALE));
    const int logicalHeight = static_cast<int>(std::lround(height / Scale()));

    if ((format & DT_CALCRECT) != 0) {
        // The top-left corner stays; the rectangle takes the widest line and all lines.
        DevicePoint corner = ToDevice(rect.left, rect.top);
        CPoint far = ToLogical(corner.x + width, corner.y + height);
        rect.right = far.x;
        rect.bottom = far.y;
        return logicalHeight;
    }

    double x = l;
    if (!limited) {
        x = alignment == 1 ? l + (r - l - width) / 2 : alignment == 2 ? r - width : l;
    }
    double y = t;
    if (singleLine && (format & DT_VCENTER) != 0) {
        y = t + (b - t - height) / 2;
    } else if (singleLine && (format & DT_BOTTOM) != 0) {
        y = b - height;
    }
    if (PixelExact()) {
        x = std::floor(x);
        y = std::floor(y);
    }

    cairo_save(m_cr);
    if ((format & DT_NOCLIP) == 0) {
        cairo_rectangle(m_cr, l, t, r - l, b - t);
        cairo_clip(m_cr);
    }
    cairo_translate(m_cr, x, y);
    cairo_scale(m_cr, stretch, 1);
    if (m_state->bkMode == OPAQUE) {
        // Behind each line's text only, not the whole rectangle.
        PangoLayoutIter* lines = pango_layout_get_iter(layout.Layout());
        do {
            PangoRectangle line;
            pango_layout_iter_get_line_extents(lines, nullptr, &line);
            cairo_rectangle(m_cr, line.x / double(PANGO_SCALE), line.y / double(PANGO_SCALE),
                            line.width / double(PANGO_SCALE), line.height / double(PANGO_SCALE));
        } while (pango_layout_iter_next_line(lines));
        pango_layout_iter_free(lines);
        SetColor(m_state->bkColor);
        cairo_fill(m_cr);
    }
    SetColor(m_state->textColor);
    cairo_move_to(m_cr, 0, 0);
    layout.Show(m_cr);
    cairo_restore(m_cr);
    return logicalHeight;
}

CSize Canvas::GetTextExtent(const char* text, int length) const
{
    std::string_view view(text != nullptr ? text : "", text != nullptr ? std::max(length, 0) : 0);
    // A lead byte whose trail byte lies beyond the length is not a character yet.
    size_t end = 0;
    while (end < view.size()) {
        size_t next = end + Cp932::CharLength(view, end);
        if (next == view.size() && next - end == 1 &&
            Cp932::IsLeadByte(static_cast<unsigned char>(view[end]))) {
            break;
        }
        end = next;
    }
    TextLayout& layout = Text();
    layout.SetText(view.substr(0, end), TextLayout::kSingleLine);
    layout.SetLimits(-1, false, false, 0);
    PangoRectangle logical = layout.LogicalRect();
    double scale = Scale();
    return {static_cast<int>(std::lround(logical.width / double(PANGO_SCALE) * layout.Stretch() / scale)),
            static_cast<int>(std::lround(layout.Height() / scale))};
}

CSize Canvas::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

Canvas::TextMetrics Canvas::GetTextMetrics() const
{
    TextLayout& layout = Text();
    double scale = Scale();
    auto logical = [scale](double device) { return static_cast<int>(std::lround(device / scale)); };
    TextMetrics metrics;
    metrics.ascent = logical(layout.Ascent());
    metrics.descent = logical(layout.Descent());
    metrics.height = logical(layout.Height());
    metrics.aveCharWidth = logical(layout.AveCharWidth());
    return metrics;
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

// Blits

void Canvas::DrawBitmap(const Bitmap& bitmap, int x, int y)
{
    if (bitmap.IsEmpty()) {
        return;
    }
    Bitmap scratch;
    cairo_surface_t* source = SurfaceOf(bitmap, scratch);
    DevicePoint origin = ToDevice(x, y);
    if (!IsVector(m_cr)) {
        origin = {std::round(origin.x), std::round(origin.y)};
    }
    cairo_set_source_surface(m_cr, source, origin.x, origin.y);
    cairo_rectangle(m_cr, origin.x, origin.y, bitmap.Width(), bitmap.Height());
    cairo_fill(m_cr);
    cairo_set_source_rgb(m_cr, 0, 0, 0);
    cairo_surface_destroy(source);
}

void Canvas::StretchBitmap(const Bitmap& bitmap, const CRect& destination, const CRect& source)
{
    CRect area;
    if (bitmap.IsEmpty() || !area.IntersectRect(source, CRect(0, 0, bitmap.Width(), bitmap.Height()))) {
        return;
    }
    double l, t, r, b;
    if (!DeviceRect(destination, l, t, r, b)) {
        return;
    }
    const int width = static_cast<int>(r - l);
    const int height = static_cast<int>(b - t);
    const bool reduces =
        width <= area.Width() && height <= area.Height() && (width < area.Width() || height < area.Height());
    if (m_state->stretchMode == HALFTONE && !IsVector(m_cr) && reduces) {
        // Averaged to the device pixels it covers, then copied one to one. Enlargements are
        // smoothed by cairo instead, which also keeps huge destinations from costing memory.
        Bitmap averaged = ImageOps::AreaAverage(bitmap, area, width, height);
        Bitmap unused;
        cairo_surface_t* pixels = SurfaceOf(averaged, unused);
        cairo_set_source_surface(m_cr, pixels, l, t);
        cairo_rectangle(m_cr, l, t, width, height);
        cairo_fill(m_cr);
        cairo_set_source_rgb(m_cr, 0, 0, 0);
        cairo_surface_destroy(pixels);
        return;
    }
    Bitmap scratch;
    cairo_surface_t* pixels = SurfaceOf(bitmap, scratch);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(pixels);
    cairo_matrix_t matrix;
    // Pattern space is the bitmap's pixels: device to source.
    cairo_matrix_init_translate(&matrix, area.left, area.top);
    cairo_matrix_scale(&matrix, area.Width() / (r - l), area.Height() / (b - t));
    cairo_matrix_translate(&matrix, -l, -t);
    cairo_pattern_set_matrix(pattern, &matrix);
    cairo_pattern_set_filter(pattern,
                             m_state->stretchMode == HALFTONE ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_source(m_cr, pattern);
    cairo_rectangle(m_cr, l, t, r - l, b - t);
    cairo_fill(m_cr);
    cairo_set_source_rgb(m_cr, 0, 0, 0);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(pixels);
}
