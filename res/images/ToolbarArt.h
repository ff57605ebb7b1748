#pragma once

#include "platform/Bitmap.h"

// The button images of the four toolbars, drawn as strips of 16 x 15 images side by side.
// Pixels of CIconPainter::kTransparent are transparent.
class CToolbarArt
{
  public:
    // Toolbar resource ids.
    static constexpr int kOpenBar = 128;
    static constexpr int kMainBar = 129;
    static constexpr int kEditorBar = 132;
    static constexpr int kFormatBar = 133;

    static constexpr int kImageWidth = 16;
    static constexpr int kImageHeight = 15;

    // Number of images in a toolbar's strip; 0 for an unknown id.
    static int GetImageCount(int toolbarId);
    // The strip of a toolbar; empty for an unknown id.
    static Bitmap DrawStrip(int toolbarId);
    // One image of a strip; empty outside the strip.
    static Bitmap DrawImage(int toolbarId, int index);
};
