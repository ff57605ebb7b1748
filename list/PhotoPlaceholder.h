#pragma once

#include "platform/Bitmap.h"

// The picture a thumbnail shows when its file cannot be read: a small landscape on a grey card,
// crossed out in red.
class CPhotoPlaceholder
{
  public:
    // Draws the picture into image, made height pixels high (at least 16) and a third wider.
    static void Draw(Bitmap& image, int height);
};
