#pragma once

#include "list/drawing/EditViewMapping.h"
#include "platform/Geometry.h"

// The photo editor view's zoom and scroll: the fit modes, the zoom steps, the size of the shown
// photo and the scroll position that keeps a point in place when the zoom changes.
class CEditViewZoom
{
  public:
    enum FitMode
    {
        kExplicit = 1,
        kFitWindow = 2,
        kFitWidth = 3,
        kFitHeight = 4,
        kFitWindowAtMost100 = 5, // the mode a photo opens in
    };
    static constexpr int kSteps[] = {1000, 2000, 5000, 10000, 20000, 30000, 40000, 80000};

    CEditViewMapping mapping; // zoom and scroll position
    int fitMode = kFitWindowAtMost100;
    CSize viewSize; // the photo at the zoom, in view pixels

    // Mode 0 keeps the fit mode and zoom and computes again. image is the shown photo's size,
    // client the window's; anchor (client coordinates) stays over the same photo pixel where
    // the window allows.
    void SetZoom(int mode, int zoom, CSize image, CSize client, CPoint anchor);
    // The scroll extent: the photo and the margins.
    CSize GetTotalSize() const { return CSize(viewSize.cx + 8, viewSize.cy + 8); }

    // The zoom step above the current zoom, or 0 at the top.
    int GetZoomInStep() const;
    // The step below the current zoom, or 0 when there is none.
    int GetZoomOutStep() const;
    bool CanZoomIn() const { return mapping.zoom < CEditViewMapping::kMaxZoom; }
    bool CanZoomOut() const { return mapping.zoom > CEditViewMapping::kMinZoom; }

    void ClientToView(CPoint& point) const { point.Offset(mapping.scroll.x, mapping.scroll.y); }
    void ClientToViewRect(CRect& rect) const { rect.OffsetRect(mapping.scroll.x, mapping.scroll.y); }
    // Less the margin, then scaled; all -1 at zoom 0.
    void ViewToImageRect(CRect& rect) const;

  private:
    void ScrollToKeep(CPoint anchorView, CSize client);
};
