#include "photo/EditViewZoom.h"

#include <algorithm>
#include <iterator>

void CEditViewZoom::SetZoom(int mode, int zoom, CSize image, CSize client, CPoint anchor)
{
    CPoint anchorImage = anchor;
    ClientToView(anchorImage);
    mapping.ViewToImage(anchorImage);

    if (mode != 0) {
        fitMode = mode;
        mapping.zoom = zoom;
    }
    const int w = image.cx;
    const int h = image.cy;
    const int availableWidth = std::max(client.cx - 8, 0);
    const int availableHeight = std::max(client.cy - 8, 0);
    auto byWidth = [&] {
        viewSize = CSize(availableWidth, MulDiv(h, availableWidth, w));
        mapping.zoom = MulDiv(CEditViewMapping::kZoomUnit, availableWidth, w);
    };
    auto byHeight = [&] {
        viewSize = CSize(MulDiv(w, availableHeight, h), availableHeight);
        mapping.zoom = MulDiv(CEditViewMapping::kZoomUnit, availableHeight, h);
    };
    auto atZoom = [&] {
        viewSize = CSize(MulDiv(w, mapping.zoom, CEditViewMapping::kZoomUnit),
                         MulDiv(h, mapping.zoom, CEditViewMapping::kZoomUnit));
    };
    if (w <= 0 || h <= 0) {
        // Nothing to fit: a photo without pixels keeps the zoom it has.
        viewSize = CSize(0, 0);
    } else {
        switch (fitMode) {
        case kFitWidth:
            byWidth();
            break;
        case kFitHeight:
            byHeight();
            break;
        case kFitWindow:
        case kFitWindowAtMost100:
            if (static_cast<long long>(h) * availableWidth < static_cast<long long>(w) * availableHeight) {
                byWidth();
            } else {
                byHeight();
            }
            if (fitMode == kFitWindowAtMost100 && mapping.zoom > CEditViewMapping::kZoomUnit) {
                mapping.zoom = CEditViewMapping::kZoomUnit;
                viewSize = image;
            }
            break;
        default:
            atZoom();
            break;
        }
        if (mapping.zoom >= CEditViewMapping::kMaxZoom) {
            mapping.zoom = CEditViewMapping::kMaxZoom;
            atZoom();
        }
    }

    CPoint anchorView = anchorImage;
    mapping.ImageToView(anchorView);
    ScrollToKeep(anchorView, client);
}

void CEditViewZoom::ScrollToKeep(CPoint anchorView, CSize client)
{
    const CSize total = GetTotalSize();
    auto axis = [](int anchor, int clientSize, int totalSize) {
        if (clientSize >= totalSize) {
            return 0;
        }
        return std::clamp(anchor - clientSize / 2, 0, totalSize - clientSize);
    };
    mapping.scroll = CPoint(axis(anchorView.x, client.cx, total.cx), axis(anchorView.y, client.cy, total.cy));
}

int CEditViewZoom::GetZoomInStep() const
{
    for (int step : kSteps) {
        if (step > mapping.zoom) {
            return step;
        }
    }
    return 0;
}

int CEditViewZoom::GetZoomOutStep() const
{
    if (mapping.zoom > CEditViewMapping::kMaxZoom) {
        return 0;
    }
    for (size_t i = 1; i < std::size(kSteps); ++i) {
        if (kSteps[i] >= mapping.zoom) {
            return kSteps[i - 1];
        }
    }
    return 0;
}

void CEditViewZoom::ViewToImageRect(CRect& rect) const
{
    const int zoom = mapping.zoom;
    if (zoom <= 0) {
        rect = CRect(-1, -1, -1, -1);
        return;
    }
    rect.OffsetRect(-CEditViewMapping::kMargin, -CEditViewMapping::kMargin);
    rect = CRect(
        rect.left * CEditViewMapping::kZoomUnit / zoom, rect.top * CEditViewMapping::kZoomUnit / zoom,
        rect.right * CEditViewMapping::kZoomUnit / zoom, rect.bottom * CEditViewMapping::kZoomUnit / zoom);
}
