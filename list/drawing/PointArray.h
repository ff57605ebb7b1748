#pragma once

#include "foundation/PtrArrayEx.h"
#include "platform/Geometry.h"

// Owning list of points, each held in its own block, for the vertices of point-list shapes and
// the handle points the editor collects.
class CPointArray : public CPtrArrayEx
{
  public:
    CPointArray() = default;
    CPointArray(const CPointArray& other) : CPtrArrayEx() { CopyFrom(other); }
    CPointArray& operator=(const CPointArray& other);

    int AddPoint(int x, int y);
    int AddPoint(const CPoint& point) { return AddPoint(point.x, point.y); }
    CPoint& Point(int index) { return *static_cast<CPoint*>(m_items[index]); }
    const CPoint& Point(int index) const { return *static_cast<const CPoint*>(m_items[index]); }
    // Replaces the contents with new copies of the other's points.
    void CopyFrom(const CPointArray& other);
};
