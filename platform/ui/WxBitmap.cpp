#include "platform/ui/WxBitmap.h"

#include "platform/Bitmap.h"

#include <wx/imagpng.h>

wxImage ToWxImage(const Bitmap& image)
{
    if (image.IsEmpty()) {
        return wxImage();
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
    return picture;
}

Bitmap FromWxImage(const wxImage& image)
{
    Bitmap bitmap;
    if (!image.IsOk() || !bitmap.Create(image.GetWidth(), image.GetHeight(), 32)) {
        return bitmap;
    }
    const unsigned char* rgb = image.GetData();
    for (int y = 0; y < image.GetHeight(); ++y) {
        Bitmap::Pixel* row = bitmap.Row(y);
        for (int x = 0; x < image.GetWidth(); ++x, rgb += 3) {
            row[x] =
                static_cast<Bitmap::Pixel>(rgb[0]) << 16 | static_cast<Bitmap::Pixel>(rgb[1]) << 8 | rgb[2];
        }
    }
    return bitmap;
}

wxBitmap ToWxBitmap(const Bitmap& image, COLORREF transparent)
{
    if (image.IsEmpty()) {
        return wxNullBitmap;
    }
    wxImage picture = ToWxImage(image);
    picture.SetMaskColour(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
    picture.InitAlpha();
    return wxBitmap(picture);
}

void EnsurePngHandler()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler());
    }
}
