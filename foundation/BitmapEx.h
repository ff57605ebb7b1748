#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"

// Colour corrections of a photo, each 0 for none: added to every channel (brightness), to one
// channel (red, green, blue), or driving the channels away from (positive saturation) or
// towards (negative) the pixel's gray.
struct ColorAdjust
{
    int brightness = 0;
    int saturation = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

// A bitmap loaded from a BMP, JPEG or PNG file and saved as JPEG. A load that fails, for
// whatever reason, returns false and keeps the bitmap as it was; a bad file never ends the
// program.
class CBitmapEx : public Bitmap
{
  public:
    // Picks the loader by the extension, without regard to case: bmp and dib, jpg and jpeg, png.
    // Any other extension (gif too) gives false.
    bool LoadImageFile(const CString& path);
    // A BMP or DIB file of 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or with bit fields.
    bool LoadBitmapFile(const CString& path);
    // A JPEG file (it must start with FF D8) as a 24-bit image: gray and CMYK are converted.
    bool LoadJpeg(const CString& path);
    // A PNG file: colour images as 24 bits; gray and palette images indexed, 2-bit ones widened
    // to 4 bits and 16-bit ones cut to 8. Images above kMaxPixels pixels are refused.
    bool LoadPng(const CString& path);
    // Writes the image as a baseline JPEG of the given quality (1-100). The file replaces an
    // old one only when complete. False for an empty image or when the file cannot be written.
    bool SaveJpeg(const CString& path, int quality) const;
    // Applies the corrections to every pixel of a true-colour image. False for an empty or
    // indexed image; true without change when all corrections are 0.
    bool AdjustColors(const ColorAdjust& adjust);
};
