#include "TestPhotos.h"

#include "foundation/BitmapEx.h"
#include "platform/FileSystem.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// libjpeg's header wants FILE and size_t declared first.
#include <jpeglib.h>

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

Bitmap CameraLike(int width, int height)
{
    Bitmap image;
    image.Create(width, height, 24);
    unsigned noise = 12345;
    auto clamp = [](int v) { return static_cast<Bitmap::Pixel>(v < 0 ? 0 : v > 255 ? 255 : v); };
    for (int y = 0; y < height; ++y) {
        Bitmap::Pixel* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245 + 12345;
            const int n = static_cast<int>(noise >> 28) - 8;
            const int r = 128 + static_cast<int>(100 * std::sin(x / 70.0)) + n;
            const int g = y * 255 / height + n;
            const int b = ((x / 50 + y / 50) % 2 != 0 ? 200 : 60) + n;
            row[x] = clamp(r) << 16 | clamp(g) << 8 | clamp(b);
        }
    }
    return image;
}

bool WriteJpeg(const CString& path, const Bitmap& image, int orientation)
{
    CBitmapEx file;
    static_cast<Bitmap&>(file) = image;
    if (!file.SaveJpeg(path, 95)) {
        return false;
    }
    // "Exif", a big-endian TIFF header and one directory entry: the orientation as a short.
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3,
                                  0,   0,   0,   1,   0, static_cast<unsigned char>(orientation), 0, 0, 0, 0, 0, 0};
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(0);
    segment += static_cast<char>(sizeof exif + 2);
    segment.append(reinterpret_cast<const char*>(exif), sizeof exif);
    std::ifstream in(FileSystem::ToNative(path), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    in.close();
    bytes.insert(2, segment);
    std::ofstream out(FileSystem::ToNative(path), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

Bitmap StoredAs(const Bitmap& scene, int orientation)
{
    const int width = scene.Width();
    const int height = scene.Height();
    const bool across = orientation >= 5;
    Bitmap stored;
    stored.Create(across ? height : width, across ? width : height, 24);
    for (int y = 0; y < stored.Height(); ++y) {
        for (int x = 0; x < stored.Width(); ++x) {
            const CPoint seen[] = {
                {x, y}, {width - 1 - x, y}, {width - 1 - x, height - 1 - y}, {x, height - 1 - y},
                {y, x}, {width - 1 - y, x}, {width - 1 - y, height - 1 - x}, {y, height - 1 - x}};
            const CPoint& at = seen[orientation >= 1 && orientation <= 8 ? orientation - 1 : 0];
            stored.Row(y)[x] = scene.GetPixel(at.x, at.y);
        }
    }
    return stored;
}

bool WriteCameraJpeg(const CString& path, int width, int height, int orientation)
{
    return WriteJpeg(path, StoredAs(Quadrants(width, height), orientation), orientation);
}

bool WriteLargeJpeg(const CString& path, int width, int height)
{
    FILE* file = std::fopen(FileSystem::ToNative(path).c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            const Bitmap::Pixel pixel =
                y < height / 2 ? (left ? kTopLeft : kTopRight) : (left ? kBottomLeft : kBottomRight);
            row[3 * x] = static_cast<JSAMPLE>(pixel >> 16);
            row[3 * x + 1] = static_cast<JSAMPLE>(pixel >> 8);
            row[3 * x + 2] = static_cast<JSAMPLE>(pixel);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
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
