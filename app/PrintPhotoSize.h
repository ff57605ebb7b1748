#pragma once

#include "platform/Geometry.h"

// The printed size of a photo: the print size is its height, or its width for an upright photo
// when the list's sizes apply to the short side.
class CPrintPhotoSize
{
  public:
    // False, with nothing to print, for a photo whose pixel size is unknown.
    static bool Compute(int width, int height, int size, bool shortSide, CSize& printed);
};
