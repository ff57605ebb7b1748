#pragma once

#include "list/PhotoSizeSettings.h"
#include "list/drawing/DeferredDrawingHost.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CDrawingData;

// One photo taken into a list's photo folder, or rendered there again: the copies, the drawing
// file and the standard and thumbnail JPEGs. It touches no list state, so that many of them can
// run at once on other threads; the list takes their outcomes in on its own thread.
class CPhotoRegistration
{
  public:
    enum class Outcome
    {
        kDone,
        kNotCopied,  // the photo could not be copied in; reason holds the system's text
        kUnreadable, // the photo is no readable JPEG
        kTooLarge,   // even reduced, the photo would not fit into memory
        kReported,   // the drawing data failed; its reports wait in drawingReports
        kFailed,     // a picture could not be made; error and line say what
        kException,  // something unexpected; line says where
    };

    explicit CPhotoRegistration(const CString& versionString) : drawingReports(versionString) {}

    // The list's slot the files belong to, and whether it was taken for this photo, so that a
    // failure gives it back.
    int slot = -1;
    bool takenSlot = false;
    // What to do. With a source the photo (and the drawing file, when one is named) is copied
    // in first; a new photo without a drawing file has any old one removed and is turned as its
    // camera's orientation says. The rotation turns the drawing first (1 left, -1 right).
    CString source;
    CString drawingSource;
    int rotation = 0;
    CString originalPath;
    CString drawingPath;
    CString otherDrawingPath; // the drawing file's place in the other folder layout
    CString standardPath;
    CString thumbnailPath;
    PhotoSizeSettings sizes;

    // Does it all; never throws.
    void Run();

    Outcome outcome = Outcome::kDone;
    CString reason;
    CString error;
    int line = 0;
    // The size of the rendered photo after its crop; 0 x 0 when it was not rendered.
    CSize size;
    CDeferredDrawingHost drawingReports;

  private:
    void Fail(Outcome kind, int where);
    bool CopyIn();
    // Turns the shapes with the photo by the rotation and stores the new turn in the drawing's
    // file; photo is the size of the photo as stored.
    bool TurnDrawing(CDrawingData& drawing, CSize photo);
    void Render();
};
