#pragma once

#include "platform/Geometry.h"

// The photo editor view's conversions between photo pixels, view coordinates (scrolled,
// logical, with a 4-pixel margin) and client coordinates, at its zoom in 1/10,000 and its
// scroll position; the shapes' hit tests and drag feedback work through them.
class CEditViewMapping
{
  public:
    static constexpr int kZoomUnit = 10000; // 100 %
    static constexpr int kMinZoom = 1000;   // the smallest zoom step; a fit may go below it
    static constexpr int kMaxZoom = 80000;  // the top zoom step
    static constexpr int kMargin = 4;

    int zoom = kZoomUnit;
    CPoint scroll;

    // Photo pixels within which a press hits: 30000 / zoom, three view pixels at any zoom; 0
    // when the photo has no room in the window (zoom 0).
    int GetHitTolerance() const;
    // (v * 10000 - 30000) / zoom per axis, at every zoom a fit gives; (-1, -1) at zoom 0.
    void ViewToImage(CPoint& point) const;
    // p * zoom / 10000 + 4 per axis; (-1, -1) above the top zoom.
    void ImageToView(CPoint& point) const;
    // Each corner scaled, then moved by the margin; all -1 above the top zoom.
    void ImageToViewRect(CRect& rect) const;
    // Less the scroll position.
    void ViewToClient(CPoint& point) const;
    void ViewToClientRect(CRect& rect) const;
};
