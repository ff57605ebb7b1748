#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

class Bitmap;

// The program's own drawn images as wx bitmaps, with their transparent colour masked out:
// toolbar buttons, swatches, the splash picture and the program icons.
class CResourceBitmaps
{
  public:
    static wxBitmap FromImage(const Bitmap& image);
    // One button image of a toolbar strip.
    static wxBitmap GetToolbarImage(int toolbarId, int index);
    // A bitmap resource by id (swatches, patterns, splash).
    static wxBitmap GetBitmap(int bitmapId);
    static wxIconBundle GetProgramIcons();
};
