#pragma once

#include <cstddef>

// The orientation tag of a photo's EXIF block: how the stored pixels must be turned and mirrored
// to be seen upright. data is the body of the JPEG's APP1 segment ("Exif", two zero bytes, then
// the TIFF structure). 1 (stored upright) to 8; 1 when there is no such tag or the block is
// damaged, since a camera's file must never keep a photo out.
int ReadExifOrientation(const unsigned char* data, std::size_t size);
