#pragma once

#include "platform/canvas/LogFont.h"

#include <pango/pangocairo.h>
#include <string>
#include <string_view>

// Lays out CP932 text in one font with pango for one cairo context and measures it in device
// units. Sizes of the layout are before the font's horizontal stretch; callers apply Stretch().
class TextLayout
{
  public:
    explicit TextLayout(cairo_t* cr);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    // deviceScale turns the font's logical sizes into device units; dotsPerInch sizes the
    // default font.
    void SetFont(const LogFont& font, double deviceScale, double dotsPerInch);
    // The character height in pixels that text in the font has on a window, where a logical
    // unit is a pixel.
    static double EmSize(const LogFont& font, double dotsPerInch);

    // Device units of the current font, the average width after the stretch.
    double Ascent() const { return m_ascent; }
    double Descent() const { return m_descent; }
    double Height() const { return m_ascent + m_descent; }
    double AveCharWidth() const { return m_aveCharWidth * m_stretch; }
    // Horizontal factor that gives the font its requested average width.
    double Stretch() const { return m_stretch; }
    // Angle of the text in radians, counter-clockwise.
    double Angle() const { return m_angle; }

    // Single-line text drops CR, LF and NUL; prefix processing shows "&&" as "&" and underlines
    // the character after a single "&".
    static constexpr unsigned kSingleLine = 0x1;
    static constexpr unsigned kPrefix = 0x2;
    void SetText(std::string_view cp932, unsigned flags);

    // Alignment of lines against each other or within the width: 0 left, 1 centre, 2 right.
    // width is in layout units; below 0 lines are not limited. With a width, lines wrap at
    // word boundaries when wordBreak is set, else each line is cut with an end ellipsis when
    // ellipsis is set.
    void SetLimits(double width, bool wordBreak, bool ellipsis, int alignment);

    // Logical extents of the laid-out text in layout units.
    PangoRectangle LogicalRect() const;
    double Baseline() const;
    PangoLayout* Layout() const { return m_layout; }

    // Draws the layout with its top-left at the current point of cr, through cr's
    // transformation.
    void Show(cairo_t* cr);

  private:
    PangoContext* m_context = nullptr;
    PangoLayout* m_layout = nullptr;
    LogFont m_font;
    double m_deviceScale = 0;
    double m_dotsPerInch = 0;
    bool m_hasFont = false;
    double m_ascent = 0;
    double m_descent = 0;
    double m_aveCharWidth = 0;
    double m_stretch = 1;
    double m_angle = 0;
};
