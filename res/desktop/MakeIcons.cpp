// Writes the program's icon into a hicolor icon theme folder, <folder>/<size>x<size>/apps/<name>.png
// at each size the desktop asks for, from the same drawing as the windows' icon.
#include "res/images/BitmapArt.h"
#include "res/images/IconPainter.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// The icon's pixels as premultiplied ARGB, its transparent colour see-through.
bool WritePng(const Bitmap& icon, const std::filesystem::path& path)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, icon.Width(), icon.Height());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const Bitmap::Pixel transparent = (GetRValue(CIconPainter::kTransparent) << 16) |
                                      (GetGValue(CIconPainter::kTransparent) << 8) |
                                      GetBValue(CIconPainter::kTransparent);
    for (int y = 0; y < icon.Height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < icon.Width(); ++x) {
            const Bitmap::Pixel pixel = icon.Row(y)[x] & 0xFFFFFF;
            row[x] = pixel == transparent ? 0 : 0xFF000000 | pixel;
        }
    }
    cairo_surface_mark_dirty(surface);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <hicolor folder> <icon name>\n", argv[0]);
        return 2;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / square / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::filesystem::path path = folder / (std::string(argv[2]) + ".png");
        if (error || !WritePng(CBitmapArt::DrawIcon(size), path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
    }
    return 0;
}
