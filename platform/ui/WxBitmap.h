#pragma once

#include "platform/Geometry.h"

#include <wx/bitmap.h>

class Bitmap;

// Our images as wx bitmaps: pixels of the transparent colour become fully transparent (an alpha
// channel, which toolbars, menus and icons draw reliably). An empty image gives wxNullBitmap.
wxBitmap ToWxBitmap(const Bitmap& image, COLORREF transparent);
