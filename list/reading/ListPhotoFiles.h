#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// Looks at the photo files a list names while it is read: whether they are there, with one look
// at the photo folder answering for every file in a list without photos on disk, and the size of
// an original.
class CListPhotoFiles
{
  public:
    explicit CListPhotoFiles(CZantobyDoc& doc) : m_doc(doc) {}

    // Forgets the folder looked at, for a new read.
    void Forget() { m_folderLooked = false; }
    bool Exists(const CString& path);
    // The original JPEG of a slot in the layout asked for.
    CString Original(int slot, bool flat) const;
    // Measures the original JPEG of a photo slot; -1 and -1 when it cannot be read.
    void Measure(int slot);

  private:
    CZantobyDoc& m_doc;
    // Whether the photo folder was there when first looked at during this read.
    CString m_folder;
    bool m_folderLooked = false;
    bool m_folderExists = false;
};
