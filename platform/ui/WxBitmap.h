#pragma once

#include "platform/Geometry.h"

#include <wx/bitmap.h>
#include <wx/image.h>

class Bitmap;

// Our images as wx bitmaps: pixels of the transparent colour become fully transparent (an alpha
// channel, which toolbars, menus and icons draw reliably). An empty image gives wxNullBitmap.
wxBitmap ToWxBitmap(const Bitmap& image, COLORREF transparent);

// Our images as wx images and back (32 bits), opaque; empty for empty.
wxImage ToWxImage(const Bitmap& image);
Bitmap FromWxImage(const wxImage& image);

// wx moves images over the clipboard and in drags as PNG; its handler is installed once.
void EnsurePngHandler();
