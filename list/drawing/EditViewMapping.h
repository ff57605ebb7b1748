#pragma once

#include "platform/Geometry.h"

// The photo editor view's conversions between photo pixels, view coordinates (scrolled,
// logical, with a 4-pixel margin) and client coordinates, at its zoom in 1/10,000 and its
// scroll position; the shapes' hit tests and drag feedback work through them.
class CEditViewMapping
{
  public:
    static constexpr int kZoomUnit = 10000; // 100 %
    static constexpr int kMinZoom = 1000;   // below it the view shows no photo pixels
    static constexpr int kMaxZoom = 80000;  // the top zoom step
    static constexpr int kMargin = 4;

    int zoom = kZoomUnit;
    CPoint scroll;

    // Photo pixels within which a press hits: 30000 / zoom, 0 below the smallest zoom.
    int GetHitTolerance() const;
    // (v * 10000 - 30000) / zoom per axis; (-1, -1) below the smallest zoom.
    void ViewToImage(CPoint& point) const;
    // p * zoom / 10000 + 4 per axis; (-1, -1) above the top zoom.
    void ImageToView(CPoint& point) const;
    // Each corner scaled, then moved by the margin; all -1 above the top zoom.
    void ImageToViewRect(CRect& rect) const;
    // Less the scroll position.
    void ViewToClient(CPoint& point) const;
    void ViewToClientRect(CRect& rect) const;
};
