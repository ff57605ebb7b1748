#pragma once

#include "foundation/BitmapEx.h"
#include "list/PhotoSizeSettings.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CDrawingData;

// Turns a photo with its drawing data into the standard-size and thumbnail images of a list:
// mirrors, quarter turns, colour corrections, shapes and the area's crop, then the halftone
// reductions to the list's sizes, written as JPEGs.
class CPhotoRenderer
{
  public:
    static constexpr int kJpegQuality = 80;

    explicit CPhotoRenderer(const PhotoSizeSettings& sizes) : m_sizes(sizes) {}

    // Size of the standard image of a rendering of width x height: its height (the width of an
    // upright photo with the short-side setting) limited to the standard size, or scaled by the
    // standard percent when that gives more. Never below 1 x 1.
    CSize StandardSize(int width, int height) const;
    // Size of the thumbnail of a rendering of width x height, limited like the standard size.
    CSize ThumbnailSize(int width, int height) const;

    // The largest reduction at which a photo of the given size still gives the standard image
    // of the frame (in the pixels of the photo as shown) all its pixels: the photo is then
    // decoded at that fraction of its size.
    int ChooseReduction(CSize photo, const CRect& frame) const;

    // Applies the drawing to the photo in place: "mirror-vert" exchanges left and right,
    // "mirror-horz" reverses the rows, then the quarter turns, the colour corrections and the
    // shapes. The image may be a reduced copy of the photo, each of its pixels standing for
    // reduction x reduction pixels. frame becomes the part to keep, in the photo's pixels: the
    // area's crop or the whole photo. False with the reason in error when an image could not be
    // made.
    static bool ApplyDrawing(CBitmapEx& image, const CDrawingData& drawing, CRect& frame, CString& error,
                             int reduction = 1);

    // Writes the frame of a rendering as the standard-size JPEG and, reduced from that, the
    // thumbnail JPEG; a reduced rendering stands for the photo as in ApplyDrawing. False with
    // the reason in error; an exception (memory, files) goes to the caller.
    bool WriteImages(const Bitmap& rendering, const CRect& frame, const CString& standardPath,
                     const CString& thumbnailPath, CString& error, int reduction = 1) const;

  private:
    // width x height with the limited side brought to limit when it is larger, unless percent
    // of the limited side is larger than limit, which scales both sides by percent.
    CSize LimitSize(int width, int height, int limit, int percent) const;

    PhotoSizeSettings m_sizes;
};
