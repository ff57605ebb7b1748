#pragma once

#include "platform/Geometry.h"

class CZantobyDoc;

// The printed size of a photo: the print size is its height, or its width for an upright photo
// when the list's sizes apply to the short side.
class CPrintPhotoSize
{
  public:
    // False, with nothing to print, for a photo whose pixel size is unknown.
    static bool Compute(int width, int height, int size, bool shortSide, CSize& printed);
    // The same from the pixel size a list keeps for a photo slot; false for a slot not in use.
    static bool OfSlot(const CZantobyDoc& doc, int slot, int size, CSize& printed);
};
