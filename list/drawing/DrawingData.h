#pragma once

#include "foundation/PathName.h"
#include "list/drawing/DrawShapeList.h"
#include "platform/CString.h"

class IDrawingHost;

// The drawing data of one photo: its adjustments and the shapes over it, read from and written
// to its drw file. Shape coordinates are pixels of the photo as shown after mirroring and
// turning.
class CDrawingData
{
  public:
    // Path of the photo's drw file, kept for the owner; Read and Write take their own.
    CPathName path;
    // Stored as "mirror-vert": left and right exchange places in every pixel row (a mirror
    // about the vertical axis), as the renderer and the editor apply it.
    bool mirrorVert = false;
    // Stored as "mirror-horz": the rows come in reverse order (a mirror about the horizontal
    // axis).
    bool mirrorHorz = false;
    // Quarter turns of the photo to the left, 0 to 3.
    int rot = 0;
    // Colour adjustment: brightness, saturation and the three colour corrections.
    int bright = 0;
    int shade = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    // Bottom of the stacking order first.
    CDrawShapeList shapes;

    CDrawingData() = default;
    CDrawingData(const CDrawingData&) = delete;
    CDrawingData& operator=(const CDrawingData&) = delete;
    virtual ~CDrawingData() = default;

    // Replaces the contents from a drw file. A missing file reads as a photo without drawing:
    // true with nothing changed. False only after a failure that was reported; what was read
    // before it stays.
    bool Read(const CString& filePath, IDrawingHost& host);
    // Writes the contents as a drw file (see WriteText); the old file is replaced only once the
    // new one is complete. A file that cannot be made shows message 41003; false on failure.
    bool Write(const CString& filePath, IDrawingHost& host);

    // Replaces the contents from the text of a drw file (LF or CR LF line ends).
    void ReadText(const CString& text);
    // Both mirrors together are a half turn: they are folded into the rotation first, and the
    // object keeps that change.
    CString WriteText(const CString& versionString);

    // Turns and mirrors the photo as the EXIF orientation of its file (1 to 8) says its stored
    // pixels must be shown; other values leave it upright.
    void SetOrientation(int orientation);

    // Rectangle of the first area among the top-level shapes, as stored; 0, 0, 0, 0 without one.
    CRect GetAreaRect() const;
    // What a rendering of the frame is cropped to: the frame within the area, or the whole
    // frame when there is no area or it leaves nothing of the frame.
    CRect GetCropRect(const CRect& frame) const;
};
