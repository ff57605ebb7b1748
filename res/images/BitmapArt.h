#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// The program's bitmap resources other than toolbar strips: the colour swatches of the colour
// menus, the border-width and transparent-pattern pictures of the format toolbar, the splash
// picture and the program icon. Pixels of CIconPainter::kTransparent are transparent.
class CBitmapArt
{
  public:
    // Colour swatches of the text and background colour menus: black, red, green, yellow, blue,
    // magenta, cyan, white.
    static constexpr int kFirstColorSwatch = 326;
    static constexpr int kLastColorSwatch = 333;
    // Border widths: no line, then 1 to 8 dots.
    static constexpr int kFirstWidthSwatch = 335;
    static constexpr int kLastWidthSwatch = 343;
    // The picture of "no colour" (transparent).
    static constexpr int kTransparentPattern = 344;
    static constexpr int kSplash = 403;
    // Arrows of the buttons that move a row down and up.
    static constexpr int kMoveDown = 304;
    static constexpr int kMoveUp = 305;
    // The picture of the about box.
    static constexpr int kAboutPicture = 322;
    // The start navigator's pictures of a list made by hand and of a file to choose.
    static constexpr int kManualList = 404;
    static constexpr int kChooseFile = 405;
    // The program icon; DrawIcon takes its size.
    static constexpr int kProgramIcon = 128;

    static constexpr int kSwatchWidth = 40;
    static constexpr int kSwatchHeight = 14;

    // The colour a swatch of the colour menus shows.
    static COLORREF GetSwatchColor(int bitmapId);

    // A bitmap resource by id; empty for an unknown id.
    static Bitmap Draw(int bitmapId);
    // The program icon at size x size pixels.
    static Bitmap DrawIcon(int size);
};
