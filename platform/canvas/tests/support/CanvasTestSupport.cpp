#include "CanvasTestSupport.h"

#include <algorithm>

Bitmap FilledBitmap(int width, int height, COLORREF color)
{
    Bitmap bitmap;
    bitmap.Create(width, height, 24);
    Bitmap::Pixel pixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.Row(y)[x] = pixel;
        }
    }
    return bitmap;
}

COLORREF ColorAt(const Bitmap& bitmap, int x, int y)
{
    Bitmap::Pixel pixel = bitmap.GetPixel(x, y);
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

CRect InkBounds(const Bitmap& bitmap, COLORREF background)
{
    CRect bounds;
    bool any = false;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (ColorAt(bitmap, x, y) == background) {
                continue;
            }
            if (!any) {
                bounds = CRect(x, y, x + 1, y + 1);
                any = true;
            } else {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
        }
    }
    return bounds;
}

int InkCount(const Bitmap& bitmap, COLORREF background)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            count += ColorAt(bitmap, x, y) != background ? 1 : 0;
        }
    }
    return count;
}

LogFont MakeFont(const char* face, int height, int width, int escapement)
{
    LogFont font;
    font.faceName = face;
    font.height = height;
    font.width = width;
    font.escapement = escapement;
    return font;
}
