#pragma once

#include "platform/Geometry.h"

#include <array>

// Where a photo goes inside a frame on screen: fitted into a preview, filling a zoom window, or
// copied unscaled from its centre; and the bands of a window that a photo leaves uncovered.
class CPhotoFit
{
  public:
    // Centred at its own size when it fits, else shrunk to fit with its aspect ratio kept.
    static CRect Preview(const CRect& frame, CSize photo);
    // As large as the frame allows with the aspect ratio kept, centred on the other axis.
    static CRect Fill(const CRect& frame, CSize photo);
    // The photo unscaled in the middle of the area: a smaller photo centred, a larger one showing
    // its middle part. destination and source have the same size.
    static void Centre(const CRect& area, CSize photo, CRect& destination, CRect& source);
    // The parts of client outside image: above, below, left and right of it (empty ones too).
    static std::array<CRect, 4> Surround(const CRect& client, const CRect& image);
};
