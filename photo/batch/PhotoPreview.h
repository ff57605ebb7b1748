#pragma once

#include "foundation/BitmapEx.h"
#include "platform/CString.h"

// The preview of one photo file beside a file list: the picture, upright as a list shows it, with
// its pixel size, file size and date. Only files named ".jpg" (any case) are read; anything else
// shows nothing.
class CPhotoPreview
{
  public:
    // Reads the file; false, with everything cleared, when it is not a readable ".jpg".
    bool Load(const CString& path);
    void Clear();

    bool IsLoaded() const { return !m_picture.IsEmpty(); }
    const CBitmapEx& Picture() const { return m_picture; }
    // "X:%d Y:%d", the size in bytes with separators and " bytes", the date of the last write;
    // each empty when unknown.
    const CString& SizeText() const { return m_sizeText; }
    const CString& BytesText() const { return m_bytesText; }
    const CString& DateText() const { return m_dateText; }

  private:
    CBitmapEx m_picture;
    CString m_sizeText;
    CString m_bytesText;
    CString m_dateText;
};
