#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"

// Photos for the photo tests and benchmarks, made on the spot.
namespace TestPhotos {

// Quadrant colours: red top left, green top right, blue bottom left, white bottom right.
constexpr Bitmap::Pixel kTopLeft = 0xFF0000;
constexpr Bitmap::Pixel kTopRight = 0x00FF00;
constexpr Bitmap::Pixel kBottomLeft = 0x0000FF;
constexpr Bitmap::Pixel kBottomRight = 0xFFFFFF;

// An image of four flat quadrants, so that where each part ends up is plain after any turn.
Bitmap Quadrants(int width, int height);

// The quadrants saved as a JPEG; false when it cannot be written.
bool WriteJpeg(const CString& path, int width, int height);

// The image saved as a JPEG whose EXIF block names the orientation (1 to 8) in the byte order
// of Motorola cameras; false when it cannot be written.
bool WriteJpeg(const CString& path, const Bitmap& image, int orientation);

// The scene as a camera holding it in the orientation (1 to 8) stores it, by the EXIF
// definitions: 5 to 8 store the scene's columns as rows.
Bitmap StoredAs(const Bitmap& scene, int orientation);

// The quadrants of a scene width x height, stored and named as a camera in the orientation
// writes them; false when it cannot be written.
bool WriteCameraJpeg(const CString& path, int width, int height, int orientation);

// The quadrants as a JPEG of any size, written row by row, so that photos larger than a bitmap
// may hold can be made; false when it cannot be written.
bool WriteLargeJpeg(const CString& path, int width, int height);

// A photo as cameras take them: smooth gradients, hard edges and sensor noise.
Bitmap CameraLike(int width, int height);

// Whether each channel of two colours differs by at most tolerance (JPEG keeps flat areas close).
bool IsNear(Bitmap::Pixel a, Bitmap::Pixel b, int tolerance = 12);

} // namespace TestPhotos
