#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"

// One photo file of the bulk import with its picture, 120 pixels high, upright as the list will
// show it.
class CThumbnail
{
  public:
    static constexpr int kHeight = 120;

    // Reads the JPEG and makes the picture; false, with nothing changed, when it cannot be read.
    bool Make(const CString& path);
    // Lets the picture go once the grid no longer shows it; the path stays.
    void FreePicture() { m_picture.Clear(); }

    const Bitmap& Picture() const { return m_picture; }
    const CString& Path() const { return m_path; }

  private:
    Bitmap m_picture;
    CString m_path;
};
