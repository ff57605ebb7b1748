#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CDrawShapeList;
class CEditPhotoModel;

// The shapes' side of the photo editor's clipboard: the selected shapes go into a drawing file
// in the temporary folder whose path travels on the clipboard, with a picture of the rendered
// region beside it; pasting reads the file back and lays the shapes over the visible part.
class CShapeClipboard
{
  public:
    // The file that holds copied shapes.
    static CString GetFilePath(const CString& tempFolder);

    // Writes the selected shapes, in list order, as drawing lines without a head. False with
    // the system's reason when the file cannot be written.
    static bool WriteSelected(const CDrawShapeList& shapes, const CString& path, CString& reason);
    // The region whose picture is copied: the selected shapes' bounds; without a selection the
    // area within the shown photo, or the whole photo.
    static CRect GetCopyRect(const CEditPhotoModel& model);
    // That region of the rendering; empty when the region is.
    static Bitmap CopyPicture(const CEditPhotoModel& model, const CRect& rect);

    // Reads the shapes of a copy file; false with the system's reason when it cannot be read.
    static bool ReadShapes(const CString& path, CDrawShapeList& shapes, CString& reason);
    // Adds the shapes, selected and topmost, centred on centre (photo pixels). A photo with an
    // area drops pasted areas; a photo without one takes the first as its own.
    static void Paste(CEditPhotoModel& model, CDrawShapeList& pasted, CPoint centre);
};
