#pragma once

#include "platform/Bitmap.h"

#include <cstddef>

// The orientation tag of a photo's EXIF block: how the stored pixels must be turned and mirrored
// to be seen upright. data is the body of the JPEG's APP1 segment ("Exif", two zero bytes, then
// the TIFF structure). 1 (stored upright) to 8; 1 when there is no such tag or the block is
// damaged, since a camera's file must never keep a photo out.
int ReadExifOrientation(const unsigned char* data, std::size_t size);

// How the stored pixels of an orientation are brought upright: left and right exchange places
// in every row, or the rows come in reverse order, then quarter turns to the left.
struct ExifTurn
{
    bool mirrorRows = false;
    bool reverseRows = false;
    int leftTurns = 0;
};
// The turn of an orientation; none for a value outside 1 to 8.
ExifTurn GetExifTurn(int orientation);

// Turns and mirrors an image as the orientation says, so that it shows as the camera saw it;
// false, with the image unchanged, when the turned image cannot be made.
bool TurnUpright(Bitmap& image, int orientation);
