#pragma once

#include "list/drawing/DrawingData.h"
#include "platform/CString.h"

class CZantobyDoc;
class IDrawingHost;

// A photo of a list as its properties edit it from the list's views: the corrections of its
// drawing file and its comment, written back with the list's pictures of it made again.
class CListPhotoProperties
{
  public:
    CListPhotoProperties(CZantobyDoc& list, int photo, IDrawingHost& host);

    // Reads the photo's drawing file (none is no drawing). False when the slot holds no photo
    // or the file cannot be read.
    bool Load();
    // A read-only list only shows its photo, and so does a list whose photo is open in the photo
    // editor: there the corrections and the comment are changed.
    bool IsEditable() const;
    CString GetOriginalPath() const;
    int GetWidth() const;
    int GetHeight() const;
    // Writes the drawing file and the comment, renders the list's pictures of the photo again
    // and tells the list's views. False after a failure that was reported.
    bool Apply();

    // Writes a drawing into its own path, making the photo's drawing folder when it is missing.
    static bool WriteDrawingFile(CDrawingData& drawing, IDrawingHost& host);

    CDrawingData drawing;
    CString comment;

  private:
    CZantobyDoc& m_list;
    int m_photo;
    IDrawingHost& m_host;
};
