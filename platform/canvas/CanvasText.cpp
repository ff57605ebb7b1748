// The text of Canvas: drawn, laid out in rectangles and measured.
#include "platform/canvas/Canvas.h"

#include "platform/Cp932.h"
#include "platform/canvas/CanvasState.h"
#include "platform/canvas/TextLayout.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

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

Canvas::LineBox Canvas::MeasureLine(const CString& text) const
{
    TextLayout& layout = Text();
    layout.SetText(text.view(), 0);
    layout.SetLimits(-1, false, false, 0);
    const PangoRectangle logical = layout.LogicalRect();
    LineBox box;
    box.width = logical.width / double(PANGO_SCALE) * layout.Stretch() / Scale();
    box.top = logical.y;
    box.height = logical.height;
    box.baseline = pango_layout_get_baseline(layout.Layout());
    return box;
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
