#include "grid/CellType.h"

#include "grid/CellRecord.h"
#include "platform/Bitmap.h"

#include <algorithm>
#include <cstdint>

bool CCellType::AllowsOverflow(const CCellRecord& record) const
{
    if (m_overflowAllowed != 1) {
        return false;
    }
    if (record.TestMaskBits(CellMask::Align)) {
        return (record.GetAlignFlags() & 0x1) != 0 && (record.GetTypeStyle() & kCellStyleMultiLine) == 0;
    }
    return record.GetTypeStyle() == 0 && !record.TestMaskBits(CellMask::Join);
}

void CCellType::GetBestSize(const TextMeasurer& dc, CSize& size, const CCellRecord& record)
{
    int bitmapPart = 0;
    const Bitmap* picture = record.GetPicture();
    if (picture != nullptr && picture->Width() > 0 && picture->Height() > 0) {
        bitmapPart = 7 * picture->Width() / picture->Height() + 6;
    }
    CSize text = record.GetText().IsEmpty() ? CSize(3, 3) : record.MeasureText(dc);
    size.cx = bitmapPart + text.cx + 6;
    size.cy = text.cy + 2;
}

CSize CCellType::FitBitmap(CSize bitmap, CSize room)
{
    if (bitmap.cx <= 0 || bitmap.cy <= 0 || room.cx <= 0 || room.cy <= 0) {
        return CSize(0, 0);
    }
    if (bitmap.cx <= room.cx && bitmap.cy <= room.cy) {
        return bitmap;
    }
    // Per ten thousand, as the drawing code compares the two directions.
    const std::int64_t byWidth = 10000LL * room.cx / bitmap.cx;
    const std::int64_t byHeight = 10000LL * room.cy / bitmap.cy;
    const std::int64_t scale = std::min(byWidth, byHeight);
    return CSize(static_cast<int>(std::max<std::int64_t>(1, bitmap.cx * scale / 10000)),
                 static_cast<int>(std::max<std::int64_t>(1, bitmap.cy * scale / 10000)));
}
