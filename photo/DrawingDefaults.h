#pragma once

#include "platform/Geometry.h"

// Control ids of the format toolbar's swatches; the colour ids are also the colour palette's
// targets when it sets the drawing defaults.
constexpr int IDC_BORDER_WIDTH = 33010;
constexpr int IDC_BORDER_COLOR = 33011;
constexpr int IDC_FILL_COLOR = 33012;
constexpr int IDC_TEXT_COLOR = 33013;
constexpr int IDC_SHADOW_COLOR = 33014;

// What the photo editor gives a new shape, as chosen on the format toolbar: border width in
// dots (0 no line, up to 8) and the border, fill, text and shadow colours (kDefaultColor: none).
struct DrawingDefaults
{
    static constexpr int kMaxBorderWidth = 8;

    int borderWidth = 1;
    COLORREF borderColor = RGB(0, 0, 0);
    COLORREF fillColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF shadowColor = kDefaultColor;

    // The colour a swatch id stands for; kDefaultColor for any other id.
    COLORREF GetColor(int target) const;
    // Sets the colour of a swatch id; false (nothing changed) for any other id.
    bool SetColor(int target, COLORREF color);
};
