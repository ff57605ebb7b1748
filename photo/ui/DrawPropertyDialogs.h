#pragma once

#include "list/drawing/IDrawPropertyDialogs.h"

class CEditPhotoDoc;
class CZantobyDoc;
class wxWindow;

// Runs the property dialogs of the photo editor: one per kind of shape, and the photo's own.
class CDrawPropertyDialogs : public IDrawPropertyDialogs
{
  public:
    bool EditArea(CDrawArea& area) override;
    bool EditBox(CDrawBox& box) override;
    bool EditEllipse(CDrawEllipse& ellipse) override;
    bool EditPolygon(CDrawPolygon& polygon) override;
    bool EditLine(CDrawLine& line) override;
    bool EditFreeLine(CDrawFreeLine& freeLine) override;
    bool EditShade(CDrawShade& shade) override;
    bool EditText(CDrawText& text) override;
    bool EditGroup(CDrawGroup& group) override;
    // The photo properties of the document's photo; true when OK changed something.
    bool EditPhoto(CEditPhotoDoc& doc);
    // The photo properties from the list's views: corrections and comment written back into the
    // list, or the photo opened in the editor when asked for.
    static void EditListPhoto(wxWindow* parent, CZantobyDoc& list, int photo);

    void ReportError(const char* message, const char* sourceFile, int line) override;
    void ShowErrorMessage(int id, const CString& argument) override;
    CString GetVersionString() override;
};
