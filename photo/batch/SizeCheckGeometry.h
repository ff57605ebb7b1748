#pragma once

#include "platform/Geometry.h"

// The size check window's arithmetic: a sample picture of 3:2 whose height is the length being
// chosen, so that resizing the window picks the length.
class CSizeCheckGeometry
{
  public:
    // The client size that shows a length: 3/2 of it wide, the length high.
    static CSize ClientFor(int length) { return CSize(length * 3 / 2, length); }
    // The largest 3:2 rectangle at the top left of the client area; its height is the length.
    static CRect PictureRect(CSize client);
    // The strip of the client area beside or below the picture.
    static CRect RestRect(CSize client);
};
