// The bitmaps of Canvas: copied and stretched onto the surface.
#include "platform/canvas/Canvas.h"

#include "platform/canvas/CanvasState.h"
#include "platform/canvas/ImageOps.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

namespace {

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
