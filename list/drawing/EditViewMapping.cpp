#include "list/drawing/EditViewMapping.h"

#include <cstdint>

namespace {

int ScaleToView(int p, int zoom)
{
    return static_cast<int>(std::int64_t(p) * zoom / CEditViewMapping::kZoomUnit);
}

} // namespace

int CEditViewMapping::GetHitTolerance() const
{
    return zoom <= 0 ? 0 : 30000 / zoom;
}

void CEditViewMapping::ViewToImage(CPoint& point) const
{
    if (zoom <= 0) {
        point = CPoint(-1, -1);
        return;
    }
    point.x = static_cast<int>((std::int64_t(point.x) * kZoomUnit - 30000) / zoom);
    point.y = static_cast<int>((std::int64_t(point.y) * kZoomUnit - 30000) / zoom);
}

void CEditViewMapping::ImageToView(CPoint& point) const
{
    if (zoom > kMaxZoom) {
        point = CPoint(-1, -1);
        return;
    }
    point.x = ScaleToView(point.x, zoom) + kMargin;
    point.y = ScaleToView(point.y, zoom) + kMargin;
}

void CEditViewMapping::ImageToViewRect(CRect& rect) const
{
    if (zoom > kMaxZoom) {
        rect = CRect(-1, -1, -1, -1);
        return;
    }
    rect = CRect(ScaleToView(rect.left, zoom), ScaleToView(rect.top, zoom), ScaleToView(rect.right, zoom),
                 ScaleToView(rect.bottom, zoom));
    rect.OffsetRect(kMargin, kMargin);
}

void CEditViewMapping::ViewToClient(CPoint& point) const
{
    point.Offset(-scroll.x, -scroll.y);
}

void CEditViewMapping::ViewToClientRect(CRect& rect) const
{
    rect.OffsetRect(-scroll.x, -scroll.y);
}
