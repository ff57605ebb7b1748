#include "photo/ShapeClipboard.h"

#include "foundation/TextFile.h"
#include "list/drawing/DrawShapeList.h"
#include "list/drawing/DrwLineReader.h"
#include "photo/EditPhotoModel.h"
#include "photo/ShapeCommands.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/SystemText.h"
#include "platform/canvas/ImageOps.h"

#include <cerrno>
#include <cstdio>

namespace {

CString SystemText(int error)
{
    return SystemErrorText(error != 0 ? error : EIO);
}

} // namespace

CString CShapeClipboard::GetFilePath(const CString& tempFolder)
{
    return tempFolder + "Zantoby.drw";
}

bool CShapeClipboard::WriteSelected(const CDrawShapeList& shapes, const CString& path, CString& reason)
{
    CString text;
    for (int i = 0; i < shapes.GetSize(); ++i) {
        if (shapes.GetShape(i)->selected) {
            shapes.GetShape(i)->Write(0, text);
        }
    }
    errno = 0;
    FILE* stream = FileSystem::OpenStream(path, "wb");
    if (stream == nullptr) {
        reason = SystemText(errno);
        return false;
    }
    const size_t size = static_cast<size_t>(text.GetLength());
    const bool written = std::fwrite(text.GetString(), 1, size, stream) == size;
    const int error = errno;
    if (std::fclose(stream) != 0 || !written) {
        reason = SystemText(error);
        return false;
    }
    return true;
}

CRect CShapeClipboard::GetCopyRect(const CEditPhotoModel& model)
{
    if (model.drawing.shapes.CountSelected() > 0) {
        return model.drawing.shapes.GetSelectedBounds();
    }
    const CRect shown = model.GetDisplayRect();
    CRect area = model.drawing.GetAreaRect();
    area.NormalizeRect();
    if (area.IsRectEmpty()) {
        return shown;
    }
    CRect cut;
    cut.IntersectRect(area, shown);
    return cut;
}

Bitmap CShapeClipboard::CopyPicture(const CEditPhotoModel& model, const CRect& rect)
{
    if (rect.IsRectEmpty()) {
        return Bitmap();
    }
    return ImageOps::Crop(model.GetRendering(), rect);
}

bool CShapeClipboard::ReadShapes(const CString& path, CDrawShapeList& shapes, CString& reason)
{
    CString text;
    errno = 0;
    if (!FileSystem::Exists(path) || !ReadTextFile(text, path, CFile::modeRead | CFile::typeText)) {
        reason = SystemText(errno != 0 ? errno : ENOENT);
        return false;
    }
    CDrwLineReader reader(text);
    shapes.Read(reader);
    return true;
}

void CShapeClipboard::Paste(CEditPhotoModel& model, CDrawShapeList& pasted, CPoint centre)
{
    CDrawShapeList& shapes = model.drawing.shapes;
    bool takesArea = !shapes.hasArea;
    for (int i = 0; i < pasted.GetSize();) {
        if (pasted.GetShape(i)->KindName() == DrawKind::kArea && !takesArea) {
            pasted.RemoveAt(i);
            continue;
        }
        if (pasted.GetShape(i)->KindName() == DrawKind::kArea) {
            takesArea = false;
        }
        pasted.GetShape(i)->selected = true;
        ++i;
    }
    const CRect bounds = pasted.GetBounds();
    const CPoint from((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    pasted.MoveResize(1, from.x, from.y, centre.x, centre.y, 0);

    shapes.DeselectAll();
    while (pasted.GetSize() > 0) {
        std::unique_ptr<CDrawShape> shape = CShapeCommands::TakeShape(pasted, 0);
        if (shape->KindName() == DrawKind::kArea) {
            // The photo's crop lies at the bottom of the stack, as one drawn with the area tool.
            shapes.InsertAt(0, shape.release());
            shapes.hasArea = true;
        } else {
            shapes.AddShape(std::move(shape));
        }
    }
    model.RenderImage();
    model.SetModifiedFlag(true);
}
