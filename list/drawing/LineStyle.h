#pragma once

#include "list/drawing/ArrowRecord.h"
#include "list/drawing/ShadowRecord.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <vector>

class Canvas;

// Width, colour and arrow heads of the open lines (line, freeline): their drw keys and their
// drawing. The start arrow sits at the first point, the end arrow at the last.
class CLineStyle
{
  public:
    ArrowRecord startArrow;
    ArrowRecord endArrow;
    int width = 1;
    COLORREF color = RGB(0, 0, 0); // -1: not drawn

    // One arrow head at tip, pointing away from from, with the pen selected; a filled head is a
    // triangle filled in the colour.
    static void DrawArrowHead(Canvas& dc, const CPoint& tip, const CPoint& from, const ArrowRecord& arrow,
                              COLORREF color);

  protected:
    // Takes ar (the first for the start, the second for the end, later ones nowhere), bd.w or
    // bd.c; false for any other key. arrowsRead counts the ar keys seen on the line.
    bool ReadLineKey(const CString& key, const CString& value, int& arrowsRead);
    // "ar=%d:%d:%d,ar=%d:%d:%d,bd.w=%d,bd.c=%d,"
    void AppendLineKeys(CString& out) const;
    // The path of two or more points with a solid pen of the width, its shadow first. With
    // setsEndPixel, a one-pixel path without arrows sets its end point's pixel, which a line
    // leaves out.
    void DrawPath(Canvas& dc, const std::vector<CPoint>& points, const ShadowRecord& shadow,
                  bool setsEndPixel) const;

  private:
    void DrawPathAt(Canvas& dc, const std::vector<CPoint>& points, int dx, int dy, COLORREF pathColor,
                    bool setsEndPixel) const;
};
