#include "photo/batch/PhotoFit.h"

#include <algorithm>

namespace {

// width x height of the photo scaled to meet the frame on its tighter side.
CSize Scaled(const CRect& frame, CSize photo)
{
    const int fw = frame.Width();
    const int fh = frame.Height();
    // 64-bit products: a camera photo times a wide frame passes 2^31.
    if (static_cast<long long>(fw) * photo.cy < static_cast<long long>(photo.cx) * fh) {
        return CSize(fw, MulDiv(photo.cy, fw, photo.cx));
    }
    return CSize(MulDiv(photo.cx, fh, photo.cy), fh);
}

CRect CentredIn(const CRect& frame, CSize size)
{
    const int left = frame.left + (frame.Width() - size.cx) / 2;
    const int top = frame.top + (frame.Height() - size.cy) / 2;
    return CRect(left, top, left + size.cx, top + size.cy);
}

} // namespace

CRect CPhotoFit::Preview(const CRect& frame, CSize photo)
{
    if (photo.cx <= 0 || photo.cy <= 0 || frame.IsRectEmpty()) {
        return CRect();
    }
    if (photo.cx <= frame.Width() && photo.cy <= frame.Height()) {
        return CentredIn(frame, photo);
    }
    return CentredIn(frame, Scaled(frame, photo));
}

CRect CPhotoFit::Fill(const CRect& frame, CSize photo)
{
    if (photo.cx <= 0 || photo.cy <= 0 || frame.IsRectEmpty()) {
        return CRect();
    }
    return CentredIn(frame, Scaled(frame, photo));
}

void CPhotoFit::Centre(const CRect& area, CSize photo, CRect& destination, CRect& source)
{
    const int width = std::min(area.Width(), photo.cx);
    const int height = std::min(area.Height(), photo.cy);
    if (width <= 0 || height <= 0) {
        destination = source = CRect();
        return;
    }
    destination = CentredIn(area, CSize(width, height));
    source = CentredIn(CRect(0, 0, photo.cx, photo.cy), CSize(width, height));
}

std::array<CRect, 4> CPhotoFit::Surround(const CRect& client, const CRect& image)
{
    return {CRect(client.left, client.top, client.right, image.top),
            CRect(client.left, image.bottom, client.right, client.bottom),
            CRect(client.left, image.top, image.left, image.bottom),
            CRect(image.right, image.top, client.right, image.bottom)};
}
