#include "foundation/BitmapEx.h"

#include "foundation/DibExpander.h"
#include "foundation/ExifOrientation.h"
#include "foundation/PackedDib.h"
#include "foundation/PathName.h"

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>
#include <span>
#include <utility>
#include <vector>

// libjpeg's headers expect FILE and size_t to be declared first.
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

namespace {

// An exception inside the JPEG routines (memory, files) is shown, as a bug report would be.
void ShowRuntimeError(int line)
{
    CString text;
    text.Format("runtime error - %s %d", "BitmapEx", line);
    ShowMessageBox(text, "", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
}

constexpr long kDecoderMemory = 768L << 20;

bool TooManyPixels(std::uint64_t width, std::uint64_t height)
{
    return width * height > static_cast<std::uint64_t>(Bitmap::kMaxPixels);
}

// ---- JPEG -------------------------------------------------------------------------------

// libjpeg reports errors through this manager; they jump back to the routine that started the
// work instead of ending the process. A file that ends early is an error too, although
// libjpeg only warns and would fill the rest with gray.
struct JpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void OnJpegMessage(j_common_ptr info, int level)
{
    if (level < 0) {
        if (info->err->msg_code == JWRN_JPEG_EOF) {
            OnJpegError(info);
        }
        info->err->num_warnings++;
    }
}

void InstallErrorManager(JpegErrorManager& manager)
{
    jpeg_std_error(&manager.base);
    manager.base.error_exit = OnJpegError;
    manager.base.emit_message = OnJpegMessage;
}

// libjpeg's state lives here, outside the function that calls setjmp, so that nothing it
// needs after a jump is held in a register the jump restores.
struct JpegDecoder
{
    jpeg_decompress_struct info{};
    JpegErrorManager error{};
    std::vector<unsigned char> bytes;
    std::vector<JSAMPLE> row;
    ~JpegDecoder() { jpeg_destroy_decompress(&info); }
};

// The rest of the file from where it stands.
bool ReadWholeFile(FILE* file, std::vector<unsigned char>& bytes)
{
    const long start = std::ftell(file);
    if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) {
        return false;
    }
    const long end = std::ftell(file);
    if (end <= start || std::fseek(file, start, SEEK_SET) != 0) {
        return false;
    }
    bytes.resize(static_cast<size_t>(end - start));
    return std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// Adobe-inverted CMYK channel v with black k as one RGB channel.
unsigned char CmykChannel(int v, int k)
{
    int t = (255 - v) * k / 255 - k + 255;
    return static_cast<unsigned char>(255 - std::clamp(t, 0, 255));
}

// The header's size and EXIF orientation.
void ReadHeaderInfo(const jpeg_decompress_struct& info, JpegHeader& header)
{
    header.width = static_cast<int>(info.image_width);
    header.height = static_cast<int>(info.image_height);
    header.orientation = 1;
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr; marker = marker->next) {
        header.orientation = ReadExifOrientation(marker->data, marker->data_length);
        if (header.orientation != 1) {
            break;
        }
    }
}

// Reads the header into header, when one is given, and the pixels into image, when one is given,
// decoded at 1 / reduction of their size.
bool DecodeJpeg(JpegDecoder& decoder, FILE* file, int reduction, JpegHeader* header, Bitmap* image)
{
    jpeg_decompress_struct& info = decoder.info;
    info.err = &decoder.error.base;
    InstallErrorManager(decoder.error);
    if (setjmp(decoder.error.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    // A progressive file keeps every coefficient of the whole image while it decodes, however
    // small the output: without a bound, a damaged header naming 65,000 x 65,000 pixels would
    // take gigabytes. This bound still admits a progressive photo of 100 megapixels.
    info.mem->max_memory_to_use = kDecoderMemory;
    if (image != nullptr) {
        // The whole file at hand keeps the decoder on its fast path, which wants the bytes of
        // the next blocks in its buffer; a file's buffer holds too few of them.
        if (!ReadWholeFile(file, decoder.bytes)) {
            return false;
        }
        jpeg_mem_src(&info, decoder.bytes.data(), static_cast<unsigned long>(decoder.bytes.size()));
    } else {
        jpeg_stdio_src(&info, file);
    }
    if (header != nullptr) {
        // Only APP1 segments are kept: EXIF, or XMP, which names no orientation here.
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    }
    jpeg_read_header(&info, TRUE);
    if (header != nullptr) {
        ReadHeaderInfo(info, *header);
    }
    if (image == nullptr) {
        return true;
    }
    // The decoder's own DCT scaling: each output pixel stands for reduction x reduction pixels.
    info.scale_num = 1;
    info.scale_denom = static_cast<unsigned>(reduction);
    jpeg_calc_output_dimensions(&info);
    if (TooManyPixels(info.output_width, info.output_height)) {
        return false;
    }
    bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // Colour images decode straight into the image's 0x00RRGGBB words (B, G, R, X in memory).
    info.out_color_space = gray ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    int width = static_cast<int>(info.output_width);
    if (!image->Create(width, static_cast<int>(info.output_height), 24)) {
        return false;
    }
    if (gray || cmyk) {
        decoder.row.resize(static_cast<size_t>(width) * info.output_components);
    }
    while (info.output_scanline < info.output_height) {
        Bitmap::Pixel* out = image->Row(static_cast<int>(info.output_scanline));
        if (!gray && !cmyk) {
            auto* target = reinterpret_cast<JSAMPROW>(out);
            jpeg_read_scanlines(&info, &target, 1);
            for (int x = 0; x < width; ++x) {
                out[x] &= 0x00FFFFFF;
            }
            continue;
        }
        JSAMPROW source = decoder.row.data();
        jpeg_read_scanlines(&info, &source, 1);
        for (int x = 0; x < width; ++x) {
            if (gray) {
                out[x] = source[x] * 0x010101u;
                continue;
            }
            const JSAMPLE* p = source + x * 4;
            int k = p[3];
            out[x] = CmykChannel(p[0], k) << 16 | CmykChannel(p[1], k) << 8 | CmykChannel(p[2], k);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Opens a file that starts like a JPEG (FF D8) at its beginning; false for any other.
bool OpenJpeg(CFile& file, const CString& path)
{
    if (!file.Open(path, CFile::modeRead) || file.GetLength() <= 0) {
        return false;
    }
    unsigned char magic[2] = {};
    if (file.Read(magic, 2) != 2 || magic[0] != 0xFF || magic[1] != 0xD8) {
        return false;
    }
    file.SeekToBegin();
    return true;
}

struct JpegEncoder
{
    jpeg_compress_struct info{};
    JpegErrorManager error{};
    ~JpegEncoder() { jpeg_destroy_compress(&info); }
};

bool EncodeJpeg(JpegEncoder& encoder, FILE* file, const Bitmap& image, int quality)
{
    jpeg_compress_struct& info = encoder.info;
    info.err = &encoder.error.base;
    InstallErrorManager(encoder.error);
    if (setjmp(encoder.error.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = reinterpret_cast<JSAMPROW>(
            const_cast<Bitmap::Pixel*>(image.Row(static_cast<int>(info.next_scanline))));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

// ---- PNG --------------------------------------------------------------------------------

struct PngDecoder
{
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_infop endInfo = nullptr;
    std::vector<unsigned char> packed;
    std::vector<png_bytep> rows;
    ~PngDecoder() { png_destroy_read_struct(&png, &info, &endInfo); }
};

void ReadPngData(png_structp png, png_bytep data, png_size_t length)
{
    auto* file = static_cast<FILE*>(png_get_io_ptr(png));
    if (std::fread(data, 1, length, file) != length) {
        png_error(png, "file ends early");
    }
}

[[noreturn]] void OnPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Widens 2-bit pixels to 4-bit pixels of the same value: each input byte (four pixels) becomes
// two output bytes. Works from the end of the row, as the row grows in place.
void WidenTwoBitPixels(png_structp, png_row_infop row, png_bytep data)
{
    if (row->bit_depth != 2) {
        return;
    }
    png_uint_32 width = row->width;
    for (png_uint_32 i = (width + 3) / 4; i-- > 0;) {
        unsigned char in = data[i];
        unsigned char high = static_cast<unsigned char>((in >> 6 & 3) << 4 | (in >> 4 & 3));
        unsigned char low = static_cast<unsigned char>((in >> 2 & 3) << 4 | (in & 3));
        data[i * 2] = high;
        if (i * 2 + 1 < (width + 1) / 2) {
            data[i * 2 + 1] = low;
        }
    }
    row->bit_depth = 4;
    row->pixel_depth = 4;
    row->rowbytes = (width + 1) / 2;
}

bool DecodePng(PngDecoder& decoder, FILE* file, Bitmap& image)
{
    decoder.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (decoder.png == nullptr) {
        return false;
    }
    png_structp png = decoder.png;
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    decoder.info = png_create_info_struct(png);
    decoder.endInfo = png_create_info_struct(png);
    if (decoder.info == nullptr || decoder.endInfo == nullptr) {
        return false;
    }
    png_set_read_fn(png, file, ReadPngData);
    png_read_info(png, decoder.info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colorType = 0;
    png_get_IHDR(png, decoder.info, &width, &height, &depth, &colorType, nullptr, nullptr, nullptr);
    if (TooManyPixels(width, height)) {
        return false;
    }

    bool trueColor = (colorType & PNG_COLOR_MASK_COLOR) != 0 && colorType != PNG_COLOR_TYPE_PALETTE;
    int outDepth = trueColor                                           ? 24
                   : depth == 2                                        ? 4
                   : depth == 16 || (colorType & PNG_COLOR_MASK_ALPHA) ? 8
                                                                       : depth;
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    if (trueColor) {
        // B, G, R, X bytes: the image's 0x00RRGGBB words.
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else if (depth == 2) {
        png_set_read_user_transform_fn(png, WidenTwoBitPixels);
        png_set_user_transform_info(png, nullptr, 4, 1);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, decoder.info);

    if (!image.Create(static_cast<int>(width), static_cast<int>(height), outDepth)) {
        return false;
    }
    decoder.rows.resize(height);
    if (trueColor) {
        for (png_uint_32 y = 0; y < height; ++y) {
            decoder.rows[y] = reinterpret_cast<png_bytep>(image.Row(static_cast<int>(y)));
        }
    } else {
        // Packed rows, sized in 64 bits, unpacked into index bytes below.
        size_t stride = png_get_rowbytes(png, decoder.info);
        decoder.packed.resize(static_cast<size_t>(std::uint64_t{stride} * height));
        for (png_uint_32 y = 0; y < height; ++y) {
            decoder.rows[y] = decoder.packed.data() + static_cast<size_t>(y) * stride;
        }
    }
    png_read_image(png, decoder.rows.data());
    png_read_end(png, decoder.endInfo);
    if (trueColor) {
        return true;
    }

    int perByte = 8 / outDepth;
    int mask = (1 << outDepth) - 1;
    for (png_uint_32 y = 0; y < height; ++y) {
        const unsigned char* in = decoder.rows[y];
        unsigned char* out = image.IndexRow(static_cast<int>(y));
        for (png_uint_32 x = 0; x < width; ++x) {
            int shift = 8 - outDepth * (static_cast<int>(x % perByte) + 1);
            out[x] = static_cast<unsigned char>(in[x / perByte] >> shift & mask);
        }
    }
    auto& palette = image.Palette(); // all black to begin with
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp entries = nullptr;
        int count = 0;
        png_get_PLTE(png, decoder.info, &entries, &count);
        for (int i = 0; i < count && i < static_cast<int>(palette.size()); ++i) {
            palette[i] = entries[i].red << 16 | entries[i].green << 8 | entries[i].blue;
        }
    } else {
        // A gray ramp of the image's own depth (at most 8 bits); a 2-bit image gets four levels.
        int levels = 1 << std::min(depth, 8);
        for (int i = 0; i < levels; ++i) {
            palette[i] = (i * 255 / (levels - 1)) * 0x010101u;
        }
    }
    return true;
}

// Decodes a file with its decoder's state; the bitmap takes the image only when all went well.
template <class Decoder, class Decode> bool ReadInto(Bitmap& bitmap, FILE* file, Decode decode)
{
    Bitmap loaded;
    Decoder decoder;
    if (!decode(decoder, file, loaded)) {
        return false;
    }
    bitmap = std::move(loaded);
    return true;
}

} // namespace

bool CBitmapEx::LoadImageFile(const CString& path)
{
    CString extension = GetExtensionOfPath(path);
    if (extension.CompareNoCase("bmp") == 0 || extension.CompareNoCase("dib") == 0) {
        return LoadBitmapFile(path);
    }
    if (extension.CompareNoCase("jpg") == 0 || extension.CompareNoCase("jpeg") == 0) {
        return LoadJpeg(path);
    }
    if (extension.CompareNoCase("png") == 0) {
        return LoadPng(path);
    }
    return false;
}

bool CBitmapEx::LoadBitmapFile(const CString& path)
{
    try {
        CFile file;
        if (!file.Open(path, CFile::modeRead)) {
            return false;
        }
        std::int64_t length = file.GetLength();
        constexpr size_t kFileHeader = 14;
        constexpr size_t kSmallestHeader = 12; // the OS/2 header
        if (length < static_cast<std::int64_t>(kFileHeader + kSmallestHeader) ||
            length > 4 * Bitmap::kMaxPixels + (1 << 20)) {
            return false;
        }
        std::vector<unsigned char> bytes(static_cast<size_t>(length));
        if (file.Read(bytes.data(), static_cast<unsigned>(bytes.size())) != bytes.size() || bytes[0] != 'B' ||
            bytes[1] != 'M') {
            return false;
        }
        // The packed DIB is the file without its file header, the rows taken from where the
        // header says they start.
        std::uint32_t bitsAt = 0;
        std::memcpy(&bitsAt, bytes.data() + 10, 4);
        if (bitsAt < kFileHeader || bitsAt > bytes.size()) {
            return false;
        }
        const std::span<const unsigned char> all(bytes);
        std::vector<unsigned char> block =
            CDibExpander::Expand(all.subspan(kFileHeader, bitsAt - kFileHeader), all.subspan(bitsAt));
        CPackedDib dib;
        Bitmap loaded;
        if (!dib.Attach(std::move(block)) || !dib.ToBitmap(loaded)) {
            return false;
        }
        static_cast<Bitmap&>(*this) = std::move(loaded);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool CBitmapEx::LoadJpeg(const CString& path, int reduction)
{
    try {
        return ReadJpeg(path, reduction);
    } catch (const std::exception&) {
        ShowRuntimeError(__LINE__);
        return false;
    }
}

bool CBitmapEx::ReadJpeg(const CString& path, int reduction)
{
    if (reduction != 1 && reduction != 2 && reduction != 4 && reduction != 8) {
        return false;
    }
    CFile file;
    if (!OpenJpeg(file, path)) {
        return false;
    }
    return ReadInto<JpegDecoder>(*this, file.GetStream(),
                                 [reduction](JpegDecoder& decoder, FILE* stream, Bitmap& image) {
                                     return DecodeJpeg(decoder, stream, reduction, nullptr, &image);
                                 });
}

bool CBitmapEx::LoadUprightJpeg(const CString& path, int reduction)
{
    JpegHeader header;
    CBitmapEx photo;
    if (!ReadJpegHeader(path, header) || !photo.LoadJpeg(path, reduction) ||
        !TurnUpright(photo, header.orientation)) {
        return false;
    }
    static_cast<Bitmap&>(*this) = std::move(photo);
    return true;
}

bool CBitmapEx::ReadJpegHeader(const CString& path, JpegHeader& header)
{
    try {
        CFile file;
        if (!OpenJpeg(file, path)) {
            return false;
        }
        JpegDecoder decoder;
        return DecodeJpeg(decoder, file.GetStream(), 1, &header, nullptr);
    } catch (const std::exception&) {
        return false;
    }
}

int CBitmapEx::ChooseJpegReduction(CSize photo, int largest)
{
    for (int reduction : {8, 4, 2}) {
        if (reduction <= largest && photo.cx % reduction == 0 && photo.cy % reduction == 0) {
            return reduction;
        }
    }
    return 1;
}

bool CBitmapEx::FitsInMemory(CSize photo, int reduction)
{
    if (photo.cx <= 0 || photo.cy <= 0 || reduction < 1) {
        return false;
    }
    // Reduced sides are rounded up, as the decoder makes them.
    const std::uint64_t width = (static_cast<std::uint64_t>(photo.cx) + reduction - 1) / reduction;
    const std::uint64_t height = (static_cast<std::uint64_t>(photo.cy) + reduction - 1) / reduction;
    return !TooManyPixels(width, height);
}

bool CBitmapEx::LoadPng(const CString& path)
{
    try {
        CFile file;
        if (!file.Open(path, CFile::modeRead)) {
            return false;
        }
        return ReadInto<PngDecoder>(*this, file.GetStream(), DecodePng);
    } catch (const std::exception&) {
        return false;
    }
}

bool CBitmapEx::SaveJpeg(const CString& path, int quality) const
{
    try {
        return WriteJpeg(path, quality);
    } catch (const std::exception&) {
        ShowRuntimeError(__LINE__);
        return false;
    }
}

bool CBitmapEx::WriteJpeg(const CString& path, int quality) const
{
    if (IsEmpty()) {
        return false;
    }
    const Bitmap* image = this;
    Bitmap trueColor;
    if (IsIndexed()) {
        trueColor = ToTrueColor();
        image = &trueColor;
    }
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    JpegEncoder encoder;
    if (!EncodeJpeg(encoder, file.GetStream(), *image, quality)) {
        file.Abort();
        return false;
    }
    file.Close();
    return true;
}

bool CBitmapEx::AdjustColors(const ColorAdjust& adjust)
{
    if (IsEmpty() || IsIndexed()) {
        return false;
    }
    if (adjust.brightness == 0 && adjust.saturation == 0 && adjust.red == 0 && adjust.green == 0 &&
        adjust.blue == 0) {
        return true;
    }
    // Sums of corrections of any size fit in 64 bits.
    using Wide = std::int64_t;
    const Wide saturation = adjust.saturation;
    for (int y = 0; y < Height(); ++y) {
        Pixel* row = Row(y);
        for (int x = 0; x < Width(); ++x) {
            Pixel pixel = row[x];
            Wide channels[3] = {Wide{pixel >> 16 & 0xFF} + adjust.red + adjust.brightness,
                                Wide{pixel >> 8 & 0xFF} + adjust.green + adjust.brightness,
                                Wide{pixel & 0xFF} + adjust.blue + adjust.brightness};
            if (saturation != 0) {
                // Away from the pixel's gray (positive) or towards it (negative), never past it.
                Wide mean = (channels[0] + channels[1] + channels[2]) / 3;
                for (Wide& c : channels) {
                    if (c < mean) {
                        c = std::min(c - saturation, mean);
                    } else if (c > mean) {
                        c = std::max(c + saturation, mean);
                    }
                }
            }
            row[x] = static_cast<Pixel>(std::clamp<Wide>(channels[0], 0, 255) << 16 |
                                        std::clamp<Wide>(channels[1], 0, 255) << 8 |
                                        std::clamp<Wide>(channels[2], 0, 255));
        }
    }
    return true;
}
