#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// Takes one photo file into a line of a list: checks that there is room, registers the photo
// and appends it to the line's photos in one undo step, keeping an empty photo column to the
// right of the last photo.
class CSinglePhotoImport
{
  public:
    explicit CSinglePhotoImport(CZantobyDoc& doc) : m_doc(doc) {}

    // Whether the line can take one more photo: false after error 40200 (no free row for the
    // new-row line) or 40201 (no free photo slot, or the row holds 20 photos already).
    bool HasRoom(int line);
    // Only ".jpg" files (any case) are taken; false after error 40202.
    bool IsAcceptedFile(const CString& path);
    // Registers the file and appends it to the line; true when the photo was added. The list is
    // then marked modified, its views get hint 5 and the new-row line is kept at the end.
    bool Import(int line, const CString& path);
    // Whether the last Import added a photo column.
    bool AddedPhotoColumn() const { return m_addedPhotoColumn; }

  private:
    CZantobyDoc& m_doc;
    bool m_addedPhotoColumn = false;
};
