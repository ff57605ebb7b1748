#pragma once

#include "platform/Bitmap.h"

// The help pane's button images, drawn by the program: home, back, forward, print and close,
// in the order of the pane's buttons. Pixels of CIconPainter::kTransparent are transparent.
class CHelpPaneArt
{
  public:
    static constexpr int kImageSize = 20;
    static constexpr int kImageCount = 5;

    // The image of the button at a position; empty for a position outside 0 to 4.
    static Bitmap DrawButton(int position);
};
