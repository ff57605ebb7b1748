#pragma once

#include "foundation/BitmapEx.h"
#include "platform/CString.h"

// One photo of the strip: its standard-size picture, its slot and name, and where it lies.
class CPhotoStripItem : public CBitmapEx
{
  public:
    int photoIndex = -1; // the slot, set only when the picture loaded
    CString caption;
    int x = -1; // left edge in view pixels
    int width = 0;
    int height = 0;
};
