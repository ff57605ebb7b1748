#pragma once

#include "platform/Geometry.h"

// Where the grid's hint window goes: beside a point by placement flags, kept inside the grid.
class CGridHintPlacement
{
  public:
    // Horizontal flags: centred on x, or ending at x (else starting at it).
    static constexpr unsigned kCentreX = 0x4;
    static constexpr unsigned kEndAtX = 0x2;
    // Vertical flags: centred on y, or ending at y (else starting at it).
    static constexpr unsigned kCentreY = 0x20;
    static constexpr unsigned kEndAtY = 0x10;

    // The hint's rectangle for a text of the size (4 pixels wider), at least minWidth wide, in
    // the coordinates of client, inside which it is kept.
    static CRect Place(CPoint point, unsigned flags, int minWidth, CSize text, const CRect& client);
};
