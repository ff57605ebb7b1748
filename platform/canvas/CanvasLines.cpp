// The pens of Canvas on pixels and on pages, and the lines drawn with them.
#include "platform/canvas/Canvas.h"

#include "platform/canvas/CanvasState.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

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

} // namespace

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
    const std::vector<DevicePoint> device = ToDevice(points, count);
    m_stylePhase = 0;
    StrokeOutline(device, false);
}
