#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

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

// What a JPEG file says of itself before its pixels are decoded.
struct JpegHeader
{
    int width = 0;
    int height = 0;
    // The EXIF orientation: 1 (stored upright) to 8.
    int orientation = 1;
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
    // A BMP or DIB file of 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed, with bit fields
    // or run-length encoded (RLE8, RLE4), with the Windows header or the OS/2 one.
    bool LoadBitmapFile(const CString& path);
    // A JPEG file (it must start with FF D8) as a 24-bit image: gray and CMYK are converted.
    // A reduction of 2, 4 or 8 decodes it at that fraction of its size, which costs a fraction
    // of the time and memory. Refused when the decoded image would exceed kMaxPixels.
    bool LoadJpeg(const CString& path, int reduction = 1);
    // As LoadJpeg, but an exception (memory, files) goes to the caller instead of the runtime
    // error box, for work away from the windows' thread.
    bool ReadJpeg(const CString& path, int reduction = 1);
    // As LoadJpeg, turned and mirrored as the file's EXIF orientation says: the photo as the
    // camera saw it, as a list shows it.
    bool LoadUprightJpeg(const CString& path, int reduction = 1);
    // The size and EXIF orientation of a JPEG file; false when it is no readable JPEG.
    static bool ReadJpegHeader(const CString& path, JpegHeader& header);
    // The largest reduction of 8, 4 and 2 that is at most largest and divides both sides of the
    // photo, so that its reduced pixels tile it exactly; 1 when none does.
    static int ChooseJpegReduction(CSize photo, int largest);
    // Whether the photo decoded at the reduction stays within kMaxPixels.
    static bool FitsInMemory(CSize photo, int reduction);
    // A PNG file: colour images as 24 bits; gray and palette images indexed, 2-bit ones widened
    // to 4 bits and 16-bit ones cut to 8. Images above kMaxPixels pixels are refused.
    bool LoadPng(const CString& path);
    // Writes the image as a baseline JPEG of the given quality (1-100). The file replaces an
    // old one only when complete. False for an empty image or when the file cannot be written.
    bool SaveJpeg(const CString& path, int quality) const;
    // As SaveJpeg, with exceptions left to the caller as in ReadJpeg.
    bool WriteJpeg(const CString& path, int quality) const;
    // Applies the corrections to every pixel of a true-colour image. False for an empty or
    // indexed image; true without change when all corrections are 0.
    bool AdjustColors(const ColorAdjust& adjust);
};
