#include "photo/batch/Thumbnail.h"

#include "foundation/BitmapEx.h"
#include "platform/canvas/ImageOps.h"

#include <algorithm>

bool CThumbnail::Make(const CString& path)
{
    JpegHeader header;
    if (!CBitmapEx::ReadJpegHeader(path, header) || header.width <= 0 || header.height <= 0) {
        return false;
    }
    const CSize photo(header.width, header.height);
    const int width = std::max(MulDiv(photo.cx, kHeight, photo.cy), 1);
    // Decoded at a fraction of its size where the picture still gets every pixel: a folder of
    // phone photos reads many times faster, and photos beyond what a bitmap holds read at all.
    const int reduction =
        CBitmapEx::ChooseJpegReduction(photo, std::min(photo.cx / width, photo.cy / kHeight));
    CBitmapEx decoded;
    if (!decoded.LoadJpeg(path, reduction)) {
        return false;
    }
    Bitmap picture = ImageOps::AreaAverage(decoded, reduction, CRect(CPoint(0, 0), photo), width, kHeight);
    if (picture.IsEmpty()) {
        return false;
    }
    m_picture = std::move(picture);
    m_path = path;
    return true;
}
