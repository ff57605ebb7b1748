#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/canvas/LogFont.h"

// A 24-bit bitmap filled with one colour.
Bitmap FilledBitmap(int width, int height, COLORREF color);
// The colour of a pixel as a COLORREF.
COLORREF ColorAt(const Bitmap& bitmap, int x, int y);
// The smallest rectangle holding every pixel that differs from the background; empty when none.
CRect InkBounds(const Bitmap& bitmap, COLORREF background);
// How many pixels differ from the background.
int InkCount(const Bitmap& bitmap, COLORREF background);
// A font description with the fields the tests vary.
LogFont MakeFont(const char* face, int height, int width = 0, int escapement = 0);
