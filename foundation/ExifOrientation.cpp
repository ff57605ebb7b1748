#include "foundation/ExifOrientation.h"

#include "platform/canvas/ImageOps.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t kSignatureSize = 6; // "Exif" and two zero bytes
constexpr std::size_t kEntrySize = 12;
constexpr unsigned kOrientationTag = 0x0112;
constexpr unsigned kShortType = 3;

// Numbers of the TIFF structure in the byte order its header names.
class TiffReader
{
  public:
    TiffReader(const unsigned char* data, std::size_t size, bool bigEndian)
        : m_data(data), m_size(size), m_bigEndian(bigEndian)
    {
    }

    bool Has(std::size_t offset, std::size_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    unsigned Short(std::size_t at) const
    {
        return m_bigEndian ? m_data[at] << 8 | m_data[at + 1] : m_data[at + 1] << 8 | m_data[at];
    }
    std::uint32_t Long(std::size_t at) const
    {
        return m_bigEndian ? std::uint32_t{Short(at)} << 16 | Short(at + 2)
                           : std::uint32_t{Short(at + 2)} << 16 | Short(at);
    }

  private:
    const unsigned char* m_data;
    std::size_t m_size;
    bool m_bigEndian;
};

} // namespace

int ReadExifOrientation(const unsigned char* data, std::size_t size)
{
    if (data == nullptr || size < kSignatureSize + 8 || std::memcmp(data, "Exif\0\0", kSignatureSize) != 0) {
        return 1;
    }
    const unsigned char* tiff = data + kSignatureSize;
    const std::size_t tiffSize = size - kSignatureSize;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if (!bigEndian && !(tiff[0] == 'I' && tiff[1] == 'I')) {
        return 1;
    }
    const TiffReader reader(tiff, tiffSize, bigEndian);
    if (reader.Short(2) != 42) {
        return 1;
    }
    const std::size_t directory = reader.Long(4);
    if (!reader.Has(directory, 2)) {
        return 1;
    }
    const unsigned count = reader.Short(directory);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = directory + 2 + i * kEntrySize;
        if (!reader.Has(entry, kEntrySize)) {
            return 1;
        }
        if (reader.Short(entry) != kOrientationTag) {
            continue;
        }
        // One short, stored in the first half of the value field.
        const unsigned value = reader.Short(entry + 8);
        const bool valid =
            reader.Short(entry + 2) == kShortType && reader.Long(entry + 4) == 1 && value >= 1 && value <= 8;
        return valid ? static_cast<int>(value) : 1;
    }
    return 1;
}

ExifTurn GetExifTurn(int orientation)
{
    static const ExifTurn kTurns[] = {{false, false, 0}, {true, false, 0}, {false, false, 2},
                                      {false, true, 0},  {true, false, 1}, {false, false, 3},
                                      {true, false, 3},  {false, false, 1}};
    return orientation >= 1 && orientation <= 8 ? kTurns[orientation - 1] : ExifTurn();
}

bool TurnUpright(Bitmap& image, int orientation)
{
    const ExifTurn turn = GetExifTurn(orientation);
    const auto mirror = [&] {
        if (turn.mirrorRows) {
            ImageOps::FlipHorizontal(image);
        }
        if (turn.reverseRows) {
            ImageOps::FlipVertical(image);
        }
    };
    mirror();
    if (turn.leftTurns == 0) {
        return true;
    }
    Bitmap turned = ImageOps::Rotate(image, turn.leftTurns);
    if (turned.IsEmpty()) {
        mirror(); // undone
        return false;
    }
    image = std::move(turned);
    return true;
}
