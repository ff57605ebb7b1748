#pragma once

#include "platform/Geometry.h"

// Which image of the main toolbar's strip a button shows for the state it stands for, and which
// picture the format toolbar's width swatch shows.
class CToolbarImages
{
  public:
    // The print button shows the print mode: list print, sheet print, list preview, sheet
    // preview give images 7 to 10; any other command the list preview's.
    static int GetPrintImage(int printCommand);
    // The text colour button: 28 to 34 for red, green, yellow, blue, magenta, cyan and white;
    // 27 for every other colour, black and the default included.
    static int GetTextColorImage(COLORREF color);
    // The background colour button: 35 to 41 for black, red, green, yellow, blue, magenta and
    // cyan; 42 for every other colour, white and the default included.
    static int GetBackColorImage(COLORREF color);
    // The width swatch's bitmap: 335 for no line, 336 to 343 for one to eight dots.
    static int GetWidthBitmap(int borderWidth);
};
