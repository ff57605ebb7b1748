#pragma once

#include "platform/Geometry.h"

// How far and how often the grid scrolls by itself while the pointer is held beyond an edge of
// the cell area (selecting with the mouse, dragging a column) or while a drag rests near one.
class CGridAutoScroll
{
  public:
    // The pause between two steps of one cell, and between quicker steps.
    static constexpr int kFastIntervalMs = 30;
    // A drag resting this near an edge scrolls.
    static constexpr int kDragEdge = 10;

    struct Step
    {
        int columns = 0; // signed: negative scrolls back
        int rows = 0;
        int intervalMs = 0; // pause before the next step
    };

    // The step for a pointer at point over an area of the size: the distance past an edge
    // measured in default column widths (row heights) n, raised to the power; power 0 steps one
    // cell. Steps of one cell wait the delay. Past the last visible column (row) counts as past
    // the edge too.
    static Step ForPointer(CPoint point, CSize area, int defaultColumnWidth, int defaultRowHeight, int power,
                           int delayMs, bool overLastColumn, bool overLastRow);

    // One column (row) for a drag resting within kDragEdge of an edge; horizontal wins.
    static Step ForDrag(CPoint point, CSize area);

  private:
    static int Cells(double distance, int power);
};
