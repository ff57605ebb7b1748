#pragma once

#include "foundation/BitmapEx.h"
#include "list/ListDrawingHost.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CPhotoRegistration;
class CZantobyDoc;

// The photos of a list: taking slots, adding photos to rows, the four files of each photo in
// either folder layout, registering and rendering a photo, and the thumbnails the views show.
class CListPhotos
{
  public:
    explicit CListPhotos(CZantobyDoc& doc);

    // Lowest free slot, reset and marked in use; -1 when all are taken.
    int AllocPhotoRecord();
    // Puts the photo into the row shown at displayRow, at position (appended when it is negative
    // or past the end); the new-row line gets a new row. undoKind as SaveUndoSnapshot takes it.
    bool AddPhotoToRow(int displayRow, int position, int photo, int undoKind);
    // With a source, copies it in as the slot's original (slot -1 takes a new slot) together with
    // the drawing file when one is named; then renders the standard and thumbnail JPEGs, turned
    // first by rotation quarter turns (1 left, -1 right). The slot, or -1 on failure; a slot this
    // call took is given back when it fails, any other is kept.
    int ImportPhotoImage(const CString& source, int slot, const CString& drawing, int rotation);
    // ImportPhotoImage in three steps, so that the middle one can run on another thread while
    // the list goes on: Prepare takes the slot as ImportPhotoImage does (false when there is
    // none), the registration's Run makes the files, Finish takes the outcome into the list and
    // returns the slot, or -1 after the failure was reported and a slot taken was given back.
    bool PrepareRegistration(const CString& source, int slot, const CString& drawing, int rotation,
                             CPhotoRegistration& registration);
    int FinishRegistration(CPhotoRegistration& registration);
    // Gives back the slot a prepared registration took, with what it made, without a word.
    void AbandonRegistration(const CPhotoRegistration& registration);

    enum FileKind
    {
        kOriginal,
        kStandard,
        kThumbnail,
        kDrawing
    };
    // One file of a slot in the layout asked for: directly in the photo folder (flat) or in its
    // subfolder; empty for a slot outside 0..9,999.
    CString PathOf(int slot, FileKind kind, bool flat) const;

    // The four files of a slot, directly in the photo folder while the slot's files are flat;
    // empty for a slot outside 0..9,999.
    CString GetOriginalPhotoPath(int slot) const;
    CString GetMiddlePhotoPath(int slot) const;
    CString GetThumbnailPath(int slot) const;
    CString GetDrawingPath(int slot) const;

    // Makes the photo folder's subfolders that are missing (tools that drop empty folders may
    // have taken one away), when the photo folder is there.
    void MakeSubfolders() const;
    // Removes the half-written copies of photo files that a killed save or registration left in
    // the photo folder and its subfolders.
    void RemoveWriteLeftovers() const;

    // The slot's thumbnail, read on the first call (the placeholder picture when its file cannot
    // be read) and kept; null for a slot outside 0..9,999 or not in use.
    CBitmapEx* GetThumbnailBitmap(int slot);

  private:
    CString PathOf(int slot, FileKind kind) const;
    // Frees a slot that a failed registration took, with the files it left.
    void GiveBack(int slot);

    CZantobyDoc& m_doc;
    CListDrawingHost m_drawingHost;
};
