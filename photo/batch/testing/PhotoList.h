#pragma once

#include "list/ZantobyDoc.h"
#include "list/tests/support/FakeListHost.h"
#include "list/tests/support/TempFolder.h"

#include <memory>

// A new untitled list working in a folder of its own, with its scripted application, and photo
// files made on the spot.
class PhotoList
{
  public:
    PhotoList();

    // A JPEG of four flat quadrants at temp/name (folders made as needed); its path.
    CString WriteJpeg(const CString& name, int width, int height) const;
    // The quadrants of a scene width x height as a camera held in the EXIF orientation stores
    // and names them; its path.
    CString WriteCameraJpeg(const CString& name, int width, int height, int orientation) const;
    // Takes a photo file into the list on the new-row line; the photo's slot.
    int AddPhotoRow(const CString& path);

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};
