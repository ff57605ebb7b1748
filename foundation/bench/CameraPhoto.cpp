#include "foundation/bench/CameraPhoto.h"

#include "foundation/BitmapEx.h"

#include <cmath>
#include <stdexcept>

void WriteCameraPhoto(const CString& path)
{
    CBitmapEx photo;
    photo.Create(4000, 3000, 24);
    unsigned noise = 12345;
    for (int y = 0; y < 3000; ++y) {
        Bitmap::Pixel* row = photo.Row(y);
        for (int x = 0; x < 4000; ++x) {
            noise = noise * 1103515245 + 12345;
            int n = static_cast<int>(noise >> 28) - 8;
            int r = 128 + static_cast<int>(100 * std::sin(x / 300.0)) + n;
            int g = (y * 255 / 3000) + n;
            int b = ((x / 200 + y / 200) % 2 != 0 ? 200 : 60) + n;
            auto clamp = [](int v) { return static_cast<Bitmap::Pixel>(v < 0 ? 0 : v > 255 ? 255 : v); };
            row[x] = clamp(r) << 16 | clamp(g) << 8 | clamp(b);
        }
    }
    if (!photo.SaveJpeg(path, 92)) {
        throw std::runtime_error("cannot write the test photo");
    }
}
