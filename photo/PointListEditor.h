#pragma once

#include "platform/Geometry.h"

#include <vector>

// The buttons of a shape's point grid: a point changes places with its neighbour, a point is
// added after the last or before the current one, and the current one is deleted while more
// than three are left. Each returns the row that is current afterwards.
class CPointListEditor
{
  public:
    static constexpr int kMinPoints = 3;
    static constexpr int kStep = 10;

    explicit CPointListEditor(std::vector<CPoint>& points) : m_points(points) {}

    int MoveUp(int row);
    int MoveDown(int row);
    // A point 10 right and 10 down of the last one.
    int Append(int row);
    // A point 10 left and 10 up of the current one, before it.
    int InsertBefore(int row);
    int Delete(int row);

  private:
    bool IsRow(int row) const { return row >= 0 && row < static_cast<int>(m_points.size()); }

    std::vector<CPoint>& m_points;
};
