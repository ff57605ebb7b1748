#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// Whole-image operations of the photo pipeline: area-averaging resampling, mirroring, quarter
// turns and cropping. Flips, turns and crops keep the bit count (indexed images keep their
// palette); resampling always gives a 24-bit image.
namespace ImageOps {

// Each target pixel becomes the exact mean of the source area it covers (a box filter with
// fractional edges), so that reductions neither alias nor blur beyond their own scale.
// The source rectangle is clipped to the image; an empty result for a size below 1 or an empty
// rectangle.
Bitmap AreaAverage(const Bitmap& source, int width, int height);
Bitmap AreaAverage(const Bitmap& source, const CRect& from, int width, int height);
// The same from a reduced copy of a picture, each of whose pixels stands for reduction x
// reduction pixels of the picture; from is in the picture's pixels and need not fall on the
// copy's pixel edges.
Bitmap AreaAverage(const Bitmap& source, int reduction, const CRect& from, int width, int height);

// Left and right exchange places in every row.
void FlipHorizontal(Bitmap& image);
// The rows come in reverse order.
void FlipVertical(Bitmap& image);

// Turns by quarter turns taken modulo 4: 1 counter-clockwise (the top-left pixel ends at the
// bottom left), 2 half round, 3 (or -1) clockwise (the top-left pixel ends at the top right).
Bitmap Rotate(const Bitmap& image, int quarterTurns);

// The part of the image inside the rectangle (clipped to the image); empty when nothing is left.
Bitmap Crop(const Bitmap& image, const CRect& rect);

} // namespace ImageOps
