#include "TestImages.h"

#include "platform/FileSystem.h"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

namespace TestImages {

void WriteJpeg(const CString& path, int width, int height, int components, std::uint32_t (*pixel)(int, int),
               int quality, bool progressive)
{
    FILE* file = FileSystem::OpenStream(path, "wb");
    if (file == nullptr) {
        throw std::runtime_error("cannot write the test JPEG");
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * components);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t value = pixel(x, y);
            for (int c = 0; c < components; ++c) {
                row[x * components + c] = static_cast<JSAMPLE>(value >> (8 * (components - 1 - c)));
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

void WritePng(const CString& path, const Png& image)
{
    FILE* file = FileSystem::OpenStream(path, "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (file == nullptr || png == nullptr || info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        throw std::runtime_error("cannot write the test PNG");
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width, image.height, image.depth, image.colorType,
                 image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (std::uint32_t entry : image.palette) {
        palette.push_back({static_cast<png_byte>(entry >> 16), static_cast<png_byte>(entry >> 8),
                           static_cast<png_byte>(entry)});
    }
    if (!palette.empty()) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (const auto& row : image.rows) {
        rows.push_back(const_cast<png_bytep>(row.data()));
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    auto chunk = [](const std::string& type, const std::string& data) {
        std::string out;
        std::uint32_t length = static_cast<std::uint32_t>(data.size());
        for (int shift = 24; shift >= 0; shift -= 8) {
            out += static_cast<char>(length >> shift);
        }
        std::string body = type + data;
        out += body;
        auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
        for (int shift = 24; shift >= 0; shift -= 8) {
            out += static_cast<char>(crc >> shift);
        }
        return out;
    };
    std::string header;
    for (std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            header += static_cast<char>(value >> shift);
        }
    }
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB, not interlaced
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IEND", "");
}

} // namespace TestImages
