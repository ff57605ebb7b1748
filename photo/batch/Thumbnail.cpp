#include "photo/batch/Thumbnail.h"

#include "foundation/BitmapEx.h"
#include "platform/canvas/ImageOps.h"

#include <algorithm>

bool CThumbnail::Make(const CString& path)
{
    CBitmapEx photo;
    if (!photo.LoadJpeg(path)) {
        return false;
    }
    const int width = std::max(MulDiv(photo.Width(), kHeight, photo.Height()), 1);
    Bitmap picture = ImageOps::AreaAverage(photo, width, kHeight);
    if (picture.IsEmpty()) {
        return false;
    }
    m_picture = std::move(picture);
    m_path = path;
    return true;
}
