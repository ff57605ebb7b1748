#pragma once

#include "platform/Geometry.h"

#include <vector>

// The cells waiting to be painted, as ranges with their bounding box, and the joined ranges
// already drawn during one paint (so that each join is drawn once).
class CCellRangeList
{
  public:
    void AddCell(int column, int row) { AddRange(column, row, column, row); }
    // Appends a range (corners in any order); the bounding box widens to hold it.
    void AddRange(int left, int top, int right, int bottom);
    // Widens the first range, or adds it when the list is empty.
    void ExtendFirstRange(int left, int top, int right, int bottom);
    bool Contains(int column, int row) const;
    bool IsEmpty() const { return m_ranges.empty(); }
    // The bounding box; false when nothing is queued. Right and bottom are inclusive.
    bool GetBounds(int& left, int& top, int& right, int& bottom) const;
    void Clear();

    bool ContainsDrawnJoin(int column, int row) const;
    void AddDrawnJoin(int column, int row);

  private:
    struct Range
    {
        int left;
        int top;
        int right;
        int bottom;
    };

    bool InBox(const Range& box, int column, int row) const
    {
        return column >= box.left && column <= box.right && row >= box.top && row <= box.bottom;
    }
    void Widen(const Range& range);

    std::vector<Range> m_ranges;
    Range m_box{0, 0, -1, -1};
    std::vector<CPoint> m_drawnJoins;
};
