#include "photo/ui/DrawPropertyDialogs.h"

#include "foundation/ui/DocumentLookup.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"
#include "photo/EditPhotoModel.h"
#include "photo/IPhotoEditorHost.h"
#include "photo/ListPhotoProperties.h"
#include "photo/ShapePropertyValues.h"
#include "photo/ui/DrawPropAreaDlg.h"
#include "photo/ui/DrawPropBoxDlg.h"
#include "photo/ui/DrawPropEllipseDlg.h"
#include "photo/ui/DrawPropFreeLineDlg.h"
#include "photo/ui/DrawPropGroupDlg.h"
#include "photo/ui/DrawPropLineDlg.h"
#include "photo/ui/DrawPropPhotoDlg.h"
#include "photo/ui/DrawPropPolygonDlg.h"
#include "photo/ui/DrawPropShadeDlg.h"
#include "photo/ui/DrawPropTextDlg.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditorServices.h"
#include "platform/MessageBox.h"

namespace {

// The view's hint to render again.
constexpr int kHintRender = 2;

// Runs the kind's dialog over the shape's values; only OK writes them into the shape.
template <class Dialog> bool Edit(CDrawShape& shape)
{
    ShapePropertyValues values = ShapePropertyValues::From(shape);
    Dialog dialog(values);
    if (!dialog.Run()) {
        return false;
    }
    values.ApplyTo(shape);
    return true;
}

} // namespace

bool CDrawPropertyDialogs::EditArea(CDrawArea& area)
{
    return Edit<CDrawPropAreaDlg>(area);
}

bool CDrawPropertyDialogs::EditBox(CDrawBox& box)
{
    return Edit<CDrawPropBoxDlg>(box);
}

bool CDrawPropertyDialogs::EditEllipse(CDrawEllipse& ellipse)
{
    return Edit<CDrawPropEllipseDlg>(ellipse);
}

bool CDrawPropertyDialogs::EditPolygon(CDrawPolygon& polygon)
{
    return Edit<CDrawPropPolygonDlg>(polygon);
}

bool CDrawPropertyDialogs::EditLine(CDrawLine& line)
{
    return Edit<CDrawPropLineDlg>(line);
}

bool CDrawPropertyDialogs::EditFreeLine(CDrawFreeLine& freeLine)
{
    return Edit<CDrawPropFreeLineDlg>(freeLine);
}

bool CDrawPropertyDialogs::EditShade(CDrawShade& shade)
{
    return Edit<CDrawPropShadeDlg>(shade);
}

bool CDrawPropertyDialogs::EditText(CDrawText& text)
{
    return Edit<CDrawPropTextDlg>(text);
}

bool CDrawPropertyDialogs::EditGroup(CDrawGroup& group)
{
    return Edit<CDrawPropGroupDlg>(group);
}

bool CDrawPropertyDialogs::EditPhoto(CEditPhotoDoc& doc)
{
    CEditPhotoModel& model = doc.Model();
    CDrawingData& drawing = model.drawing;
    // A JPEG opened alone has no list to keep its corrections and comment.
    const bool editable = model.photoIndex >= 0;
    CDrawPropPhotoDlg dialog(nullptr, model.originalPath, model.imageWidth, model.imageHeight,
                             {&drawing.bright, &drawing.shade, &drawing.red, &drawing.green, &drawing.blue},
                             &model.comment, editable, false);
    if (editable) {
        dialog.SetPreview([&doc] {
            CUpdateHint hint(kHintRender, nullptr);
            doc.UpdateAllViews(nullptr, &hint);
        });
    }
    return dialog.ShowModal() == wxID_OK && dialog.IsChanged();
}

void CDrawPropertyDialogs::EditListPhoto(wxWindow* parent, CZantobyDoc& list, int photo)
{
    CDrawPropertyDialogs host;
    CListPhotoProperties properties(list, photo, host);
    if (!properties.Load()) {
        return;
    }
    CDrawingData& drawing = properties.drawing;
    CDrawPropPhotoDlg dialog(parent, properties.GetOriginalPath(), properties.GetWidth(),
                             properties.GetHeight(),
                             {&drawing.bright, &drawing.shade, &drawing.red, &drawing.green, &drawing.blue},
                             &properties.comment, properties.IsEditable(), true);
    if (dialog.ShowModal() == wxID_OK && dialog.IsChanged()) {
        properties.Apply();
    }
    if (dialog.IsEditRequested()) {
        list.OpenPhotoEditor(photo);
    }
}

void CDrawPropertyDialogs::ReportError(const char* message, const char* sourceFile, int line)
{
    CEditorServices::Host().ReportError(message, sourceFile, line);
}

void CDrawPropertyDialogs::ShowErrorMessage(int id, const CString& argument)
{
    CEditorServices::Host().ShowErrorMessage(id, argument);
}

CString CDrawPropertyDialogs::GetVersionString()
{
    return CEditorServices::Host().GetVersionString();
}
