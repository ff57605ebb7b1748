#include "platform/ui/WxBitmap.h"

#include "platform/Bitmap.h"

#include <wx/image.h>

wxBitmap ToWxBitmap(const Bitmap& image, COLORREF transparent)
{
    if (image.IsEmpty()) {
        return wxNullBitmap;
    }
    wxImage picture(image.Width(), image.Height(), false);
    unsigned char* rgb = picture.GetData();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Bitmap::Pixel pixel = image.GetPixel(x, y);
            *rgb++ = static_cast<unsigned char>(pixel >> 16);
            *rgb++ = static_cast<unsigned char>(pixel >> 8);
            *rgb++ = static_cast<unsigned char>(pixel);
        }
    }
    picture.SetMaskColour(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
    picture.InitAlpha();
    return wxBitmap(picture);
}
