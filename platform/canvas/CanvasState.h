#pragma once

#include "platform/canvas/Canvas.h"

// The drawing tools and modes of a canvas, saved and restored with SaveDC and RestoreDC.
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
