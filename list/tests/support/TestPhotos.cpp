#include "TestPhotos.h"

#include "foundation/BitmapEx.h"

#include <cstdlib>

namespace TestPhotos {

Bitmap Quadrants(int width, int height)
{
    Bitmap image;
    image.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        Bitmap::Pixel* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            bool left = x < width / 2;
            row[x] = y < height / 2 ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
        }
    }
    return image;
}

bool WriteJpeg(const CString& path, int width, int height)
{
    CBitmapEx image;
    static_cast<Bitmap&>(image) = Quadrants(width, height);
    return image.SaveJpeg(path, 95);
}

bool IsNear(Bitmap::Pixel a, Bitmap::Pixel b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF);
        int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

} // namespace TestPhotos
