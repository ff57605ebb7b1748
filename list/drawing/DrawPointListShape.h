#pragma once

#include "list/drawing/DrawPathShape.h"

// A path through a list of points that grows with each "ps" key of its drw line.
class CDrawPointListShape : public CDrawPathShape
{
  public:
    CPointArray points;

  protected:
    int PointCount() const override { return points.GetSize(); }
    const CPoint& PointAt(int index) const override { return points.Point(index); }
    CPoint& PointAt(int index) override { return points.Point(index); }

    // Takes a "ps" value with ":" as a new point; false for any other key.
    bool ReadPointKey(const CString& key, const CString& value);
    // "ps=%d:%d," for every point.
    void AppendPointKeys(CString& out) const;
};
