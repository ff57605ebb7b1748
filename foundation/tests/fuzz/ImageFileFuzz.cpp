// A picture file from outside: a JPEG, PNG or BMP by its first bytes (a BMP otherwise), loaded
// as the photo import and the templates' pictures load theirs, corrected and turned; a JPEG's
// header and EXIF orientation are read and its pixels decoded reduced as a photo taken in; the
// bytes are also taken as a packed DIB from the clipboard.
#include "foundation/BitmapEx.h"
#include "foundation/PackedDib.h"
#include "foundation/tests/support/ScratchFolder.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* ExtensionOf(const uint8_t* data, size_t size)
{
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) {
        return ".jpg";
    }
    if (size >= 4 && std::memcmp(data, "\x89PNG", 4) == 0) {
        return ".png";
    }
    return ".bmp";
}

// The corrections and turns take the same paths whatever the size; on a picture of tens of
// megapixels, which a few bytes of run-length codes can describe, they would only spend the
// instrumented build's seconds on each pixel.
constexpr std::int64_t kLargestTransformed = 4'000'000;

void UseImage(const Bitmap& image)
{
    if (static_cast<std::int64_t>(image.Width()) * image.Height() > kLargestTransformed) {
        return;
    }
    CBitmapEx copy;
    static_cast<Bitmap&>(copy) = image;
    copy.AdjustColors(ColorAdjust{40, -30, 10, -10, 255});
    CPackedDib dib;
    if (dib.CreateFromBitmap(copy)) {
        dib.Rotate(1);
        dib.FlipHorizontal();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFolder scratch;
    const CString path = scratch / "picture" + ExtensionOf(data, size);
    ScratchFolder::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));
    CBitmapEx image;
    if (image.LoadImageFile(path)) {
        UseImage(image);
    }
    // A photo taken in: its header and EXIF orientation, then its pixels decoded reduced.
    JpegHeader header;
    if (CBitmapEx::ReadJpegHeader(path, header) && CBitmapEx::FitsInMemory(CSize(header.width, header.height), 8) &&
        image.LoadJpeg(path, 8)) {
        UseImage(image);
    }

    CPackedDib clipboard;
    Bitmap pasted;
    if (clipboard.Attach(std::vector<unsigned char>(data, data + size)) && clipboard.ToBitmap(pasted)) {
        UseImage(pasted);
    }
    return 0;
}
