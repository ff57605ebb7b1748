#pragma once

#include "list/drawing/ArrowRecord.h"
#include "list/drawing/ShadowRecord.h"
#include "platform/Geometry.h"

#include <vector>

class Canvas;

// Drawing of open lines with arrow heads, shared by the line and the freeline.
namespace LineStroke {

// One arrow head at tip, pointing away from from, with the pen selected; a filled head is a
// triangle filled in the colour.
void DrawArrowHead(Canvas& dc, const CPoint& tip, const CPoint& from, const ArrowRecord& arrow,
                   COLORREF color);

// The path of two or more points with a solid pen of the width, its shadow first. The start
// arrow sits at the first point, the end arrow at the last. With setsEndPixel, a one-pixel path
// without arrows sets its end point's pixel, which a line leaves out.
void DrawPath(Canvas& dc, const std::vector<CPoint>& points, const ArrowRecord& startArrow,
              const ArrowRecord& endArrow, int width, COLORREF color, const ShadowRecord& shadow,
              bool setsEndPixel);

} // namespace LineStroke
