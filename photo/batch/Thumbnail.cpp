#include "photo/batch/Thumbnail.h"

#include "foundation/BitmapEx.h"
#include "foundation/ExifOrientation.h"
#include "platform/canvas/ImageOps.h"

#include <algorithm>

bool CThumbnail::Make(const CString& path)
{
    JpegHeader header;
    if (!CBitmapEx::ReadJpegHeader(path, header) || header.width <= 0 || header.height <= 0) {
        return false;
    }
    const CSize photo(header.width, header.height);
    // 120 pixels high as the photo is seen: a camera held upright stores its columns as rows.
    const bool across = GetExifTurn(header.orientation).leftTurns % 2 != 0;
    const CSize seen = across ? CSize(photo.cy, photo.cx) : photo;
    const int width = std::max(MulDiv(seen.cx, kHeight, seen.cy), 1);
    const CSize stored = across ? CSize(kHeight, width) : CSize(width, kHeight);
    // Decoded at a fraction of its size where the picture still gets every pixel: a folder of
    // phone photos reads many times faster, and photos beyond what a bitmap holds read at all.
    const int reduction =
        CBitmapEx::ChooseJpegReduction(photo, std::min(photo.cx / stored.cx, photo.cy / stored.cy));
    CBitmapEx decoded;
    if (!decoded.LoadJpeg(path, reduction)) {
        return false;
    }
    Bitmap picture =
        ImageOps::AreaAverage(decoded, reduction, CRect(CPoint(0, 0), photo), stored.cx, stored.cy);
    if (picture.IsEmpty() || !TurnUpright(picture, header.orientation)) {
        return false;
    }
    m_picture = std::move(picture);
    m_path = path;
    return true;
}
