#pragma once

#include "list/drawing/DrawLine.h"

#include <initializer_list>

// Shapes made in one call for the tests.

template <class Shape> Shape MakeRect(int x1, int y1, int x2, int y2)
{
    Shape shape;
    shape.SetRect(CRect(x1, y1, x2, y2));
    return shape;
}

template <class Shape> Shape MakeThrough(std::initializer_list<CPoint> points)
{
    Shape shape;
    for (const CPoint& p : points) {
        shape.points.AddPoint(p);
    }
    return shape;
}

inline CDrawLine MakeLine(int x1, int y1, int x2, int y2)
{
    CDrawLine line;
    line.start = CPoint(x1, y1);
    line.end = CPoint(x2, y2);
    return line;
}
