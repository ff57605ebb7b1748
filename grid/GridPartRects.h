#pragma once

#include "platform/Geometry.h"

// Where the grid's part windows lie in its client area after a layout.
struct CGridPartRects
{
    CRect cellArea;
    CRect topHeading;
    CRect sideHeading;
    CRect corner;
    CRect vScrollBar;
    CRect hScrollBar;
    CRect tabBar;
};
