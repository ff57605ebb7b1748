#pragma once

#include "platform/Geometry.h"

// Where the tutorial window stands: half again as high as it was made, at the bottom right of
// the desktop's work area, 20 pixels from its right edge and 30 above its bottom.
class CTutorialPlacement
{
  public:
    static CRect Place(const CRect& window, const CRect& workArea);
};
