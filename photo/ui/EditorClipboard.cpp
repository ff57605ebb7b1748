#include "photo/ui/EditorClipboard.h"

#include "list/drawing/DrawShapeList.h"
#include "photo/EditPhotoModel.h"
#include "photo/IPhotoEditorHost.h"
#include "photo/ShapeClipboard.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/imagpng.h>

#include <cstring>

namespace {

// The editor's private clipboard format: the path of the shapes' clipboard file.
const wxDataFormat& DrawingFormat()
{
    static const wxDataFormat format("Zantoby2 Drawing Data");
    return format;
}

} // namespace
#include <memory>

bool CEditorClipboard::Copy(CEditPhotoModel& model, IPhotoEditorHost& host)
{
    auto data = std::make_unique<wxDataObjectComposite>();
    if (model.drawing.shapes.CountSelected() > 0) {
        const CString path = CShapeClipboard::GetFilePath(host.GetTempFolder());
        CString reason;
        if (!CShapeClipboard::WriteSelected(model.drawing.shapes, path, reason)) {
            host.ShowWarningMessage(31004, path, reason);
            return false;
        }
        auto shapes = std::make_unique<wxCustomDataObject>(DrawingFormat());
        // The path as Shift_JIS text with its terminating zero.
        shapes->SetData(static_cast<size_t>(path.GetLength()) + 1, path.GetString());
        data->Add(shapes.release(), true);
    }
    const Bitmap picture = CShapeClipboard::CopyPicture(model, CShapeClipboard::GetCopyRect(model));
    if (!picture.IsEmpty()) {
        const wxBitmap bitmap = CResourceBitmaps::FromImage(picture);
        if (!bitmap.IsOk()) {
            host.ShowWarningMessage(31005, "ﾋﾞｯﾄﾏｯﾌﾟを作成できません", CString());
            return false;
        }
        // GTK hands bitmaps to other programs as PNG.
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
            wxImage::AddHandler(new wxPNGHandler);
        }
        data->Add(new wxBitmapDataObject(bitmap));
    }
    if (data->GetFormatCount() == 0) {
        return true;
    }
    wxClipboardLocker locker;
    if (!locker) {
        return false;
    }
    wxTheClipboard->SetData(data.release());
    wxTheClipboard->Flush();
    return true;
}

bool CEditorClipboard::Paste(CEditPhotoModel& model, IPhotoEditorHost& host, const CPoint& centre)
{
    CString path;
    {
        wxClipboardLocker locker;
        const wxDataFormat& format = DrawingFormat();
        if (!locker || !wxTheClipboard->IsSupported(format)) {
            return true;
        }
        wxCustomDataObject shapes(format);
        if (!wxTheClipboard->GetData(shapes) || shapes.GetSize() == 0) {
            return true;
        }
        const char* bytes = static_cast<const char*>(shapes.GetData());
        path = CString(bytes, static_cast<int>(strnlen(bytes, shapes.GetSize())));
    }
    CDrawShapeList pasted;
    CString reason;
    if (!CShapeClipboard::ReadShapes(path, pasted, reason)) {
        host.ShowWarningMessage(31006, path, reason);
        return false;
    }
    CShapeClipboard::Paste(model, pasted, centre);
    return true;
}
