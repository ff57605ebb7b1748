#include "grid/GridAutoScroll.h"

#include <algorithm>
#include <cmath>

int CGridAutoScroll::Cells(double distance, int power)
{
    if (power <= 0) {
        return 1;
    }
    // Capped well below what a move can use, so the power never overflows.
    const double steps = std::pow(std::floor(std::max(distance, 1.0)), power);
    return static_cast<int>(std::min(steps, 100000.0));
}

CGridAutoScroll::Step CGridAutoScroll::ForPointer(CPoint point, CSize area, int defaultColumnWidth,
                                                  int defaultRowHeight, int power, int delayMs,
                                                  bool overLastColumn, bool overLastRow)
{
    Step step;
    const double width = std::max(defaultColumnWidth, 1);
    const double height = std::max(defaultRowHeight, 1);
    if (point.x < 0) {
        step.columns = -Cells(1.0 - point.x / width, power);
    } else if (point.x >= area.cx || overLastColumn) {
        step.columns = Cells((point.x - area.cx) / width + 1.0, power);
    }
    if (point.y < 0) {
        step.rows = -Cells(1.0 - point.y / height, power);
    } else if (point.y >= area.cy || overLastRow) {
        step.rows = Cells((point.y - area.cy) / height + 1.0, power);
    }
    const bool single = std::abs(step.columns) <= 1 && std::abs(step.rows) <= 1;
    step.intervalMs = single && power > 0 ? std::max(delayMs, kFastIntervalMs) : kFastIntervalMs;
    return step;
}

CGridAutoScroll::Step CGridAutoScroll::ForDrag(CPoint point, CSize area)
{
    Step step;
    if (point.x < kDragEdge) {
        step.columns = -1;
    } else if (point.x > area.cx - kDragEdge) {
        step.columns = 1;
    } else if (point.y < kDragEdge) {
        step.rows = -1;
    } else if (point.y > area.cy - kDragEdge) {
        step.rows = 1;
    }
    return step;
}
