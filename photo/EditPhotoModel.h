#pragma once

#include "foundation/BitmapEx.h"
#include "list/PhotoSizeSettings.h"
#include "list/drawing/DrawingData.h"
#include "photo/EditUndoSteps.h"
#include "platform/Bitmap.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CZantobyDoc;
class IPhotoEditorHost;

// One photo open in the photo editor: the photo as loaded and as shown (mirrored and turned),
// its drawing data with undo steps, its rendering, and saving the drawing with the list's
// standard and thumbnail JPEGs. The original photo file is never written.
class CEditPhotoModel
{
  public:
    explicit CEditPhotoModel(IPhotoEditorHost& host);
    CEditPhotoModel(const CEditPhotoModel&) = delete;
    CEditPhotoModel& operator=(const CEditPhotoModel&) = delete;

    IPhotoEditorHost& Host() const { return m_host; }

    // "list path?photo index" opens a photo of an open list; any other path a JPEG file alone.
    // False after a message has said what failed.
    bool Open(const CString& path);
    // Writes the drawing file, the standard and thumbnail JPEGs, and tells the list. False after
    // a message has said what failed; the document then stays modified.
    bool Save();
    // Lets the list know the editor is gone and deletes the undo files.
    void Close();

    // Stores the flag, then records an undo step of the drawing as it stands now.
    void SetModifiedFlag(bool modified);
    // Stores the flag alone, as the framework does after saving or when told to discard.
    void SetModifiedOnly(bool modified) { m_modified = modified; }
    bool IsModified() const { return m_modified; }

    void ResetUndo();
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    // Steps back or forward and brings the shown photo in line; false when there was no step.
    bool Undo();
    bool Redo();
    const CEditUndoSteps& UndoSteps() const { return m_undo; }

    // The photo as shown: width and height exchanged for an odd number of quarter turns.
    CSize GetDisplaySize() const;
    CRect GetDisplayRect() const { return CRect(CPoint(0, 0), GetDisplaySize()); }
    // The shown photo with the colour corrections and every shape, at full size.
    void RenderImage();
    const Bitmap& GetRendering() const { return m_rendering; }
    // Counts the renderings, so that a view knows when its reduced copy is out of date.
    unsigned GetRenderCount() const { return m_renderCount; }
    const Bitmap& GetWorkingBitmap() const { return m_working; }
    // The crop of the list's JPEGs: the shown photo within every area; empty when nothing is left.
    CRect GetDerivedCropRect() const;

    // The whole photo mirrored left-right (or top-bottom) or turned by quarter turns (1 left,
    // -1 right) on screen, the shapes with it.
    void FlipPhoto(bool leftRight);
    void RotatePhoto(int quarterTurns);

    // The open list document of the photo, or null.
    CZantobyDoc* FindList() const;

    CDrawingData drawing;
    int imageWidth = 0; // the photo as loaded, before mirrors and turns
    int imageHeight = 0;
    CString originalPath;
    int photoIndex = -1; // -1: a JPEG file outside a list
    CString comment;
    CString standardPath;
    CString thumbnailPath;
    PhotoSizeSettings sizes;
    CString listPath;

  private:
    bool ReadFromList(const CString& path, int question);
    // The working bitmap from the photo as loaded, by the drawing's mirrors and turns.
    void BuildWorkingBitmap();
    void WriteDerivedImages();

    IPhotoEditorHost& m_host;
    CBitmapEx m_original;
    CBitmapEx m_working;
    CBitmapEx m_rendering;
    CEditUndoSteps m_undo;
    bool m_modified = false;
    unsigned m_renderCount = 0;
};
